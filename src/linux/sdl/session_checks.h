// What a run of the saver must leave behind: nothing. The counts are the
// platform's own, taken before the first run and checked after each.
#pragma once

namespace quibac::linux_sdl {

struct SessionBaseline {
    int gdiObjects = 0;
    int memoryBlocks = 0;
};

SessionBaseline TakeBaseline();
// Prints one line on standard error for anything left over, as
// "quibac: left behind: ..."; returns whether everything was clean.
bool ReportLeftovers(const SessionBaseline& baseline);

}  // namespace quibac::linux_sdl
