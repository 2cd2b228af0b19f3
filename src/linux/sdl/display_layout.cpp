#include "display_layout.h"

#include <cstdint>

namespace quibac::linux_sdl {

std::vector<RECT> MonitorsOfDisplays(const std::vector<DisplayBounds>& displays) {
    std::vector<RECT> monitors;
    const DisplayBounds* primary = nullptr;
    for (const DisplayBounds& d : displays) {
        if (d.width <= 0 || d.height <= 0) continue;
        if (primary == nullptr) primary = &d;
        // In 64 bits: displays far apart must not wrap.
        const int64_t left = int64_t(d.x) - primary->x, top = int64_t(d.y) - primary->y;
        if (left < INT32_MIN || top < INT32_MIN || left + d.width > INT32_MAX || top + d.height > INT32_MAX) continue;
        monitors.push_back(RECT{LONG(left), LONG(top), LONG(left + d.width), LONG(top + d.height)});
    }
    return monitors;
}

POINT ScreenPointOf(const RECT& part, int windowWidth, int windowHeight, int x, int y) {
    const int64_t width = int64_t(part.right) - part.left, height = int64_t(part.bottom) - part.top;
    // A window that is not the part's size shows it scaled.
    if (windowWidth > 0 && windowWidth != width) x = int(int64_t(x) * width / windowWidth);
    if (windowHeight > 0 && windowHeight != height) y = int(int64_t(y) * height / windowHeight);
    return POINT{LONG(part.left + x), LONG(part.top + y)};
}

}  // namespace quibac::linux_sdl
