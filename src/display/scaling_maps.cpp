#include "display/scaling_maps.h"

namespace quibac {

void BuildScalingMaps(ScalingMaps& maps, const OutputGeometry& geometry) {
    const int64_t width = geometry.OutputWidth;
    const int64_t height = geometry.OutputHeight;
    for (int32_t y = 0; y <= kCanvasHeight; ++y) maps.RowStart[y] = int32_t(y * height / kCanvasHeight);
    for (int32_t x = 0; x <= kCanvasWidth; ++x) maps.ColStart[x] = int32_t(x * width / kCanvasWidth);
    for (int32_t y = 0; y < kCanvasHeight; ++y) maps.RowSpan[y] = maps.RowStart[y + 1] - maps.RowStart[y];
    for (int32_t x = 0; x < kCanvasWidth; ++x) maps.ColSpan[x] = maps.ColStart[x + 1] - maps.ColStart[x];

    const int32_t rows = geometry.OutputHeight > 0 ? geometry.OutputHeight : 0;
    const int32_t padded = (rows + kRevealRowsPerStep - 1) / kRevealRowsPerStep * kRevealRowsPerStep;
    maps.RevealOrder.assign(std::size_t(padded), kRevealSentinel);
    // Where the stride divides the height, stride steps alone come back to
    // row 0 after rows / stride entries and would reveal only every seventh
    // row (1050 rows stretched: the advert stayed six-sevenths black for its
    // whole scene). Each such pass starts one row lower, so every row is
    // still copied exactly once; other heights keep the plain stride order.
    const int32_t period = rows % kRevealStride == 0 ? rows / kRevealStride : rows;
    for (int32_t i = 0; i < rows; ++i) {
        const int64_t strided = int64_t(kRevealStride) * i + i / period;
        maps.RevealOrder[std::size_t(i)] = geometry.SmallScreen ? i : int32_t(strided % rows);
    }
}

}  // namespace quibac
