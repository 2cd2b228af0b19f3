// The displays SDL reports as the monitors Windows would report: the first
// display (SDL lists the primary one first) at (0, 0), the others where they
// lie relative to it, left of or above it at negative coordinates; and a
// point in one display's window as a point on that screen.
#pragma once

#include <windows.h>

#include <vector>

namespace quibac::linux_sdl {

struct DisplayBounds {
    int x = 0, y = 0, width = 0, height = 0;  // SDL's desktop coordinates
};

// One rectangle per display, in the displays' order. A display without an
// area (which SDL reports when it cannot tell) is left out; with none left,
// nothing.
std::vector<RECT> MonitorsOfDisplays(const std::vector<DisplayBounds>& displays);

// Where a point of a window that shows part of the screen (scaled to the
// window's size when the two differ) lies on the screen.
POINT ScreenPointOf(const RECT& part, int windowWidth, int windowHeight, int x, int y);

}  // namespace quibac::linux_sdl
