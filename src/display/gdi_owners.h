// Owners of what the display makes: GDI objects, device contexts, selections
// into device contexts and memory blocks. Each frees what it holds when it
// goes or is reset, so that whatever a half-built display made is freed with
// it, and the display's member order alone says in which order things go.
#pragma once

#include <windows.h>

#include <utility>

namespace quibac {

// A handle and how to let it go; Releaser is called with the handle, and may
// carry what the release needs besides (the window of a window DC, the DC of
// a selection). Move-only; a null handle is nothing to release.
template <typename Handle, typename Releaser>
class HandleOwner {
public:
    HandleOwner() = default;
    explicit HandleOwner(Handle handle, Releaser releaser = {}) : handle_(handle), releaser_(releaser) {}
    HandleOwner(HandleOwner&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr)), releaser_(other.releaser_) {}
    HandleOwner& operator=(HandleOwner&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
            releaser_ = other.releaser_;
        }
        return *this;
    }
    HandleOwner(const HandleOwner&) = delete;
    HandleOwner& operator=(const HandleOwner&) = delete;
    ~HandleOwner() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    const Releaser& releaser() const { return releaser_; }

    // Lets the handle go now and holds nothing.
    void reset() {
        if (handle_ != nullptr) releaser_(std::exchange(handle_, nullptr));
    }
    // Gives the handle up unreleased: the caller lets it go some other way.
    Handle release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
    Releaser releaser_{};
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

struct DeleteMemoryDC {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

struct ReleaseToWindow {
    HWND window = nullptr;
    void operator()(HDC dc) const { ReleaseDC(window, dc); }
};

struct FreeGlobalBlock {
    void operator()(HGLOBAL block) const { GlobalFree(block); }
};

// A selection holds what it displaced and selects that back into its DC. A
// palette put back is realized, so that the DC maps through it again.
struct PutBackPalette {
    HDC dc = nullptr;
    void operator()(HPALETTE displaced) const {
        SelectPalette(dc, displaced, FALSE);
        RealizePalette(dc);
    }
};

struct PutBackBitmap {
    HDC dc = nullptr;
    void operator()(HBITMAP displaced) const { SelectObject(dc, displaced); }
};

using GdiPalette = HandleOwner<HPALETTE, DeleteGdiObject>;
using GdiBitmap = HandleOwner<HBITMAP, DeleteGdiObject>;
using MemoryDCOwner = HandleOwner<HDC, DeleteMemoryDC>;
using WindowDCOwner = HandleOwner<HDC, ReleaseToWindow>;
using GlobalBlock = HandleOwner<HGLOBAL, FreeGlobalBlock>;
using PaletteSelection = HandleOwner<HPALETTE, PutBackPalette>;
using BitmapSelection = HandleOwner<HBITMAP, PutBackBitmap>;

inline WindowDCOwner TakeWindowDC(HWND window) { return WindowDCOwner(GetDC(window), ReleaseToWindow{window}); }

// Selects palette into dc (unrealized, as SelectPalette leaves it).
inline PaletteSelection SelectPaletteInto(HDC dc, HPALETTE palette) {
    return PaletteSelection(SelectPalette(dc, palette, FALSE), PutBackPalette{dc});
}

inline BitmapSelection SelectBitmapInto(HDC dc, HBITMAP bitmap) {
    return BitmapSelection(static_cast<HBITMAP>(SelectObject(dc, bitmap)), PutBackBitmap{dc});
}

// Selects the displaced palette back without realizing it: for a palette
// about to be replaced, whose successor is selected and realized straight after.
inline void PutBackUnrealized(PaletteSelection& selection) {
    const HDC dc = selection.releaser().dc;
    if (const HPALETTE displaced = selection.release()) SelectPalette(dc, displaced, FALSE);
}

}  // namespace quibac
