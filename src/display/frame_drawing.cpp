#include "display/frame_drawing.h"

#include <algorithm>
#include <cstring>

namespace quibac {

void BlitUnscaled(const FrameView& frame, int32_t x, int32_t y, int32_t w, int32_t h, const uint8_t* pixels,
                  int32_t sourceStride) {
    const size_t stride = size_t(sourceStride > 0 ? sourceStride : w);
    const int32_t left = std::max(x, 0);
    const int32_t right = std::min(x + w, frame.Width);
    if (left >= right) return;
    for (int32_t i = std::max(0, -y); i < h && y + i < frame.Height; ++i)
        std::memcpy(FrameRow(frame, y + i) + left, pixels + size_t(i) * stride + size_t(left - x),
                    size_t(right - left));
}

void PlotCanvasBitmap(const FrameView& frame, const uint8_t* pixels, int32_t x, int32_t y, int32_t w, int32_t h) {
    for (int32_t j = 0; j < h; ++j) {
        const int32_t cy = y + j;
        if (cy < 0 || cy >= kCanvasHeight) continue;
        for (int32_t i = 0; i < w; ++i) {
            const int32_t cx = x + i;
            if (cx < 0 || cx >= kCanvasWidth) continue;
            CanvasPlot(frame, cx, cy, pixels[size_t(j) * size_t(w) + size_t(i)]);
        }
    }
}

void FillRows(const FrameView& frame, int32_t first, int32_t count, uint8_t index) {
    const int32_t begin = std::max(first, 0);
    const int32_t end = std::min(first + count, frame.Height);
    for (int32_t v = begin; v < end; ++v) std::memset(FrameRow(frame, v), index, size_t(frame.Width));
}

}  // namespace quibac
