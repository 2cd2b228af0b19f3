// The screen surface that windows draw into, and the reset of the whole
// platform.
#include "internal.h"

#include <posix_control.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

using namespace posix::detail;

namespace {
using Guard = std::lock_guard<std::recursive_mutex>;

// What the screen tells about its changes; guarded by the GDI lock.
struct ChangeRecord {
    std::vector<posix::BlitRecord> blits;
    bool keepBlits = true;
    uint64_t changes = 0;
    posix::ScreenChangeHook hook;
    // What was drawn since last taken, as drawn, up to kChangedAreasKept
    // areas; past that they are gathered into one around them all (a reveal
    // draws its rows by the hundred), and listing starts again after it.
    std::vector<RECT> changed;
};

constexpr size_t kChangedAreasKept = 128;

ChangeRecord& Changes() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* record = new ChangeRecord();
    return *record;
}

std::vector<posix::BlitRecord>& Blits() { return Changes().blits; }

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// The whole surface counts as changed once its size or contents are made anew.
void ChangeAll() {
    const posix::detail::Screen& s = posix::detail::TheScreen();
    Changes().changed.assign(1, RECT{0, 0, s.width, s.height});
}

RECT Bounds(const std::vector<RECT>& areas) {
    if (areas.empty()) return RECT{};
    RECT all = areas.front();
    for (const RECT& r : areas)
        all = RECT{std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
                   std::max(all.bottom, r.bottom)};
    return all;
}

bool Holds(const RECT& outer, const RECT& inner) {
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}
}  // namespace

namespace posix::detail {

Screen& TheScreen() {
    static auto* screen = new Screen();
    return *screen;
}

void RecordWindowBlit(int x, int y, int width, int height) {
    ChangeRecord& record = Changes();
    if (record.keepBlits) {
        // Nobody takes the record while the saver runs on its own for days,
        // so it must not grow without end: when full, its older half goes.
        std::vector<posix::BlitRecord>& blits = record.blits;
        if (blits.size() >= posix::kBlitRecordLimit)
            blits.erase(blits.begin(), blits.begin() + std::ptrdiff_t(posix::kBlitRecordLimit / 2));
        blits.push_back({x, y, width, height});
    }
    ++record.changes;
    if (record.hook) record.hook();
}

void NoteChangedArea(int left, int top, int right, int bottom) {
    Guard guard(GdiLock());
    const Screen& s = TheScreen();
    const RECT area{std::max(left, 0), std::max(top, 0), std::min(right, s.width), std::min(bottom, s.height)};
    if (IsEmpty(area)) return;
    std::vector<RECT>& changed = Changes().changed;
    for (const RECT& r : changed)
        if (Holds(r, area)) return;
    changed.push_back(area);
    if (changed.size() > kChangedAreasKept) changed.assign(1, Bounds(changed));
}

void ResizedScreen() { ChangeAll(); }

}  // namespace posix::detail

namespace posix {

int ScreenWidth() { return TheScreen().width; }
int ScreenHeight() { return TheScreen().height; }

RECT ScreenBounds() {
    Guard guard(GdiLock());
    const Screen& s = TheScreen();
    return RECT{s.left, s.top, s.left + s.width, s.top + s.height};
}

uint32_t ScreenPixel(int x, int y) {
    Guard guard(GdiLock());
    Screen& s = TheScreen();
    x -= s.left;
    y -= s.top;
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return 0;
    return s.pixels[size_t(y) * size_t(s.width) + size_t(x)];
}

void FillScreen(uint32_t rgb) {
    Guard guard(GdiLock());
    std::fill(TheScreen().pixels.begin(), TheScreen().pixels.end(), rgb);
    ChangeAll();
}

std::vector<uint32_t> ScreenPixels(int x, int y, int width, int height) {
    const int64_t w = std::max(width, 0), h = std::max(height, 0);
    std::vector<uint32_t> out(size_t(w * h), 0);  // what lies off the screen reads as black
    // One lock for the whole copy, so the pixels are one moment's screen and
    // a full-screen copy costs a copy, not a lock per pixel.
    Guard guard(GdiLock());
    const Screen& s = TheScreen();
    // From here on in surface pixels.
    x -= s.left;
    y -= s.top;
    const int64_t left = std::max<int64_t>(x, 0), right = std::min<int64_t>(int64_t(x) + w, s.width);
    const int64_t top = std::max<int64_t>(y, 0), bottom = std::min<int64_t>(int64_t(y) + h, s.height);
    for (int64_t row = top; row < bottom && left < right; ++row) {
        const auto from = s.pixels.begin() + ptrdiff_t(row * s.width + left);
        std::copy(from, from + ptrdiff_t(right - left), out.begin() + ptrdiff_t((row - y) * w + (left - x)));
    }
    return out;
}

std::vector<BlitRecord> TakeWindowBlits() {
    Guard guard(GdiLock());
    std::vector<BlitRecord> out;
    out.swap(Blits());
    return out;
}

uint64_t ScreenChanges() {
    Guard guard(GdiLock());
    return Changes().changes;
}

void SetScreenChangeHook(ScreenChangeHook hook) {
    Guard guard(GdiLock());
    Changes().hook = std::move(hook);
}

void CopyScreen(void* destination, int destinationPitch) {
    Guard guard(GdiLock());
    CopyScreenArea(ScreenBounds(), destination, destinationPitch);
}

RECT TakeChangedArea() { return Bounds(TakeChangedAreas()); }

std::vector<RECT> TakeChangedAreas() {
    Guard guard(GdiLock());
    std::vector<RECT> areas;
    areas.swap(Changes().changed);
    // Kept in surface pixels, given in screen coordinates.
    const Screen& s = TheScreen();
    for (RECT& r : areas) r = RECT{r.left + s.left, r.top + s.top, r.right + s.left, r.bottom + s.top};
    return areas;
}

void CopyScreenArea(const RECT& area, void* destination, int destinationPitch) {
    if (destination == nullptr) return;
    Guard guard(GdiLock());
    const Screen& s = TheScreen();
    // The area in surface pixels, in 64 bits: a far-off area must not wrap.
    const int64_t areaLeft = int64_t(area.left) - s.left, areaTop = int64_t(area.top) - s.top;
    const int64_t left = std::max<int64_t>(areaLeft, 0),
                  right = std::min<int64_t>(int64_t(area.right) - s.left, s.width);
    const int64_t top = std::max<int64_t>(areaTop, 0),
                  bottom = std::min<int64_t>(int64_t(area.bottom) - s.top, s.height);
    if (left >= right) return;
    // Parts of the area off the surface are left as they were; the rest lands
    // where it lies relative to the area's corner.
    auto* out = static_cast<uint8_t*>(destination) + ptrdiff_t(left - areaLeft) * ptrdiff_t(sizeof(uint32_t));
    for (int64_t y = top; y < bottom; ++y)
        std::memcpy(out + ptrdiff_t(y - areaTop) * destinationPitch,
                    s.pixels.data() + size_t(y) * size_t(s.width) + size_t(left),
                    size_t(right - left) * sizeof(uint32_t));
}

void KeepWindowBlits(bool keep) {
    Guard guard(GdiLock());
    Changes().keepBlits = keep;
    if (!keep) Changes().blits.clear();
}

void ResetPlatform(int screenWidth, int screenHeight) {
    {
        Guard guard(GdiLock());
        Screen& s = TheScreen();
        s.left = s.top = 0;
        s.width = screenWidth;
        s.height = screenHeight;
        s.pixels.assign(size_t(screenWidth) * size_t(screenHeight), 0);
        ResetWindows();
        Changes().blits.clear();
        Changes().keepBlits = true;
        Changes().hook = nullptr;
        ChangeAll();
        ResetGdi();
    }
    ResetClocks();
    ResetDebugOutput();
    ResetFailures();
    ResetMonitors();
    // Outside GdiLock: the message lock is never taken under it.
    ResetWindowClasses();
    ResetMessages();
    ResetInput();
    ResetSystem();
    ResetProcess();
    ResetThreadStartHook();
    ResetRegistry();
    ResetLibraries();
}

}  // namespace posix
