// The screen the page asks the saver for: its canvas in device pixels, cut
// down to what the saver can be given.
#pragma once

#include <cstdint>

namespace quibac::web {

// Larger canvases are drawn at fewer pixels and scaled up by the page: the
// saver's screen, frame buffer and memory bitmap grow with the picture, and
// a browser gives a page only so much memory.
constexpr int kMaxScreenSide = 7680;
constexpr int64_t kMaxScreenPixels = int64_t(3840) * 2160;

struct ScreenRequest {
    int width = 0;
    int height = 0;
    bool stretch = false;
    bool operator==(const ScreenRequest&) const = default;
};

// The request within the limits, its shape kept; a width or height of zero
// when it names no screen at all (nothing, or less than nothing, across).
ScreenRequest FitScreen(const ScreenRequest& wanted);

}  // namespace quibac::web
