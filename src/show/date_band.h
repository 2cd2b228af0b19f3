// The dates header as the dates animation left it: canvas rows 0..127, one
// palette index a pixel, captured while the animation is pre-rolled and drawn
// over every door picture.
#pragma once

#include "display/canvas.h"
#include "show/calendar.h"

#include <array>
#include <cstdint>

namespace quibac {

struct DateBand {
    std::array<uint8_t, size_t(kCanvasWidth) * kBandRows> Pixels{};  // pixel (x, y) at y * 800 + x
    // While on, the player is aimed at Pixels: every decoded pixel of canvas
    // rows 0..127 is also written there.
    bool BandCapture = false;

    uint8_t At(int32_t x, int32_t y) const { return Pixels[size_t(y) * kCanvasWidth + size_t(x)]; }
    // Its first pixel is the background, which the overlay leaves transparent.
    uint8_t Background() const { return Pixels[0]; }
};

}  // namespace quibac
