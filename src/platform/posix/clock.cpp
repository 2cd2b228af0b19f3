// The millisecond counters, Sleep and the local date, in real or virtual time.
// Sleep and the counters are cancellation points, where a thread that
// TerminateThread has cancelled ends.
#include "internal.h"

#include <mmsystem.h>
#include <posix_control.h>
#include <posix_windows.h>

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <mutex>
#include <thread>

namespace {

struct ClockState {
    std::atomic<bool> virtualMode{false};
    std::atomic<uint64_t> virtualMs{0};
    std::atomic<uint32_t> timeGetTimeBase{0};
    std::atomic<uint32_t> tickCountBase{0};
    std::chrono::steady_clock::time_point realStart = std::chrono::steady_clock::now();
    // Local date as seconds in a calendar without time zones (read through
    // gmtime), so no daylight-saving shift can move a test's date.
    std::atomic<bool> dateSet{false};
    std::atomic<int64_t> dateBase{0};
    std::atomic<uint64_t> dateSetAtMs{0};
    std::atomic<uint64_t> sleepCalls{0};
    std::atomic<uint64_t> sleptMs{0};
    std::mutex hookLock;
    posix::SleepHook sleepHook;
};

ClockState& Clock() {
    static auto* clock = new ClockState();
    return *clock;
}

uint64_t ElapsedMs() {
    ClockState& c = Clock();
    if (c.virtualMode) return c.virtualMs;
    return uint64_t(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - c.realStart).count());
}

}  // namespace

namespace posix::detail {
void ResetClocks() {
    ClockState& c = Clock();
    c.virtualMode = false;
    c.virtualMs = 0;
    c.realStart = std::chrono::steady_clock::now();
    c.timeGetTimeBase = 0;
    c.tickCountBase = 0;
    c.dateSet = false;
    c.sleepCalls = 0;
    c.sleptMs = 0;
    std::lock_guard<std::mutex> guard(c.hookLock);
    c.sleepHook = nullptr;
}

// Not a cancellation point: messages are stamped under the layer's locks.
DWORD MessageTime() { return Clock().tickCountBase + uint32_t(ElapsedMs()); }
}  // namespace posix::detail

DWORD WINAPI timeGetTime(void) {
    pthread_testcancel();
    return Clock().timeGetTimeBase + uint32_t(ElapsedMs());
}

DWORD WINAPI GetTickCount(void) {
    pthread_testcancel();
    return posix::detail::MessageTime();
}

MMRESULT WINAPI timeBeginPeriod(UINT) { return TIMERR_NOERROR; }
MMRESULT WINAPI timeEndPeriod(UINT) { return TIMERR_NOERROR; }

namespace posix::detail {

void RunSleepHook(DWORD milliseconds) {
    ClockState& c = Clock();
    posix::SleepHook hook;
    {
        std::lock_guard<std::mutex> guard(c.hookLock);
        hook = c.sleepHook;
    }
    // The hook runs with no lock held: it may block until cancelled.
    if (hook) hook(milliseconds);
}

void CountSleep(DWORD milliseconds) {
    ClockState& c = Clock();
    c.sleepCalls++;
    c.sleptMs += milliseconds;
    if (c.virtualMode) c.virtualMs += milliseconds == 0 ? 1 : milliseconds;
}

}  // namespace posix::detail

void WINAPI Sleep(DWORD dwMilliseconds) {
    pthread_testcancel();
    posix::detail::RunSleepHook(dwMilliseconds);
    posix::detail::CountSleep(dwMilliseconds);
    if (Clock().virtualMode) return;
    if (dwMilliseconds == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
    pthread_testcancel();
}

void WINAPI GetLocalTime(LPSYSTEMTIME st) {
    if (st == nullptr) return;
    ClockState& c = Clock();
    std::tm parts{};
    if (c.dateSet) {
        const std::time_t seconds = std::time_t(c.dateBase + int64_t((ElapsedMs() - c.dateSetAtMs) / 1000));
        gmtime_r(&seconds, &parts);
    } else {
        const std::time_t now = std::time(nullptr);
        localtime_r(&now, &parts);
    }
    st->wYear = WORD(parts.tm_year + 1900);
    st->wMonth = WORD(parts.tm_mon + 1);
    st->wDayOfWeek = WORD(parts.tm_wday);
    st->wDay = WORD(parts.tm_mday);
    st->wHour = WORD(parts.tm_hour);
    st->wMinute = WORD(parts.tm_min);
    st->wSecond = WORD(parts.tm_sec);
    st->wMilliseconds = 0;
}

namespace posix {

void UseVirtualTime(bool on) {
    ClockState& c = Clock();
    if (on == c.virtualMode) return;
    // Keep both counters continuous across the switch. The clock the mode
    // names is set first: another thread may read the counters meanwhile.
    const uint64_t now = ElapsedMs();
    if (on)
        c.virtualMs = now;
    else
        c.realStart = std::chrono::steady_clock::now() - std::chrono::milliseconds(now);
    c.virtualMode = on;
}

bool VirtualTime() { return Clock().virtualMode; }

void SetMillisecondClocks(uint32_t timeGetTimeNow, uint32_t tickCountNow) {
    ClockState& c = Clock();
    const uint32_t elapsed = uint32_t(ElapsedMs());
    c.timeGetTimeBase = timeGetTimeNow - elapsed;
    c.tickCountBase = tickCountNow - elapsed;
}

void SetLocalDateTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm parts{};
    parts.tm_year = year - 1900;
    parts.tm_mon = month - 1;
    parts.tm_mday = day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    ClockState& c = Clock();
    c.dateBase = int64_t(timegm(&parts));
    c.dateSetAtMs = ElapsedMs();
    c.dateSet = true;
}

void AdvanceVirtualTime(uint32_t milliseconds) { Clock().virtualMs += milliseconds; }
uint64_t VirtualElapsed() { return Clock().virtualMs; }
uint64_t SleepCalls() { return Clock().sleepCalls; }
uint64_t SleptMilliseconds() { return Clock().sleptMs; }

void SetSleepHook(SleepHook hook) {
    std::lock_guard<std::mutex> guard(Clock().hookLock);
    Clock().sleepHook = std::move(hook);
}

}  // namespace posix
