#include "show/doors.h"

#include "display/canvas_plot.h"
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

void WalkOneItem(FlicPlayer& flic) { flic.FlicFrameOffset += FlicStep(flic, flic.FlicFrameOffset); }

}  // namespace

void StartDoor(Show& show, int32_t day) {
    if (!IsDoorDay(day)) return;
    const DoorDay& door = show.Cal.DoorTable[size_t(day)];
    FlicPlayer& flic = show.Flic;
    // Every frame is a delta on the one before, so the day's picture is
    // reached only by playing all earlier days.
    FlicRewind(flic);
    WalkOneItem(flic);  // the prefix item
    for (int32_t i = 0; i <= int32_t(door.StartFrame); ++i) WalkOneItem(flic);
    show.Door.LoopBackOffset = flic.FlicFrameOffset;
    show.Door.LoopBackCount = flic.FlicFrameCounter;
    OverlayDateBand(show, day);
}

void StepDoor(Show& show, int32_t day) {
    if (!IsDoorDay(day)) return;
    const DoorDay& door = show.Cal.DoorTable[size_t(day)];
    FlicPlayer& flic = show.Flic;
    if (flic.FlicFrameCounter >= show.Door.LoopBackCount + int32_t(door.FrameCount) - 1) {
        if (door.Loops == 0) return;  // hold the last picture
        // Loop over the frames after the day's first.
        flic.FlicFrameCounter = show.Door.LoopBackCount;
        flic.FlicFrameOffset = show.Door.LoopBackOffset;
    }
    WalkOneItem(flic);
    OverlayDateBand(show, day);
}

void OverlayDateBand(Show& show, int32_t day) {
    if (!IsDoorDay(day)) return;
    const uint8_t doorColour = show.Cal.DoorTable[size_t(day)].DoorColour;
    const DateBand& band = show.Band;
    const Display& display = show.Screen;
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
            CanvasPlot(display, x, y, p == kMarkerColour ? doorColour : p);
        }
    }
}

}  // namespace quibac
