// The ways a picture in the frame buffer reaches the window.
#pragma once

#include <cstdint>

namespace quibac {

struct Display;

// Renews MemoryBitmap from the FrameBuffer as it is now.
void RefreshMemoryBitmap(Display& display);
// Shows the whole FrameBuffer with its top-left pixel at (OriginX, OriginY),
// read directly from the frame buffer.
void PresentFrame(Display& display);
// Copies a rectangle of MemoryBitmap (output pixels) to the same place in the
// window: what the bitmap held at its last refresh.
void PresentRect(Display& display, int32_t x, int32_t y, int32_t width, int32_t height);

}  // namespace quibac
