#include "display/pacing.h"

#include <mmsystem.h>

namespace quibac {

void WaitSince(DWORD start, DWORD milliseconds) {
    for (;;) {
        const DWORD elapsed = timeGetTime() - start;
        if (elapsed >= milliseconds) return;
        const DWORD remaining = milliseconds - elapsed;
        // A sleep may overrun by up to a timer period; keep the last
        // millisecond for polling so the wait ends on time.
        Sleep(remaining > 1 ? remaining - 1 : 0);
    }
}

}  // namespace quibac
