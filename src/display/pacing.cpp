#include "display/pacing.h"

#include <mmsystem.h>

namespace quibac {

bool WaitSince(DWORD start, DWORD milliseconds, const RunFlag* running) {
    for (;;) {
        const DWORD elapsed = timeGetTime() - start;
        if (elapsed >= milliseconds) return true;
        if (!StillRunning(running)) return false;
        const DWORD remaining = milliseconds - elapsed;
        // A sleep may overrun by up to a timer period, so sleep all but the
        // last millisecond and then look again; the last millisecond is
        // slept too (never spun away), which costs at most one more period.
        Sleep(remaining > 1 ? remaining - 1 : 1);
    }
}

}  // namespace quibac
