// What the window shows of the frame buffer, so that the show presents only
// the pixels that differ from it. Presenting is what a running saver costs
// most at large sizes: a door scene changes a few candles a tick, a walk the
// walker's own columns, a wink the eyes, while a whole frame at 1920 x 1080 is
// two million pixels to convert and send to the screen eight times a second.
#pragma once

#include "display/frame_drawing.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <vector>

namespace quibac {

// Columns [Left, Right) of one row; empty when Left >= Right.
struct ColumnSpan {
    int32_t Left = 0, Right = 0;
};

// A copy of the frame buffer as it was when its pixels were presented, and,
// row by row, the columns where that copy is known to be what the window
// shows. Only the show's thread reads and writes it; the window's thread only
// raises Repainted, after it has presented the whole frame itself.
struct ShownPicture {
    int32_t Width = 0, Height = 0;  // output pixels; 0 until first used
    std::vector<uint8_t> Pixels;    // rows packed at Width
    std::vector<ColumnSpan> Known;  // one per row
    std::atomic<bool> Repainted{false};
    // Whether the show's thread has sent pixels to the window in the tick in
    // progress, and in an earlier tick with no quiet tick since.
    bool SentThisTick = false, Unsettled = false;
};

// Changes are often scattered (two candles, falling snow), so they are
// gathered band by band of this many output rows: one rectangle a band, and
// a band below one of the same columns joins it.
constexpr int32_t kShownBandRows = 8;

// The areas of the frame (output pixels, clipped to it) within the rectangle
// x, y, width, height whose pixels the window may not show yet (everything
// not known, and the known pixels that differ), top to bottom; none when
// there is nothing to present. Sizes the record for the frame on first use.
std::vector<RECT> UnshownAreas(ShownPicture& shown, const FrameView& frame, int32_t x, int32_t y, int32_t width,
                               int32_t height);
// The window now shows the frame buffer's pixels in area.
void NoteShown(ShownPicture& shown, const FrameView& frame, const RECT& area);
// Rows top .. top + rows - 1 of the window may show anything now (their
// pixels came from elsewhere, or mean other colours now).
void ForgetShown(ShownPicture& shown, int32_t top, int32_t rows);
// Frees the copy; the record starts again at its first use.
void ReleaseShown(ShownPicture& shown);

}  // namespace quibac
