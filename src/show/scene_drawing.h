// Drawing canvas bitmaps and sprites into the frame buffer.
#pragma once

#include <cstdint>

namespace quibac {

struct Display;

// Opaque copy of a w x h block with its top-left corner at output pixel
// (x, y); source rows are sourceStride bytes apart (w when packed). Parts
// outside the frame buffer are left out.
void BlitUnscaled(Display& display, int32_t x, int32_t y, int32_t w, int32_t h, const uint8_t* pixels,
                  int32_t sourceStride = 0);
// Plots a w x h canvas-space bitmap at canvas (x, y) through the scaling maps.
void PlotCanvasBitmap(Display& display, const uint8_t* pixels, int32_t x, int32_t y, int32_t w, int32_t h);
// Fills output rows first..first + count - 1 (those inside the frame) with index.
void FillRows(Display& display, int32_t first, int32_t count, uint8_t index);

}  // namespace quibac
