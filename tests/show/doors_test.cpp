// Door scenes: the day's picture built through all earlier days, its frames
// looping or held, and the header drawn over every frame.
#include "display/display.h"
#include "show/doors.h"

#include <algorithm>
#include <cstring>
#include "support/show_fixture.h"

namespace quibac {
namespace {

using testing::AdventStripe;
using testing::ShowTest;

class DoorTest : public ShowTest {
protected:
    Show& OnChristmasDay(int width = 800, int height = 600, bool stretch = false) {
        Show& show = Make(width, height, stretch).show();
        posix::SetLocalDateTime(2026, 12, 25);
        SeedRandom(show.Random, 77);
        InitCalendar(show);
        return show;
    }
    // The stripe colour of the door picture, read from the frame buffer.
    static uint8_t Stripe(Show& show) {
        const Display& d = show.Output;
        return FrameRow(FrameOf(d), d.Maps.RowStart[testing::kAdventStripeRow])[d.Maps.ColStart[400]];
    }
};

TEST_F(DoorTest, LoopingDayRestartsFromItsSecondFrame) {
    Show& show = OnChristmasDay();
    StartDoor(show, 4);
    EXPECT_EQ(show.Door.LoopBackCount, 10);
    EXPECT_EQ(show.Player.FrameCounter, 10);
    EXPECT_EQ(Stripe(show), AdventStripe(9));
    for (int tick = 1; tick <= 6; ++tick) {
        StepDoor(show, 4);
        EXPECT_EQ(Stripe(show), AdventStripe(9 + tick)) << "tick " << tick;
    }
    EXPECT_EQ(show.Player.FrameCounter, 16);
    StepDoor(show, 4);
    EXPECT_EQ(Stripe(show), AdventStripe(10)) << "frame 10 again on tick 7";
    EXPECT_EQ(show.Player.FrameCounter, 11);
}

TEST_F(DoorTest, AStoppedShowLeavesTheDaysReplayAtOnce) {
    Show& show = OnChristmasDay();
    show.ShowRunning = false;
    StartDoor(show, 25);
    EXPECT_LE(show.Player.FrameCounter, 1) << "no frame of the earlier days was played";
}

TEST_F(DoorTest, FirstDayNeverShowsItsFirstFrameAgain) {
    Show& show = OnChristmasDay();
    StartDoor(show, 1);
    EXPECT_EQ(Stripe(show), AdventStripe(0));
    for (int tick = 1; tick <= 30; ++tick) {
        StepDoor(show, 1);
        EXPECT_NE(Stripe(show), AdventStripe(0)) << "tick " << tick;
        EXPECT_EQ(Stripe(show), AdventStripe(1 + (tick - 1) % 6)) << "tick " << tick;
    }
}

TEST_F(DoorTest, DayEighteenHoldsItsLastPictureThroughTheEmptyFrames) {
    Show& show = OnChristmasDay();
    StartDoor(show, 18);
    EXPECT_EQ(Stripe(show), AdventStripe(46));
    for (int tick = 1; tick <= 14; ++tick) {
        StepDoor(show, 18);
        EXPECT_EQ(Stripe(show), AdventStripe(46 + tick)) << "tick " << tick;
        EXPECT_EQ(show.Player.FrameCounter, 47 + tick);
    }
    EXPECT_EQ(AdventStripe(57), AdventStripe(56)) << "frames 57..59 change nothing";
    for (int tick = 15; tick <= 81; ++tick) {
        StepDoor(show, 18);
        EXPECT_EQ(Stripe(show), AdventStripe(60));
        EXPECT_EQ(show.Player.FrameCounter, 61) << "held: nothing more decoded";
    }
}

TEST_F(DoorTest, LastDayDecodesEveryFrameAndThenStaysStill) {
    Show& show = OnChristmasDay();
    StartDoor(show, 25);
    EXPECT_EQ(show.Player.FrameCounter, 86);
    EXPECT_EQ(Stripe(show), AdventStripe(85));
    posix::SetDebugCapture(true);
    posix::ClearDebugOutput();
    for (int tick = 0; tick < 10; ++tick) StepDoor(show, 25);
    EXPECT_EQ(show.Player.FrameCounter, 86);
    EXPECT_EQ(posix::DebugOutput(), "") << "no chunk was walked";
}

TEST_F(DoorTest, HeaderMarkerTakesTheDaysColourAndBackgroundStaysTransparent) {
    Show& show = OnChristmasDay();
    const Display& d = show.Output;
    for (int day : {4, 5, 19, 21, 22}) {
        StartDoor(show, day);
        const uint8_t expected = show.Calendar.DoorTable[size_t(day)].DoorColour;
        EXPECT_EQ(FrameRow(FrameOf(d), testing::kDateBarRow)[0], expected) << "day " << day;
        EXPECT_EQ(FrameRow(FrameOf(d), testing::kGreetingRow)[650], expected);
        EXPECT_EQ(FrameRow(FrameOf(d), 127)[0], 12) << "other lettering keeps its colour";
        EXPECT_EQ(FrameRow(FrameOf(d), testing::kDateBarRow)[799], testing::kAdventBackground)
            << "the picture shows through";
    }
    EXPECT_EQ(show.Calendar.DoorTable[4].DoorColour, kMarkerColour);
}

TEST_F(DoorTest, OverlayStaysWithinTheScaledHeaderRows) {
    Show& show = OnChristmasDay(1024, 768, true);
    StartDoor(show, 7);
    Display& d = show.Output;
    const int32_t lastHeaderRow = d.Maps.RowStart[127] + d.Maps.RowSpan[127] - 1;
    // Paint everything below the header, overlay again, and look for changes.
    for (int32_t v = lastHeaderRow + 1; v < d.Geometry.OutputHeight; ++v)
        std::memset(FrameRow(FrameOf(d), v), 3, size_t(d.Geometry.OutputWidth));
    std::vector<uint8_t> header(FrameRow(FrameOf(d), 0), FrameRow(FrameOf(d), lastHeaderRow + 1));
    OverlayDateBand(show, 7);
    for (int32_t v = lastHeaderRow + 1; v < d.Geometry.OutputHeight; ++v)
        for (int32_t u = 0; u < d.Geometry.OutputWidth; u += 7)
            ASSERT_EQ(FrameRow(FrameOf(d), v)[u], 3) << v << "," << u;
    EXPECT_TRUE(std::equal(header.begin(), header.end(), FrameRow(FrameOf(d), 0))) << "the overlay is idempotent";
    // The scaled marker bar of day 7 covers its scaled block.
    EXPECT_EQ(FrameRow(FrameOf(d), d.Maps.RowStart[testing::kDateBarRow])[0], show.Calendar.DoorTable[7].DoorColour);
}

TEST_F(DoorTest, OpeningADoorAtPreviewSizeDrawsInsideTheFrame) {
    UseScreen(400, 300);
    Show& show = OnChristmasDay(152, 112, false);
    for (int day = 1; day <= 25; ++day) {
        StartDoor(show, day);
        for (int tick = 0; tick < 8; ++tick) StepDoor(show, day);
    }
    EXPECT_EQ(FrameRow(FrameOf(show.Output), show.Output.Maps.RowStart[testing::kAdventStripeRow])[0],
              AdventStripe(85));
}

}  // namespace
}  // namespace quibac
