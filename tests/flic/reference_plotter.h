// The one-pixel-at-a-time rule, for checking the run paths against: FlicPlot
// applied to every pixel of a canvas picture, one call each.
#pragma once

#include "display/canvas.h"
#include "flic/flic_decoders.h"

#include <cstdint>
#include <vector>

namespace quibac::testing {

// Plots an 800 x 600 picture (top row first) through the player's target. A
// frame whose every canvas pixel the animation has drawn at least once holds
// exactly this, whatever runs drew it.
inline void PlotPictureByPixel(FlicPlayer& player, const std::vector<uint8_t>& picture) {
    for (int32_t y = 0; y < kCanvasHeight; ++y)
        for (int32_t x = 0; x < kCanvasWidth; ++x)
            FlicPlot(player, x, y, picture[size_t(y) * kCanvasWidth + size_t(x)]);
}

}  // namespace quibac::testing
