// The pictures behind the 25 calendar doors.
//
// Each day is drawn in two layers: the still layer, everything that stays put
// over the day's frames, and the moving layer drawn over it for each frame.
// Only what the moving layer covers can change from frame to frame, which
// keeps the animation's deltas small and the still parts' dithering steady.
//
// Every picture fills the 800 x 600 canvas and keeps its top 128 rows calm
// (sky, a wall, a plain band): the saver draws the dates header there.
#pragma once

#include <cairo.h>

#include <vector>

namespace artgen {

struct DoorArt {
    int day = 0;
    // Draws the still layer onto a fresh canvas.
    void (*still)(cairo_t* cr) = nullptr;
    // Draws frame `frame` (0 .. frames - 1) of the day over its still layer;
    // null for a day of one still picture. For a looping day, frames 1 ..
    // frames - 1 repeat, so frame frames - 1 leads smoothly back to frame 1.
    void (*moving)(cairo_t* cr, int frame, int frames) = nullptr;
};

// Days 1 to 25, in order.
const std::vector<DoorArt>& DoorArts();

// The day's pictures, defined in the door_days_*.cpp files.
DoorArt DoorDay1();
DoorArt DoorDay2();
DoorArt DoorDay3();
DoorArt DoorDay4();
DoorArt DoorDay5();
DoorArt DoorDay6();
DoorArt DoorDay7();
DoorArt DoorDay8();
DoorArt DoorDay9();
DoorArt DoorDay10();
DoorArt DoorDay11();
DoorArt DoorDay12();
DoorArt DoorDay13();
DoorArt DoorDay14();
DoorArt DoorDay15();
DoorArt DoorDay16();
DoorArt DoorDay17();
DoorArt DoorDay18();
DoorArt DoorDay19();
DoorArt DoorDay20();
DoorArt DoorDay21();
DoorArt DoorDay22();
DoorArt DoorDay23();
DoorArt DoorDay24();
DoorArt DoorDay25();

}  // namespace artgen
