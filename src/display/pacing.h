// Waiting on the millisecond clock without holding a processor: sleep for all
// but the last millisecond, look at the clock, and sleep out the rest. The
// clock is the multimedia timer's and differences are unsigned 32-bit, so a
// wrap of the counter ends a wait too.
#pragma once

#include <windows.h>

#include <atomic>

namespace quibac {

// The show thread's run flag: set while the show may go on, cleared by the
// window's thread to stop it.
using RunFlag = std::atomic<bool>;

// What ends the show thread's waits early. The window's thread clears the
// flag and then sets the event, which wakes a wait at once: a closing saver
// does not sit out the rest of a tick. Either may be missing; without the
// event a stop is seen at the next look at the flag, within one sleep.
struct StopSignal {
    const RunFlag* Running = nullptr;
    HANDLE Event = nullptr;  // manual-reset, so every later wait ends at once too
};

// Returns once timeGetTime() - start (unsigned) is at least `milliseconds`,
// or, short of that, as soon as the stop signal is given. Returns whether the
// wait ran its full time (always true without a stop signal).
bool WaitSince(DWORD start, DWORD milliseconds, StopSignal stop = {});

inline bool StillRunning(const RunFlag* running) {
    return running == nullptr || running->load(std::memory_order_relaxed);
}

}  // namespace quibac
