#include "show/doors.h"

#include "display/frame_drawing.h"
#include "show/playback.h"
#include "show/show.h"

#include <cstring>

namespace quibac {

namespace {

bool IsDoorDay(int32_t day) { return day >= 1 && day <= kDoorDays; }

bool AllBackground(const uint8_t* eight, uint8_t background) {
    uint64_t word;
    std::memcpy(&word, eight, sizeof word);
    return word == 0x0101010101010101ull * background;
}

void WalkOneItem(Show& show) { PlayNextFrame(show.Player, show.Output, show.Band); }

}  // namespace

void StartDoor(Show& show, int32_t day) {
    if (!IsDoorDay(day)) return;
    const DoorDay& door = show.Calendar.DoorTable[size_t(day)];
    FlicPlayer& player = show.Player;
    // Every frame is a delta on the one before, so the day's picture is
    // reached only by playing all earlier days: at a large size that is the
    // longest stretch of work between two looks at the run flag, so a stop
    // ends it (the thread ends right after, and nothing shows the door).
    FlicRewind(player);
    WalkOneItem(show);  // the prefix item
    for (int32_t i = 0; i <= int32_t(door.StartFrame); ++i) {
        if (!StillRunning(&show.ShowRunning)) return;
        WalkOneItem(show);
    }
    show.Door.LoopBackOffset = player.FrameOffset;
    show.Door.LoopBackCount = player.FrameCounter;
    OverlayDateBand(show, day);
}

void StepDoor(Show& show, int32_t day) {
    if (!IsDoorDay(day)) return;
    const DoorDay& door = show.Calendar.DoorTable[size_t(day)];
    FlicPlayer& player = show.Player;
    if (player.FrameCounter >= show.Door.LoopBackCount + int32_t(door.FrameCount) - 1) {
        if (!door.Loops) return;  // hold the last picture
        // Loop over the frames after the day's first.
        player.FrameCounter = show.Door.LoopBackCount;
        player.FrameOffset = show.Door.LoopBackOffset;
    }
    WalkOneItem(show);
    OverlayDateBand(show, day);
}

void OverlayDateBand(Show& show, int32_t day) {
    if (!IsDoorDay(day)) return;
    const uint8_t doorColour = show.Calendar.DoorTable[size_t(day)].DoorColour;
    const DateBand& band = show.Band;
    const FrameView frame = FrameOf(show.Output);
    const uint8_t background = band.Background();
    for (int32_t y = 0; y < kBandRows; ++y) {
        const uint8_t* row = band.Pixels.data() + size_t(y) * kCanvasWidth;
        for (int32_t x = 0; x < kCanvasWidth; ++x) {
            // Most of the band is background: step over it eight pixels at a time.
            if (x % 8 == 0 && x + 8 <= kCanvasWidth && AllBackground(row + x, background)) {
                x += 7;
                continue;
            }
            const uint8_t p = row[x];
            if (p == background) continue;  // the door picture shows through
            CanvasPlot(frame, x, y, p == kMarkerColour ? doorColour : p);
        }
    }
}

}  // namespace quibac
