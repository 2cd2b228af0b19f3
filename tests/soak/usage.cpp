#include "soak/usage.h"

#include <posix_control.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace quibac::testing {

namespace {
// December 25th, counted from December 1st: the first day with every door open.
constexpr size_t kEveryDoorDay = 24;
}  // namespace

long ResidentKb() {
    long pages = 0, resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) return 0;
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void Usage::Sample(uint64_t day) {
    if (peaks_.size() <= day) peaks_.resize(size_t(day) + 1);
    DayUsage& peak = peaks_[size_t(day)];
    peak.gdiObjects = std::max(peak.gdiObjects, posix::LiveGdiObjects());
    peak.memoryBlocks = std::max(peak.memoryBlocks, posix::LiveMemoryBlocks());
    peak.residentKb = std::max(peak.residentKb, ResidentKb());
}

void Usage::ExpectNoGrowth(long slackKb) const {
    ASSERT_GT(peaks_.size(), kEveryDoorDay + 1) << "the run ended before the last days";
    for (size_t day = 0; day < peaks_.size(); ++day) {
        const DayUsage& p = peaks_[day];
        std::printf("day %2zu: %d GDI objects, %d memory blocks, %ld KB resident\n", day + 1, p.gdiObjects,
                    p.memoryBlocks, p.residentKb);
        EXPECT_LE(p.gdiObjects, peaks_[0].gdiObjects) << "GDI objects on day " << day + 1;
        EXPECT_LE(p.memoryBlocks, peaks_[0].memoryBlocks) << "memory blocks on day " << day + 1;
        if (day > kEveryDoorDay) {
            EXPECT_LE(p.residentKb, peaks_[kEveryDoorDay].residentKb + slackKb) << "resident memory on day " << day + 1;
        }
    }
}

}  // namespace quibac::testing
