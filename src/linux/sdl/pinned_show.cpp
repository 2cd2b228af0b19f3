#include "pinned_show.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <thread>

namespace quibac::linux_sdl {

void PinShow(const LaunchOptions& options) {
    if (options.date)
        posix::SetLocalDateTime(options.date->year, options.date->month, options.date->day, show_start::kNoon);
    if (!options.seed) return;
    // Virtual time stands still until something sleeps; the window's thread
    // only waits on its queue, so the first sleep is the show's reveal.
    posix::UseVirtualTime(true);
    posix::SetMillisecondClocks(*options.seed, *options.seed);
    const std::thread::id windowThread = std::this_thread::get_id();
    posix::SetSleepHook([windowThread](DWORD) {
        if (std::this_thread::get_id() == windowThread) return;
        posix::UseVirtualTime(false);
        posix::SetSleepHook(nullptr);
    });
}

}  // namespace quibac::linux_sdl
