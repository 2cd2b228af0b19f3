// Waiting on the millisecond clock without holding a processor: sleep for all
// but the last millisecond, look at the clock, and sleep out the rest. The clock is the multimedia timer's and
// differences are unsigned 32-bit, so a wrap of the counter ends a wait too.
#pragma once

#include <windows.h>

#include <atomic>

namespace quibac {

// The show thread's run flag: set while the show may go on, cleared by the
// window's thread to stop it. Every wait of the show thread looks at it before
// each sleep, so a stop is noticed within one sleep, not only at a tick's end.
using RunFlag = std::atomic<bool>;

// Returns once timeGetTime() - start (unsigned) is at least `milliseconds`,
// or, short of that, as soon as `running` is found cleared. Returns whether
// the wait ran its full time (always true without a run flag).
bool WaitSince(DWORD start, DWORD milliseconds, const RunFlag* running = nullptr);

inline bool StillRunning(const RunFlag* running) {
    return running == nullptr || running->load(std::memory_order_relaxed);
}

}  // namespace quibac
