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

// Draws a day's still layer onto a fresh canvas.
using StillLayer = void(cairo_t* cr);
// Draws frame `frame` (0 .. frames - 1) of a day over its still layer. For a
// looping day, frames 1 .. frames - 1 repeat, so frame frames - 1 leads
// smoothly back to frame 1.
using MovingLayer = void(cairo_t* cr, int frame, int frames);

struct DoorArt {
    int day = 0;
    StillLayer* still = nullptr;
    // Null for a day of one still picture.
    MovingLayer* moving = nullptr;
};

// Days 1 to 25, in order: the one table of the door pictures, whose layers
// are drawn in doors/dayNN.cpp.
const std::vector<DoorArt>& DoorArts();

}  // namespace artgen
