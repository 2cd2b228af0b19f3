// Starts the platform's clocks where a pinned show wants them, so that a live
// program shows what quibac-render shows for the same date and seed.
#pragma once

#include "show_start.h"

#include <cstdint>
#include <optional>

namespace quibac::show_start {

// Once per run of the saver, after the platform is reset and before the saver
// starts, on the thread that will run the saver's window: the date at its
// noon; the millisecond counters held at the seed until another thread (the
// show's) first sleeps (by then the saver has read them for both of its
// seeds, as it does in the renderer's virtual time), real time from then on.
void PinClocks(const std::optional<CalendarDate>& date, const std::optional<uint32_t>& seed);

}  // namespace quibac::show_start
