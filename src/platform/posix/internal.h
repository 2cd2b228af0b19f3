// Shared internals of the POSIX platform layer: the GDI object model and the
// window registry. Not visible to the saver's code.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace posix::detail {

// One lock for all GDI and window state: the show thread draws while the
// window thread may present, exactly as on Windows, and the layer must not
// itself tear its own bookkeeping.
std::recursive_mutex& GdiLock();

void ReportMisuse(const std::string& what);

enum class ObjectKind { Palette, Bitmap, Brush, WindowDC, MemoryDC };

struct GdiObject {
    explicit GdiObject(ObjectKind k, bool isStock = false) : kind(k), stock(isStock) {}
    virtual ~GdiObject() = default;
    ObjectKind kind;
    bool stock;
};

struct Palette : GdiObject {
    explicit Palette(bool isStock = false) : GdiObject(ObjectKind::Palette, isStock) {}
    std::vector<PALETTEENTRY> entries;
    int selections = 0;  // DCs that hold it
};

struct Bitmap : GdiObject {
    explicit Bitmap(bool isStock = false) : GdiObject(ObjectKind::Bitmap, isStock) {}
    int width = 0;
    int height = 0;
    // 0x00RRGGBB, top row first. Not a vector: a bitmap about to be filled
    // from a DIB is not zeroed first, which halves the cost of a refresh.
    std::unique_ptr<uint32_t[]> pixels;
    int selections = 0;
};

struct Window {
    int x = 0, y = 0, width = 0, height = 0;  // client area on the screen
    bool alive = true;
};

struct DeviceContext : GdiObject {
    explicit DeviceContext(ObjectKind k) : GdiObject(k) {}
    Window* window = nullptr;  // window DCs
    Bitmap* bitmap = nullptr;  // memory DCs: the selected bitmap
    Palette* palette = nullptr;
};

// Registration of live objects: every handle the layer hands out is checked
// against these before use, so a stale or foreign handle fails as on Windows
// instead of crashing the test.
void Track(GdiObject* object);
void Untrack(GdiObject* object);
bool IsLive(const void* handle);
GdiObject* Lookup(const void* handle);

Palette* StockPalette();
Bitmap* StockBitmap();

bool IsLiveWindow(HWND hwnd);
Window* LookupWindow(HWND hwnd);

// The screen surface, guarded by GdiLock().
struct Screen {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};
Screen& TheScreen();
void RecordWindowBlit(int x, int y, int width, int height);
void ResetGdi();
void ResetWindows();
void ResetClocks();
void ResetDebugOutput();

}  // namespace posix::detail
