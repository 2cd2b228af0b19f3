// Starts the platform's clocks where the command line pins the show, so that
// the live program shows what quibac-render shows for the same date and seed.
#pragma once

#include "launch_options.h"

namespace quibac::linux_sdl {

// Once per run of the saver, after the platform is reset and before the saver
// starts: the date at its noon; the millisecond counters held at the seed
// until the show's thread first sleeps (by then the saver has read them for
// both of its seeds, as it does in the renderer's virtual time), real time
// from then on.
void PinShow(const LaunchOptions& options);

}  // namespace quibac::linux_sdl
