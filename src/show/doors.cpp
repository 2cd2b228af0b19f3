#include "show/doors.h"

#include "display/canvas_plot.h"
#include "show/show.h"

namespace quibac {

namespace {

bool IsDoorDay(int32_t day) { return day >= 1 && day <= kDoorDays; }

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
    for (int32_t y = 0; y < kBandRows; ++y) {
        for (int32_t x = 0; x < kCanvasWidth; ++x) {
            const uint8_t p = band.At(x, y);
            if (p == band.Background()) continue;  // the door picture shows through
            CanvasPlot(display, x, y, p == kMarkerColour ? doorColour : p);
        }
    }
}

}  // namespace quibac
