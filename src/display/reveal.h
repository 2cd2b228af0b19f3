// Bringing a finished picture onto the window a few rows at a time, in the
// interlaced order of the scaling maps.
#pragma once

#include "display/pacing.h"

#include <cstdint>

namespace quibac {

struct Display;

// Each step copies three rows of the reveal order and lasts at least this long.
constexpr uint32_t kRevealStepMs = 2;

// Copies the rows of MemoryBitmap in RevealOrder that lie in firstRow..lastRow
// (inclusive), columns left..left + width - 1, to the window. With refresh
// set, MemoryBitmap is renewed from the FrameBuffer first. A stop ends the
// reveal in the step in progress, without waiting it out: the window is going
// away.
void RevealFrame(Display& display, int32_t firstRow, int32_t lastRow, int32_t left, int32_t width, bool refresh,
                 StopSignal stop = {});

}  // namespace quibac
