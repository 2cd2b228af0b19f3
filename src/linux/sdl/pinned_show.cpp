#include "pinned_show.h"

#include "pinned_clocks.h"

namespace quibac::linux_sdl {

void PinShow(const LaunchOptions& options) { show_start::PinClocks(options.date, options.seed); }

}  // namespace quibac::linux_sdl
