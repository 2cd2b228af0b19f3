#include "show/calendar.h"

#include "assets/resource_names.h"
#include "show/playback.h"
#include "show/show.h"

#include <windows.h>

#include <algorithm>

namespace quibac {

namespace {

struct LocalDate {
    int32_t Month;  // 1..12
    int32_t Day;    // 1..31
};

LocalDate Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalDate{now.wMonth, now.wDay};
}

void FillOpenColours(CalendarState& calendar, RandomGenerator& random) {
    DoorTableType& table = calendar.DoorTable;
    // The fill draws until it meets a fixed colour, so it needs one to exist.
    const bool anyFixed =
        std::any_of(table.begin() + 1, table.end(), [](const DoorDay& d) { return d.DoorColour != kOpenDoorColour; });
    if (!anyFixed) return;
    for (int32_t d = 1; d <= kDoorDays; ++d) {
        while (table[size_t(d)].DoorColour == kOpenDoorColour) {
            const int32_t e = RandomMod(RandomValue(random), kDoorDays) + 1;
            table[size_t(d)].DoorColour = table[size_t(e)].DoorColour;
        }
    }
}

void BlankBandDate(DateBand& band) {
    // After Christmas the date half goes; the greeting on the right stays.
    const uint8_t background = band.Background();
    for (int32_t y = 0; y < kBandRows; ++y)
        std::fill_n(band.Pixels.begin() + y * kCanvasWidth, kCanvasWidth / 2, background);
}

}  // namespace

int32_t DayCountFor(int32_t month, int32_t day) {
    if (month != kDecember) return 0;
    return std::min(day, kDoorDays);
}

void InitCalendar(Show& show) {
    const LocalDate today = Today();
    show.Calendar.DayCount = DayCountFor(today.Month, today.Day);
    BuildScalingMaps(show.Output.Maps, show.Output.Geometry);

    // Pre-roll the dates animation up to today's header, keeping its top band.
    FlicRewind(show.Player);
    show.Band.BandCapture = true;
    PlayNextFrame(show.Player, show.Output, show.Band);  // the prefix item
    for (int32_t i = 0; i < show.Calendar.DayCount; ++i) PlayNextFrame(show.Player, show.Output, show.Band);
    show.Band.BandCapture = false;
    if (today.Day > kDoorDays) BlankBandDate(show.Band);

    if (!FlicLoad(show.Player, kAdventFlic)) OutputDebugStringA(kFailedToInitFlc);
    FlicRewind(show.Player);
    FillOpenColours(show.Calendar, show.Random);
}

void CheckDayChange(Show& show) {
    if (Today().Day == show.Calendar.DayCount) return;
    if (!FlicLoad(show.Player, kDatesFlic)) OutputDebugStringA(kFailedToInitFlc);
    FlicRewind(show.Player);
    InitCalendar(show);
}

}  // namespace quibac
