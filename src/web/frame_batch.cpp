#include "frame_batch.h"

#include <posix_screen.h>

#include <algorithm>

namespace quibac::web {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

// The screen's 0x00RRGGBB as the canvas's R, G, B, A bytes.
uint32_t CanvasPixel(uint32_t screen) { return kOpaque | (__builtin_bswap32(screen) >> 8); }

}  // namespace

size_t FrameBatch::Take() {
    areas_.clear();
    pixels_.clear();
    const RECT screen = posix::ScreenBounds();
    // The platform keeps each area to the screen.
    for (const RECT& area : posix::TakeChangedAreas()) {
        if (area.right <= area.left || area.bottom <= area.top) continue;
        const int width = area.right - area.left, height = area.bottom - area.top;
        const size_t at = pixels_.size();
        pixels_.resize(at + size_t(width) * size_t(height));
        posix::CopyScreenArea(area, pixels_.data() + at, width * int(sizeof(uint32_t)));
        std::transform(pixels_.begin() + std::ptrdiff_t(at), pixels_.end(), pixels_.begin() + std::ptrdiff_t(at),
                       CanvasPixel);
        areas_.insert(areas_.end(), {area.left - screen.left, area.top - screen.top, width, height});
    }
    return AreaCount();
}

}  // namespace quibac::web
