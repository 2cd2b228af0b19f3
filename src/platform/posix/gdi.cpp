// GDI on a true-colour screen surface: logical palettes are kept and selected
// as on Windows, device-dependent bitmaps hold RGB pixels converted through
// the DIB's own colour table (DIB_RGB_COLORS), and window DCs draw into the
// shared screen surface clipped to their window.
#include "internal.h"
#include "unrecorded_reads.h"

#include <posix_control.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <thread>
#include <unordered_map>

using namespace posix::detail;

namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

// ---- one thread at a time on a DC ----------------------------------------------
// Windows does not serialise calls on one DC across threads, so the saver
// guards its shared DCs itself. The layer's own global lock would hide a
// missing guard; instead every call taking a DC marks it with its thread
// before it waits for that lock, and a second thread finding the mark counts
// as misuse. Marks are kept by handle value, apart from the object, so that a
// stale handle is never dereferenced to mark it.
struct DcUser {
    std::thread::id thread;
    int depth = 0;  // the same thread may re-enter, as BitBlt from a DC to itself does
};

std::mutex& DcUseLock() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* lock = new std::mutex();
    return *lock;
}

std::unordered_map<const void*, DcUser>& DcUsers() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* users = new std::unordered_map<const void*, DcUser>();
    return *users;
}

// Calls that have marked their DCs and wait for the global lock.
std::atomic<int> g_gdiWaiters{0};

constexpr size_t kMaxCallDCs = 2;  // BitBlt's destination and source

// A GDI call on one or two DCs: marks them, then holds the global lock until
// the call returns, clearing its marks just before it lets go.
class DcCall {
public:
    DcCall(const char* call, std::initializer_list<HDC> dcs) {
        for (HDC dc : dcs) Mark(call, dc);
        ++g_gdiWaiters;
        lock_ = std::unique_lock<std::recursive_mutex>(GdiLock());
        --g_gdiWaiters;
    }
    ~DcCall() {
        // Cleared while the global lock is still held: a DC this call deleted
        // cannot yet have been reborn at the same address for another thread.
        for (size_t i = 0; i < marked_; ++i) Clear(dcs_[i]);
    }
    DcCall(const DcCall&) = delete;
    DcCall& operator=(const DcCall&) = delete;

private:
    void Mark(const char* call, HDC dc) {
        if (dc == nullptr || marked_ == kMaxCallDCs) return;
        const std::thread::id self = std::this_thread::get_id();
        bool taken = false;
        {
            std::lock_guard<std::mutex> guard(DcUseLock());
            auto [at, fresh] = DcUsers().try_emplace(dc, DcUser{self, 0});
            taken = !fresh && at->second.thread != self;
            if (!taken) ++at->second.depth;
        }
        if (taken) {
            ReportMisuse(std::string(call) + " on a DC while another thread's call on it is in progress");
            return;
        }
        dcs_[marked_++] = dc;
    }
    static void Clear(const void* dc) {
        std::lock_guard<std::mutex> guard(DcUseLock());
        auto at = DcUsers().find(dc);
        if (at != DcUsers().end() && --at->second.depth == 0) DcUsers().erase(at);
    }

    std::array<const void*, kMaxCallDCs> dcs_{};
    size_t marked_ = 0;
    std::unique_lock<std::recursive_mutex> lock_;
};

DeviceContext* LookupDC(HDC hdc) {
    GdiObject* object = Lookup(hdc);
    if (object == nullptr || (object->kind != ObjectKind::WindowDC && object->kind != ObjectKind::MemoryDC))
        return nullptr;
    return static_cast<DeviceContext*>(object);
}

// The DC a call works with. Windows fails a call on a DC already released or
// deleted, and the saver would then have lost what it meant to do: the order
// in which it lets its resources go is wrong. That is misuse.
DeviceContext* UsableDC(const char* call, HDC hdc) {
    DeviceContext* dc = LookupDC(hdc);
    if (dc == nullptr) ReportMisuse(std::string(call) + " on a DC that is not live (released, deleted or never made)");
    return dc;
}

// Where a DC's pixels live and which part of them it may touch.
struct Target {
    uint32_t* pixels = nullptr;
    int stride = 0;
    int originX = 0, originY = 0;                                  // DC (0,0) in surface coordinates
    int clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;  // surface coordinates, exclusive end
    bool isWindow = false;
};

bool TargetOf(DeviceContext* dc, Target& t) {
    if (dc->kind == ObjectKind::WindowDC) {
        Window* w = dc->window;
        if (w == nullptr || !w->alive) return false;
        Screen& screen = TheScreen();
        t.pixels = screen.pixels.data();
        t.stride = screen.width;
        t.originX = w->x - screen.left;
        t.originY = w->y - screen.top;
        t.clipLeft = std::max(0, t.originX);
        t.clipTop = std::max(0, t.originY);
        t.clipRight = std::min(screen.width, t.originX + w->width);
        t.clipBottom = std::min(screen.height, t.originY + w->height);
        t.isWindow = true;
        return true;
    }
    Bitmap* b = dc->bitmap;
    if (b == nullptr) return false;
    t.pixels = b->pixels.get();
    t.stride = b->width;
    t.clipRight = b->width;
    t.clipBottom = b->height;
    return true;
}

uint32_t Rgb(const RGBQUAD& q) {
    return (uint32_t(q.rgbRed) << 16) | (uint32_t(q.rgbGreen) << 8) | uint32_t(q.rgbBlue);
}

// Colour of palette index i through a DIB's colour table; indices beyond the
// table's used entries read as black rather than outside it.
uint32_t TableColour(const BITMAPINFO* bmi, unsigned index) {
    unsigned used = bmi->bmiHeader.biClrUsed != 0 ? bmi->bmiHeader.biClrUsed : 256u;
    if (index >= used) return 0;
    return Rgb(bmi->bmiColors[index]);
}

// The DIB's colour table as screen pixels, every index resolved once. Like
// its pixels (ReadDibRow), a DIB's colour table belongs to the caller, who
// may be changing it on another thread meanwhile.
std::array<uint32_t, 256> ReadDibColours(const BITMAPINFO* bmi) {
    const posix::detail::UnrecordedReads shared;
    std::array<uint32_t, 256> lookup{};
    for (unsigned k = 0; k < 256; ++k) lookup[k] = TableColour(bmi, k);
    return lookup;
}

// One row of a DIB's indices as screen pixels. The DIB's bits belong to the
// caller, who may draw into them on another thread meanwhile (the saver's
// repaint does, by design, and shows a half-drawn frame at worst); the race
// tooling is told about this function and ReadDibColours (tests/tsan.supp,
// unrecorded_reads.h).
void ReadDibRow(const uint8_t* dibRow, uint32_t* pixels, size_t count, const std::array<uint32_t, 256>& lookup) {
    const posix::detail::UnrecordedReads shared;
    for (size_t i = 0; i < count; ++i) pixels[i] = lookup[dibRow[i]];
}

size_t DibStride(const BITMAPINFOHEADER& h) { return ((size_t(h.biWidth) * h.biBitCount + 31) / 32) * 4; }

bool SupportedDib(const BITMAPINFOHEADER* h) {
    return h != nullptr && h->biBitCount == 8 && h->biCompression == BI_RGB && h->biWidth > 0 && h->biHeight != 0;
}

}  // namespace

HPALETTE WINAPI CreatePalette(const LOGPALETTE* plpal) {
    if (plpal == nullptr || plpal->palNumEntries == 0 || plpal->palVersion != 0x300) return nullptr;
    if (ShouldFail(posix::FailingCall::CreatePalette)) return nullptr;
    Guard guard(GdiLock());
    auto* palette = new Palette();
    palette->entries.assign(plpal->palPalEntry, plpal->palPalEntry + plpal->palNumEntries);
    Track(palette);
    return reinterpret_cast<HPALETTE>(palette);
}

HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE hPal, BOOL) {
    DcCall call("SelectPalette", {hdc});
    DeviceContext* dc = UsableDC("SelectPalette", hdc);
    GdiObject* object = Lookup(hPal);
    if (dc == nullptr || object == nullptr || object->kind != ObjectKind::Palette) return nullptr;
    auto* palette = static_cast<Palette*>(object);
    Palette* previous = dc->palette;
    previous->selections--;
    palette->selections++;
    dc->palette = palette;
    return reinterpret_cast<HPALETTE>(previous);
}

UINT WINAPI RealizePalette(HDC hdc) {
    DcCall call("RealizePalette", {hdc});
    DeviceContext* dc = UsableDC("RealizePalette", hdc);
    if (dc == nullptr) return GDI_ERROR;
    // A true-colour display maps nothing; Windows reports 0 entries changed.
    return 0;
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    DcCall call("CreateCompatibleBitmap", {hdc});
    if (UsableDC("CreateCompatibleBitmap", hdc) == nullptr || cx <= 0 || cy <= 0) return nullptr;
    if (ShouldFail(posix::FailingCall::CreateCompatibleBitmap)) return nullptr;
    auto* bitmap = new Bitmap();
    bitmap->width = cx;
    bitmap->height = cy;
    bitmap->pixels = std::make_unique<uint32_t[]>(size_t(cx) * size_t(cy));  // black
    Track(bitmap);
    return reinterpret_cast<HBITMAP>(bitmap);
}

HBITMAP WINAPI CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* pbmih, DWORD flInit, const void* pjBits,
                              const BITMAPINFO* pbmi, UINT iUsage) {
    DcCall call("CreateDIBitmap", {hdc});
    if (UsableDC("CreateDIBitmap", hdc) == nullptr || !SupportedDib(pbmih)) return nullptr;
    const int width = pbmih->biWidth;
    const int height = std::abs(pbmih->biHeight);
    auto* bitmap = new Bitmap();
    bitmap->width = width;
    bitmap->height = height;
    const bool init = (flInit & CBM_INIT) != 0 && pjBits != nullptr && pbmi != nullptr && iUsage == DIB_RGB_COLORS &&
                      SupportedDib(&pbmi->bmiHeader);
    const size_t count = size_t(width) * size_t(height);
    // new[] without () leaves the pixels unset, as make_unique_for_overwrite
    // would (which the browser build's library lacks).
    bitmap->pixels = init ? std::unique_ptr<uint32_t[]>(new uint32_t[count]) : std::make_unique<uint32_t[]>(count);
    if (init) {
        // A snapshot: the bitmap keeps these colours whatever happens later
        // to the DIB's pixels or colour table.
        const size_t stride = DibStride(pbmi->bmiHeader);
        const bool topDown = pbmi->bmiHeader.biHeight < 0;
        const auto* bits = static_cast<const uint8_t*>(pjBits);
        const std::array<uint32_t, 256> lookup = ReadDibColours(pbmi);
        for (int row = 0; row < height; ++row) {
            const uint8_t* src = bits + size_t(topDown ? row : height - 1 - row) * stride;
            uint32_t* dst = bitmap->pixels.get() + size_t(row) * size_t(width);
            ReadDibRow(src, dst, size_t(width), lookup);
        }
    }
    Track(bitmap);
    return reinterpret_cast<HBITMAP>(bitmap);
}

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    DcCall call("CreateCompatibleDC", {hdc});
    // Without a DC, the new one is compatible with the screen.
    if (hdc != nullptr && UsableDC("CreateCompatibleDC", hdc) == nullptr) return nullptr;
    if (ShouldFail(posix::FailingCall::CreateCompatibleDC)) return nullptr;
    auto* dc = new DeviceContext(ObjectKind::MemoryDC);
    dc->bitmap = StockBitmap();
    dc->palette = StockPalette();
    Track(dc);
    return reinterpret_cast<HDC>(dc);
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
    DcCall call("SelectObject", {hdc});
    DeviceContext* dc = UsableDC("SelectObject", hdc);
    GdiObject* object = Lookup(h);
    if (dc == nullptr || object == nullptr) return nullptr;
    if (object->kind == ObjectKind::Bitmap) {
        if (dc->kind != ObjectKind::MemoryDC) return nullptr;
        auto* bitmap = static_cast<Bitmap*>(object);
        if (bitmap->selections > 0 && !bitmap->stock && dc->bitmap != bitmap) {
            // Windows refuses a bitmap that another DC holds.
            ReportMisuse("SelectObject of a bitmap already selected into another DC");
            return nullptr;
        }
        Bitmap* previous = dc->bitmap;
        previous->selections--;
        bitmap->selections++;
        dc->bitmap = bitmap;
        return previous;
    }
    if (object->kind == ObjectKind::Brush) return object;  // brushes are not used for drawing here
    return nullptr;                                        // palettes go through SelectPalette, as on Windows
}

BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    Guard guard(GdiLock());
    GdiObject* object = Lookup(ho);
    if (object == nullptr) {
        ReportMisuse("DeleteObject of a handle that is not live");
        return FALSE;
    }
    if (object->stock) return TRUE;
    if (object->kind == ObjectKind::Palette && static_cast<Palette*>(object)->selections > 0) {
        ReportMisuse("DeleteObject of a palette still selected into a DC");
        return FALSE;
    }
    if (object->kind == ObjectKind::Bitmap && static_cast<Bitmap*>(object)->selections > 0) {
        ReportMisuse("DeleteObject of a bitmap still selected into a DC");
        return FALSE;
    }
    if (object->kind == ObjectKind::WindowDC || object->kind == ObjectKind::MemoryDC) {
        ReportMisuse("DeleteObject of a DC");
        return FALSE;
    }
    Untrack(object);
    delete object;
    return TRUE;
}

BOOL WINAPI DeleteDC(HDC hdc) {
    DcCall call("DeleteDC", {hdc});
    DeviceContext* dc = LookupDC(hdc);
    if (dc == nullptr || dc->kind != ObjectKind::MemoryDC) {
        ReportMisuse("DeleteDC of a handle that is not a live memory DC");
        return FALSE;
    }
    dc->bitmap->selections--;
    dc->palette->selections--;
    Untrack(dc);
    delete dc;
    return TRUE;
}

HDC WINAPI GetDC(HWND hWnd) {
    Guard guard(GdiLock());
    Window* window = LookupWindow(hWnd);
    if (window == nullptr) return nullptr;
    if (ShouldFail(posix::FailingCall::GetDC)) return nullptr;
    auto* dc = new DeviceContext(ObjectKind::WindowDC);
    dc->window = window;
    dc->palette = StockPalette();
    Track(dc);
    return reinterpret_cast<HDC>(dc);
}

int WINAPI ReleaseDC(HWND, HDC hDC) {
    DcCall call("ReleaseDC", {hDC});
    DeviceContext* dc = LookupDC(hDC);
    if (dc == nullptr || dc->kind != ObjectKind::WindowDC) {
        ReportMisuse("ReleaseDC of a handle that is not a live window DC");
        return 0;
    }
    dc->palette->selections--;
    Untrack(dc);
    delete dc;
    return 1;
}

HGDIOBJ WINAPI GetStockObject(int i) {
    static GdiObject blackBrush(ObjectKind::Brush, true);
    return i == BLACK_BRUSH ? &blackBrush : nullptr;
}

int WINAPI SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc, UINT StartScan,
                             UINT cLines, const void* lpvBits, const BITMAPINFO* lpbmi, UINT ColorUse) {
    DcCall call("SetDIBitsToDevice", {hdc});
    DeviceContext* dc = UsableDC("SetDIBitsToDevice", hdc);
    Target t;
    if (dc == nullptr || lpvBits == nullptr || lpbmi == nullptr || ColorUse != DIB_RGB_COLORS ||
        !SupportedDib(&lpbmi->bmiHeader) || !TargetOf(dc, t))
        return 0;
    const BITMAPINFOHEADER& header = lpbmi->bmiHeader;
    const int64_t dibWidth = header.biWidth;
    const int64_t dibHeight = std::abs(int64_t(header.biHeight));
    const bool topDown = header.biHeight < 0;
    if (cLines == 0 || StartScan >= dibHeight) return 0;
    // Windows counts ySrc and StartScan from the bottom of the picture
    // whatever its row order. The buffer holds the band of scan lines
    // StartScan .. StartScan + lines - 1 in the DIB's own order; bandTop is
    // the band's row (counted from its top) where the source rectangle starts.
    int64_t lines = cLines;
    if (!topDown) lines = std::min(lines, dibHeight - StartScan);
    int64_t bandTop = int64_t(StartScan) + lines - (int64_t(ySrc) + int64_t(h));
    if (bandTop > 0) {
        // Scan lines above the rectangle: a bottom-up band sheds them (and
        // reports fewer lines); a top-down one reports them all, drawn or not.
        if (topDown && bandTop >= lines) return int(lines);
        if (!topDown) {
            if (bandTop >= lines) return 0;
            lines -= bandTop;
            bandTop = 0;
        }
    }
    const int64_t bandRows = topDown ? std::min(lines, dibHeight) : lines;
    // Rows j and columns i of the rectangle inside both the band and the DIB.
    const int64_t firstRow = std::max<int64_t>(0, -bandTop);
    const int64_t endRow = std::min<int64_t>(h, bandRows - bandTop);
    const int64_t firstColumn = std::max<int64_t>(0, -int64_t(xSrc));
    const int64_t endColumn = std::min<int64_t>(w, dibWidth - xSrc);
    if (firstRow >= endRow || firstColumn >= endColumn) return 0;

    const size_t stride = DibStride(header);
    const auto* bits = static_cast<const uint8_t*>(lpvBits);
    const std::array<uint32_t, 256> lookup = ReadDibColours(lpbmi);
    // The same rectangle clipped to the target as well.
    const int64_t left = int64_t(t.originX) + xDest, top = int64_t(t.originY) + yDest;
    const int64_t fromRow = std::max<int64_t>(firstRow, t.clipTop - top);
    const int64_t toRow = std::min<int64_t>(endRow, t.clipBottom - top);
    const int64_t fromColumn = std::max<int64_t>(firstColumn, t.clipLeft - left);
    const int64_t toColumn = std::min<int64_t>(endColumn, t.clipRight - left);
    for (int64_t j = fromRow; j < toRow && fromColumn < toColumn; ++j) {
        const int64_t bandRow = bandTop + j;
        const int64_t stored = topDown ? bandRow : lines - 1 - bandRow;
        const uint8_t* row = bits + size_t(stored) * stride + size_t(int64_t(xSrc) + fromColumn);
        uint32_t* target = t.pixels + size_t(top + j) * size_t(t.stride) + size_t(left + fromColumn);
        ReadDibRow(row, target, size_t(toColumn - fromColumn), lookup);
    }
    if (t.isWindow) {
        NoteChangedArea(int(left + fromColumn), int(top + fromRow), int(left + toColumn), int(top + toRow));
        RecordWindowBlit(xDest, yDest, int(w), int(h));
    }
    return int(lines);
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
    DcCall call("BitBlt", {hdc, hdcSrc});
    DeviceContext* dst = UsableDC("BitBlt", hdc);
    DeviceContext* src = UsableDC("BitBlt", hdcSrc);
    Target d, s;
    if (dst == nullptr || src == nullptr || rop != SRCCOPY || !TargetOf(dst, d) || !TargetOf(src, s)) return FALSE;
    // Columns i of the block whose source and destination both lie inside.
    const int first = std::max({0, s.clipLeft - s.originX - x1, d.clipLeft - d.originX - x});
    const int end = std::min({cx, s.clipRight - s.originX - x1, d.clipRight - d.originX - x});
    for (int j = 0; j < cy && first < end; ++j) {
        const int sy = s.originY + y1 + j;
        const int dy = d.originY + y + j;
        if (sy < s.clipTop || sy >= s.clipBottom || dy < d.clipTop || dy >= d.clipBottom) continue;
        std::copy_n(s.pixels + size_t(sy) * size_t(s.stride) + size_t(s.originX + x1 + first), end - first,
                    d.pixels + size_t(dy) * size_t(d.stride) + size_t(d.originX + x + first));
    }
    if (d.isWindow) {
        const int left = d.originX + x, top = d.originY + y;
        NoteChangedArea(std::max(left, d.clipLeft), std::max(top, d.clipTop), std::min(left + cx, d.clipRight),
                        std::min(top + cy, d.clipBottom));
        RecordWindowBlit(x, y, cx, cy);
    }
    return TRUE;
}

namespace posix {

void HoldGdi() { GdiLock().lock(); }
void ReleaseGdi() { GdiLock().unlock(); }
int GdiWaiters() { return g_gdiWaiters; }

}  // namespace posix
