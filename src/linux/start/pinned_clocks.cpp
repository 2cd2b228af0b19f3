#include "pinned_clocks.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <thread>

namespace quibac::show_start {

void PinClocks(const std::optional<CalendarDate>& date, const std::optional<uint32_t>& seed) {
    if (date) posix::SetLocalDateTime(date->year, date->month, date->day, kNoon);
    if (!seed) return;
    // Virtual time stands still until something sleeps; the window's thread
    // only waits on its queue, so the first sleep is the show's reveal.
    posix::UseVirtualTime(true);
    posix::SetMillisecondClocks(*seed, *seed);
    const std::thread::id windowThread = std::this_thread::get_id();
    posix::SetSleepHook([windowThread](DWORD) {
        if (std::this_thread::get_id() == windowThread) return;
        posix::UseVirtualTime(false);
        posix::SetSleepHook(nullptr);
    });
}

}  // namespace quibac::show_start
