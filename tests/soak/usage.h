// The show's use of GDI objects, memory blocks and resident memory, as the
// peak of each day of a long run, and the check that none of them grows.
#pragma once

#include <cstdint>
#include <vector>

namespace quibac::testing {

struct DayUsage {
    int gdiObjects = 0;
    int memoryBlocks = 0;
    long residentKb = 0;
};

class Usage {
public:
    // Takes one sample into the peaks of the given day (0 for the first).
    void Sample(uint64_t day);
    const std::vector<DayUsage>& Peaks() const { return peaks_; }
    // No day's objects or blocks above the first day's; resident memory of
    // the last days within slackKb of the peak of the day that first shows
    // every door (from then on each day draws the same).
    void ExpectNoGrowth(long slackKb) const;

private:
    std::vector<DayUsage> peaks_;
};

// This process's resident memory.
long ResidentKb();

}  // namespace quibac::testing
