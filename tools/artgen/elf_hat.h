// Quib's floppy red hat on its own: the brand's mark, worn by the logo's
// letter Q and by the icon.
#pragma once

#include <cairo.h>

namespace artgen {

// Draws the hat with its band centred on (x, y), tilted by angle, at a
// scale where 1.0 is a band 100 pixels wide. lineWidth is in output pixels.
void DrawBrandHat(cairo_t* cr, double x, double y, double scale, double angle, double lineWidth);

}  // namespace artgen
