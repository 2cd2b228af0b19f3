#include "display/pacing.h"

#include <mmsystem.h>

namespace quibac {

namespace {

// Sleeps, or waits on the event for as long; true when the event ended it.
bool Rest(HANDLE event, DWORD milliseconds) {
    if (event != nullptr) {
        const DWORD woke = WaitForSingleObject(event, milliseconds);
        if (woke == WAIT_OBJECT_0) return true;
        if (woke == WAIT_TIMEOUT) return false;
        // An event that cannot be waited on must not turn the wait into a spin.
    }
    Sleep(milliseconds);
    return false;
}

}  // namespace

bool WaitSince(DWORD start, DWORD milliseconds, StopSignal stop) {
    for (;;) {
        const DWORD elapsed = timeGetTime() - start;
        if (elapsed >= milliseconds) return true;
        if (!StillRunning(stop.Running)) return false;
        const DWORD remaining = milliseconds - elapsed;
        // A sleep may overrun by up to a timer period, so sleep all but the
        // last millisecond and then look again; the last millisecond is
        // slept too (never spun away), which costs at most one more period.
        if (Rest(stop.Event, remaining > 1 ? remaining - 1 : 1)) return false;
    }
}

}  // namespace quibac
