// The one rule by which a canvas pixel reaches the frame buffer: it fills the
// block of output pixels that the scaling maps give it.
#pragma once

#include "display/display.h"

#include <cstring>

namespace quibac {

// x in 0..799 and y in 0..599: callers clip. A zero span writes nothing.
inline void CanvasPlot(const Display& display, int32_t x, int32_t y, uint8_t colour) {
    const ScalingMaps& maps = display.Maps;
    const int32_t rowSpan = maps.RowSpan[size_t(y)];
    const int32_t colSpan = maps.ColSpan[size_t(x)];
    if (rowSpan <= 0 || colSpan <= 0) return;
    const size_t stride = size_t(display.Dib.Stride);
    uint8_t* row = display.Dib.FrameBuffer + size_t(maps.RowStart[size_t(y)]) * stride + size_t(maps.ColStart[size_t(x)]);
    if (colSpan == 1) {
        for (int32_t v = 0; v < rowSpan; ++v, row += stride) *row = colour;
        return;
    }
    for (int32_t v = 0; v < rowSpan; ++v, row += stride) std::memset(row, colour, size_t(colSpan));
}

// Row pointer of the frame buffer for output row v.
inline uint8_t* FrameRow(const Display& display, int32_t v) {
    return display.Dib.FrameBuffer + size_t(v) * size_t(display.Dib.Stride);
}

}  // namespace quibac
