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
// The show's presentation of a rectangle of the FrameBuffer (output pixels):
// the window then shows what the FrameBuffer holds there, as PresentFrame
// would have it, but only the part that differs from what the window already
// shows is read and sent. Called on the show's thread only.
void PresentChanges(Display& display, int32_t x, int32_t y, int32_t width, int32_t height);
// Called by the show's thread at the end of every tick. A platform may hold
// back the last pixels drawn into a window until the next drawing call (Wine
// sends a window's drawing to the X server only on a call at least 50 ms
// after the first one it holds, or when the window's thread waits for
// messages, which the saver's rarely does): the first tick that presents
// nothing after one that did copies one pixel of the window onto itself, so
// that the end of a reveal, or a door's last change, shows.
void SettlePresentation(Display& display);

}  // namespace quibac
