// Pieces of the rooms that several indoor door pictures share: the wall, a
// window in it, and the table or floor in front of it.
#pragma once

#include "door_parts.h"

#include <functional>

namespace artgen::parts {

// Striped wallpaper from the top of the canvas down to `height`: stripes of
// `stripeWidth` in the second shade, one every `pitch` columns.
void Wallpaper(cairo_t* cr, Rgb base, Rgb stripe, double height, double pitch = 100, double stripeWidth = 44);

// A floor (or a cloth) from row y to the bottom of the canvas, shaded from
// `top` to `bottom`.
void Floor(cairo_t* cr, double y, Rgb top, Rgb bottom);
// The dark line along the front edge of a table or a floor at row y.
void FrontEdge(cairo_t* cr, double y);
// A table top: a floor with its front edge.
void TableTop(cairo_t* cr, double y, Rgb top, Rgb bottom);

// A window in the wall: a rounded pane in a painted frame, the view through
// it, and two glazing bars crossing in its middle.
struct WindowShape {
    double x, y, width, height, corner;
    Rgb skyTop, skyBottom;  // the pane's shading, behind whatever the view draws
    Rgb frame;
    double barWidth;
};
// `view` draws what shows through the pane, clipped to it.
void Window(cairo_t* cr, const WindowShape& window, const std::function<void(cairo_t*)>& view);

}  // namespace artgen::parts
