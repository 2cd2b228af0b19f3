// The calendar's state for the local date: open days, the pre-rolled header
// band, the door colours, and the daily check.
#include "show/calendar.h"
#include "support/resource_bytes.h"
#include "support/show_fixture.h"

namespace quibac {
namespace {

using testing::ShowTest;

int MarkerRun(const DateBand& band, int row, int from) {
    int n = 0;
    while (from + n < kCanvasWidth && band.At(from + n, row) == kMarkerColour) ++n;
    return n;
}

bool LeftHalfBlank(const DateBand& band) {
    for (int y = 0; y < kBandRows; ++y)
        for (int x = 0; x < kCanvasWidth / 2; ++x)
            if (band.At(x, y) != band.Background()) return false;
    return true;
}

class CalendarTest : public ShowTest {
protected:
    Show& InitOn(int year, int month, int day, int hour = 12) {
        Show& show = Make().show();
        posix::SetLocalDateTime(year, month, day, hour);
        SeedRandom(show.Random, 1234);
        InitCalendar(show);
        return show;
    }
};

TEST(DayCount, FollowsDecemberAndStopsAt25) {
    EXPECT_EQ(DayCountFor(12, 1), 1);
    EXPECT_EQ(DayCountFor(12, 24), 24);
    EXPECT_EQ(DayCountFor(12, 25), 25);
    EXPECT_EQ(DayCountFor(12, 26), 25);
    EXPECT_EQ(DayCountFor(12, 31), 25);
    EXPECT_EQ(DayCountFor(11, 30), 0);
    EXPECT_EQ(DayCountFor(1, 1), 0);
}

TEST_F(CalendarTest, FirstOfDecemberDecodesOneHeaderFrame) {
    Show& show = InitOn(2026, 12, 1);
    EXPECT_EQ(show.Calendar.DayCount, 1);
    EXPECT_EQ(show.Band.Background(), kArtBackground);
    EXPECT_EQ(MarkerRun(show.Band, testing::kDateBarRow, 0), testing::kDateBarStep);
    EXPECT_EQ(show.Band.At(400, testing::kDaysLeftRow), 11);
    EXPECT_EQ(show.Band.At(400 + 24 * testing::kDateBarStep - 1, testing::kDaysLeftRow), 11);
    // Row 127 is captured, pixel by pixel as the frames drew it.
    EXPECT_EQ(show.Band.At(0, 127), 12);
    EXPECT_EQ(show.Band.At(1, 127), kArtBackground);
    EXPECT_FALSE(show.Band.BandCapture);
    // The door animation is current and rewound.
    EXPECT_EQ(show.Player.FrameOffset, kFlicHeaderBytes);
    EXPECT_EQ(show.Player.FrameCounter, 0);
    EXPECT_EQ(show.Player.Data.size(), SizeofResource(module_, FindResourceA(module_, "ADVENTFLIC", "Flic")));
}

TEST_F(CalendarTest, ChristmasEveAndDayDecodeTheirFrames) {
    Show& eve = InitOn(2026, 12, 24);
    EXPECT_EQ(eve.Calendar.DayCount, 24);
    EXPECT_EQ(MarkerRun(eve.Band, testing::kDateBarRow, 0), 24 * testing::kDateBarStep);
    EXPECT_EQ(eve.Band.At(23, 127), 12);
    EXPECT_EQ(eve.Band.At(24, 127), kArtBackground);
    EXPECT_EQ(eve.Band.At(650, testing::kGreetingRow), kArtBackground);

    Show& day = InitOn(2026, 12, 25);
    EXPECT_EQ(day.Calendar.DayCount, 25);
    EXPECT_EQ(MarkerRun(day.Band, testing::kDateBarRow, 0), 25 * testing::kDateBarStep);
    EXPECT_EQ(MarkerRun(day.Band, testing::kGreetingRow, 600), 100);
}

TEST_F(CalendarTest, AfterChristmasTheDateGoesAndTheGreetingStays) {
    for (int date : {26, 31}) {
        Show& show = InitOn(2026, 12, date);
        EXPECT_EQ(show.Calendar.DayCount, 25) << date;
        EXPECT_TRUE(LeftHalfBlank(show.Band)) << date;
        EXPECT_EQ(MarkerRun(show.Band, testing::kGreetingRow, 600), 100) << date;
    }
}

TEST_F(CalendarTest, OutsideDecemberNoHeaderIsDecoded) {
    for (auto [month, date] : {std::pair{11, 30}, std::pair{1, 1}}) {
        Show& show = InitOn(2027, month, date);
        EXPECT_EQ(show.Calendar.DayCount, 0);
        EXPECT_EQ(show.Band.Background(), 0) << "the band keeps its earlier (empty) content";
        EXPECT_EQ(MarkerRun(show.Band, testing::kDateBarRow, 0), 0);
    }
}

TEST_F(CalendarTest, DayChangeFrom25To26BlanksTheDateAtTheNextCheck) {
    Show& show = InitOn(2026, 12, 25, 23);
    ASSERT_FALSE(LeftHalfBlank(show.Band));
    posix::AdvanceVirtualTime(3600u * 1000u);
    CheckDayChange(show);
    EXPECT_EQ(show.Calendar.DayCount, 25);
    EXPECT_TRUE(LeftHalfBlank(show.Band));
    EXPECT_EQ(show.Player.FrameOffset, kFlicHeaderBytes);
}

TEST_F(CalendarTest, SameDayCheckChangesNothing) {
    Show& show = InitOn(2026, 12, 24);
    show.Player.FrameOffset = 9999;
    CheckDayChange(show);
    EXPECT_EQ(show.Player.FrameOffset, 9999u);
}

TEST_F(CalendarTest, OutsideDecemberEveryCheckReinitialisesToTheSameState) {
    Show& show = InitOn(2026, 11, 30);
    const DateBand band = show.Band;
    const DoorTableType table = show.Calendar.DoorTable;
    for (int i = 0; i < 3; ++i) {
        show.Player.FrameOffset = 9999;
        CheckDayChange(show);
        EXPECT_EQ(show.Player.FrameOffset, kFlicHeaderBytes) << "initialised again";
        EXPECT_EQ(show.Calendar.DayCount, 0);
        EXPECT_EQ(band.Pixels, show.Band.Pixels);
        for (int d = 1; d <= kDoorDays; ++d)
            EXPECT_EQ(table[size_t(d)].DoorColour, show.Calendar.DoorTable[size_t(d)].DoorColour);
    }
}

TEST_F(CalendarTest, OpenColoursAreFilledOnceFromOtherDays) {
    Show& show = InitOn(2026, 12, 10);
    const DoorTableType stored = InitialDoorTable();
    for (int d = 1; d <= kDoorDays; ++d) {
        const uint8_t colour = show.Calendar.DoorTable[size_t(d)].DoorColour;
        EXPECT_NE(colour, kOpenDoorColour) << "day " << d;
        if (stored[size_t(d)].DoorColour != kOpenDoorColour) {
            EXPECT_EQ(colour, stored[size_t(d)].DoorColour) << "day " << d;
        } else {
            bool fromAnotherDay = false;
            for (int e = 1; e <= kDoorDays; ++e) fromAnotherDay |= stored[size_t(e)].DoorColour == colour;
            EXPECT_TRUE(fromAnotherDay) << "day " << d;
        }
    }
    const DoorTableType first = show.Calendar.DoorTable;
    InitCalendar(show);
    for (int d = 1; d <= kDoorDays; ++d)
        EXPECT_EQ(first[size_t(d)].DoorColour, show.Calendar.DoorTable[size_t(d)].DoorColour);

    // The same seed fills the same way.
    Show& again = InitOn(2026, 12, 10);
    for (int d = 1; d <= kDoorDays; ++d)
        EXPECT_EQ(first[size_t(d)].DoorColour, again.Calendar.DoorTable[size_t(d)].DoorColour);
}

TEST_F(CalendarTest, MissingDoorAnimationIsReportedAndTheShowGoesOn) {
    HMODULE datesOnly = posix::CreateResourceModule();
    posix::AddResource(datesOnly, "Flic", "DATESFLIC", testing::ResourceBytes(module_, "Flic", "DATESFLIC"));
    posix::SetDebugCapture(true);
    {
        testing::ShowHarness h(800, 600, false, datesOnly);
        posix::SetLocalDateTime(2026, 12, 3);
        InitCalendar(h.show());
        EXPECT_EQ(h.show().Calendar.DayCount, 3);
        EXPECT_NE(posix::DebugOutput().find("\nFindResource failed.\n\n** Failed to init FLC resource! **\n\n"),
                  std::string::npos);
    }
    posix::DestroyResourceModule(datesOnly);
}

}  // namespace
}  // namespace quibac
