// Playing one day's door picture: built up through every earlier day, then
// its own frames one per tick, looping or holding, with the dates header
// drawn over each frame in the day's colour.
#pragma once

#include <cstdint>

namespace quibac {

struct Show;

struct DoorState {
    int32_t ShowDay = 0;          // 1..DayCount while a door scene runs
    uint32_t LoopBackOffset = 0;  // walker offset of the frame after the day's first
    int32_t LoopBackCount = 0;    // frame counter at that point
};

// Plays the animation up to the day's picture; a cleared ShowRunning stops it
// part way, leaving the door unfinished for a thread about to end.
void StartDoor(Show& show, int32_t day);
void StepDoor(Show& show, int32_t day);
void OverlayDateBand(Show& show, int32_t day);

}  // namespace quibac
