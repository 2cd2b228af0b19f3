// The advent calendar's state for the local date: how many doors are open,
// the dates header pre-rolled into the DateBand, and the door table.
#pragma once

#include <array>
#include <cstdint>

namespace quibac {

struct Show;

constexpr int32_t kDoorDays = 25;
constexpr int32_t kDecember = 12;  // as GetLocalTime numbers months
// A stored DoorColour of this value is filled in at start-up from another day.
constexpr uint8_t kOpenDoorColour = 255;

// Canvas rows 0..127 hold the dates header.
constexpr int32_t kBandRows = 128;
// The header's lettering in this palette index is redrawn in each day's colour.
constexpr uint8_t kMarkerColour = 10;

struct DoorDay {
    uint8_t StartFrame = 0;  // first ADVENTFLIC frame of the day's picture
    uint8_t FrameCount = 0;
    uint8_t DoorColour = 0;  // palette index the header's marker colour is drawn in
    bool Loops = false;      // whether the frames after the first keep repeating
};

// Indexed by day 1..25; entry 0 is unused.
using DoorTableType = std::array<DoorDay, kDoorDays + 1>;
DoorTableType InitialDoorTable();

struct CalendarState {
    int32_t DayCount = 0;
    DoorTableType DoorTable = InitialDoorTable();
};

// Open days for a month (1..12) and day of the month.
int32_t DayCountFor(int32_t month, int32_t day);

// Requires DATESFLIC to be the current animation; leaves ADVENTFLIC current
// and rewound.
void InitCalendar(Show& show);
// Runs InitCalendar again (reloading DATESFLIC first) when the day of the
// month differs from DayCount.
void CheckDayChange(Show& show);

constexpr const char kFailedToInitFlc[] = "\n\n** Failed to init FLC resource! **\n\n";

}  // namespace quibac
