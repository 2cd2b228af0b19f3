// The tables that turn a canvas pixel into a block of output pixels, and the
// interlaced order in which a finished picture is revealed.
#pragma once

#include "display/canvas.h"
#include "display/geometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quibac {

// Marks reveal-order entries past the last output row.
constexpr int32_t kRevealSentinel = 32000;
// Rows between successive entries of the interlaced reveal order.
constexpr int32_t kRevealStride = 7;
// Rows copied per reveal step.
constexpr int32_t kRevealRowsPerStep = 3;

struct ScalingMaps {
    std::array<int32_t, kCanvasHeight + 1> RowStart{};
    std::array<int32_t, kCanvasHeight + 1> RowSpan{};
    std::array<int32_t, kCanvasWidth + 1> ColStart{};
    std::array<int32_t, kCanvasWidth + 1> ColSpan{};
    // One entry per output row, padded with sentinels to whole steps of three,
    // so an output of any height fits.
    std::vector<int32_t> RevealOrder;
};

void BuildScalingMaps(ScalingMaps& maps, const OutputGeometry& geometry);

}  // namespace quibac
