// GDI object bookkeeping: which handles are live, stock objects, leak counts.
#include "internal.h"

#include <posix_control.h>

#include <cstdio>
#include <atomic>
#include <unordered_set>

namespace posix::detail {

namespace {
std::unordered_set<const void*>& LiveSet() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* live = new std::unordered_set<const void*>();
    return *live;
}
std::atomic<int> g_misuse{0};
}  // namespace

std::recursive_mutex& GdiLock() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* lock = new std::recursive_mutex();
    return *lock;
}

void ReportMisuse(const std::string& what) {
    ++g_misuse;
    std::fprintf(stderr, "[posix platform] misuse: %s\n", what.c_str());
}

void Track(GdiObject* object) { LiveSet().insert(object); }
void Untrack(GdiObject* object) { LiveSet().erase(object); }
bool IsLive(const void* handle) { return handle != nullptr && LiveSet().count(handle) != 0; }

GdiObject* Lookup(const void* handle) {
    if (handle == StockPalette() || handle == StockBitmap()) return static_cast<GdiObject*>(const_cast<void*>(handle));
    if (!IsLive(handle)) return nullptr;
    return static_cast<GdiObject*>(const_cast<void*>(handle));
}

Palette* StockPalette() {
    // The default palette of every DC: the 20 static system colours.
    static Palette* palette = [] {
        auto* p = new Palette(true);
        p->entries.resize(20);
        return p;
    }();
    return palette;
}

Bitmap* StockBitmap() {
    // The 1 x 1 bitmap every memory DC is born with.
    static Bitmap* bitmap = [] {
        auto* b = new Bitmap(true);
        b->width = 1;
        b->height = 1;
        b->pixels = std::make_unique<uint32_t[]>(1);
        return b;
    }();
    return bitmap;
}

void ResetGdi() { g_misuse = 0; }

}  // namespace posix::detail

namespace posix {

int LiveGdiObjects() {
    std::lock_guard<std::recursive_mutex> guard(detail::GdiLock());
    return static_cast<int>(detail::LiveSet().size());
}

int GdiMisuseCount() {
    std::lock_guard<std::recursive_mutex> guard(detail::GdiLock());
    return detail::g_misuse;
}

}  // namespace posix
