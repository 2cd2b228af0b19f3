// Quib's face, front on, with his hat, collar and shoulders: the picture of
// the wink strip, for other pictures to use as well.
#pragma once

#include <cairo.h>

namespace artgen {

// Draws the face in a frame 303 pixels wide and 390 high (the wink strip's
// frame): face centre at (151.5, 236), shoulders reaching the bottom edge.
// closure shuts the left eye (the viewer's right): 0 open, 1 shut.
void DrawQuibFace(cairo_t* cr, double closure);

}  // namespace artgen
