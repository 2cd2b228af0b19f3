// The shared random sequence and the fixed door table.
#include "show/calendar.h"
#include "show/random.h"

#include <gtest/gtest.h>

namespace quibac {
namespace {

TEST(RandomGenerator, KnownSequenceAndRange) {
    RandomGenerator r;
    SeedRandom(r, 1);
    EXPECT_EQ(RandomValue(r), 41);
    EXPECT_EQ(RandomValue(r), 18467);
    EXPECT_EQ(RandomValue(r), 6334);
    SeedRandom(r, 0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        const int32_t v = RandomValue(r);
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 32767);
    }
    EXPECT_EQ(RandomMod(7, -3), 1) << "the remainder keeps the dividend's sign";
}

TEST(DoorTable, CoversTheDoorFramesWithoutGapOrOverlap) {
    const DoorTableType table = InitialDoorTable();
    int32_t next = 0;
    int open = 0;
    for (int day = 1; day <= kDoorDays; ++day) {
        EXPECT_EQ(table[size_t(day)].StartFrame, next) << "day " << day;
        next += table[size_t(day)].FrameCount;
        if (table[size_t(day)].Loops) {
            EXPECT_GE(table[size_t(day)].FrameCount, 2) << "day " << day;
        }
        open += table[size_t(day)].DoorColour == kOpenDoorColour;
    }
    EXPECT_EQ(next, 86);
    EXPECT_EQ(open, 6);
    EXPECT_EQ(table[18].FrameCount, 15);
    EXPECT_EQ(table[25].DoorColour, 11);
}

}  // namespace
}  // namespace quibac
