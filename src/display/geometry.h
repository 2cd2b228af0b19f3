// Where the 800 x 600 canvas lands in a window of a given size.
#pragma once

#include <cstdint>

namespace quibac {

// Windows narrower than this run the small-screen variants of the show
// (the control panel's preview).
constexpr int32_t kSmallScreenWidth = 320;

struct OutputGeometry {
    int32_t WindowWidth = 0;
    int32_t WindowHeight = 0;
    bool Stretch = false;     // in effect for this window (forced on for small windows)
    int32_t OutputWidth = 0;  // FrameBuffer size
    int32_t OutputHeight = 0;
    int32_t OriginX = 0;  // window position of output pixel (0, 0)
    int32_t OriginY = 0;
    bool SmallScreen = false;  // narrower than kSmallScreenWidth

    // Bytes from one FrameBuffer row to the next: DIB rows are padded to a
    // multiple of 4 bytes, whatever the width.
    int32_t Stride() const { return (OutputWidth + 3) & ~3; }
};

// The geometry for a window of the given client size and Stretch setting: a
// window smaller than the canvas in either direction is always stretched;
// otherwise a centred canvas keeps its own size, with the odd margin pixel on
// the right or bottom.
OutputGeometry ComputeOutputGeometry(int32_t windowWidth, int32_t windowHeight, bool stretch);

}  // namespace quibac
