// Waiting on the millisecond clock without holding a processor: sleep for all
// but the last millisecond, look at the clock, and sleep out the rest. The clock is the multimedia timer's and
// differences are unsigned 32-bit, so a wrap of the counter ends a wait too.
#pragma once

#include <windows.h>

namespace quibac {

// Returns once timeGetTime() - start (unsigned) is at least `milliseconds`.
void WaitSince(DWORD start, DWORD milliseconds);

}  // namespace quibac
