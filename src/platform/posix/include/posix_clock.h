// Test controls of the POSIX platform layer for time: virtual time, the two
// millisecond counters, the local date and the record of sleeps. Nothing in
// the saver's own code includes this header.
#pragma once

#include <cstdint>

namespace posix {

// In virtual time nothing waits: Sleep advances both millisecond counters and
// the local date at once, so a test can run hours of show in seconds. A
// Sleep(0) advances virtual time by 1 ms so that polling loops always progress.
void UseVirtualTime(bool on);
bool VirtualTime();
// Sets the two 32-bit millisecond counters (timeGetTime, GetTickCount), which
// may be started near their wrap.
void SetMillisecondClocks(uint32_t timeGetTimeNow, uint32_t tickCountNow);
// Sets the local date and time that GetLocalTime reports from now on; it moves
// on with the clock (virtual or real).
void SetLocalDateTime(int year, int month, int day, int hour = 12, int minute = 0, int second = 0);
// Advances virtual time without sleeping any thread.
void AdvanceVirtualTime(uint32_t milliseconds);
// Total milliseconds of virtual time since the last reset.
uint64_t VirtualElapsed();
// Number of Sleep calls and their total requested time since the last reset;
// a timed wait on an event that waited its whole timeout counts as a Sleep.
uint64_t SleepCalls();
uint64_t SleptMilliseconds();

}  // namespace posix
