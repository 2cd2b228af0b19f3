// Drawing into the frame buffer. Four functions put pixels there, and their
// names are easily mixed up:
//
//   FlicPlot          a decoded pixel at frame (= canvas) coordinates; scaled; clipped to the canvas; captured
//   CanvasPlot        a pixel at canvas coordinates; scaled; not clipped (callers clip); not captured
//   PlotCanvasBitmap  a bitmap at canvas coordinates, via CanvasPlot; scaled; clipped to the canvas; not captured
//   BlitUnscaled      a bitmap at output coordinates; not scaled; clipped to the frame buffer; not captured
//
// FlicPlot is the player's (flic/flic_decoders.h): it also writes into the
// capture rows of the player's target.
#pragma once

#include "display/scaling_maps.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quibac {

// The frame buffer as drawing sees it: rows of output pixels and the maps
// that scale the canvas onto them. It holds no DC and owns nothing.
struct FrameView {
    uint8_t* FrameBuffer = nullptr;  // top-down rows, Stride bytes apart; null: nothing to draw into
    int32_t Stride = 0;
    int32_t Width = 0;  // output pixels
    int32_t Height = 0;
    const ScalingMaps* Maps = nullptr;
};

// Row pointer of the frame buffer for output row v.
inline uint8_t* FrameRow(const FrameView& frame, int32_t v) {
    return frame.FrameBuffer + size_t(v) * size_t(frame.Stride);
}

// The one rule by which a canvas pixel reaches the frame buffer: it fills the
// block of output pixels that the scaling maps give it. x in 0..799 and y in
// 0..599: callers clip. A zero span writes nothing.
inline void CanvasPlot(const FrameView& frame, int32_t x, int32_t y, uint8_t colour) {
    const ScalingMaps& maps = *frame.Maps;
    const int32_t rowSpan = maps.RowSpan[size_t(y)];
    const int32_t colSpan = maps.ColSpan[size_t(x)];
    if (rowSpan <= 0 || colSpan <= 0) return;
    const size_t stride = size_t(frame.Stride);
    uint8_t* row = FrameRow(frame, maps.RowStart[size_t(y)]) + size_t(maps.ColStart[size_t(x)]);
    if (colSpan == 1) {
        for (int32_t v = 0; v < rowSpan; ++v, row += stride) *row = colour;
        return;
    }
    for (int32_t v = 0; v < rowSpan; ++v, row += stride) std::memset(row, colour, size_t(colSpan));
}

// Plots a w x h canvas-space bitmap (rows packed at w) at canvas (x, y)
// through the scaling maps. Parts outside the canvas are left out.
void PlotCanvasBitmap(const FrameView& frame, const uint8_t* pixels, int32_t x, int32_t y, int32_t w, int32_t h);
// Opaque copy of a w x h block with its top-left corner at output pixel
// (x, y); source rows are sourceStride bytes apart (w when packed). Parts
// outside the frame buffer are left out.
void BlitUnscaled(const FrameView& frame, int32_t x, int32_t y, int32_t w, int32_t h, const uint8_t* pixels,
                  int32_t sourceStride = 0);
// Fills output rows first..first + count - 1 (those inside the frame) with index.
void FillRows(const FrameView& frame, int32_t first, int32_t count, uint8_t index);

}  // namespace quibac
