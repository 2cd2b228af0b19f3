#include "display/reveal.h"

#include "display/display.h"
#include "display/pacing.h"
#include "display/presentation.h"

#include <mmsystem.h>

namespace quibac {

void RevealFrame(Display& display, int32_t firstRow, int32_t lastRow, int32_t left, int32_t width, bool refresh,
                 StopSignal stop) {
    if (refresh) RefreshMemoryBitmap(display);
    const std::vector<int32_t>& order = display.Maps.RevealOrder;
    const int32_t rows = display.Geometry.OutputHeight;
    for (int32_t k = 0; k < rows; k += kRevealRowsPerStep) {
        const DWORD t0 = timeGetTime();
        for (int32_t i = k; i < k + kRevealRowsPerStep && size_t(i) < order.size(); ++i) {
            const int32_t y = order[size_t(i)];
            if (y >= firstRow && y <= lastRow && y != kRevealSentinel) PresentRect(display, left, y, width, 1);
        }
        if (!WaitSince(t0, kRevealStepMs, stop)) return;
    }
}

}  // namespace quibac
