// Quib's walk: eight frames of one cycle of two steps. The saver moves the
// sprite by a fixed step per frame, so the cycle is drawn for exactly that
// stride and a planted foot stays put on the ground while the body passes it.
#include "draw.h"
#include "elf.h"
#include "layout.h"
#include "pictures.h"

namespace artgen {

namespace {
// Hip position in the frame: the figure reaches further forward (toes, nose)
// than back.
constexpr double kHipX = 120;
}  // namespace

RgbImage RenderWalkStrip() {
    Surface s(kWalkWidth, kWalkHeight);
    cairo_t* cr = s.cr();
    for (int f = 0; f < kWalkFrames; ++f) {
        cairo_save(cr);
        cairo_rectangle(cr, f * kWalkFrameWidth, 0, kWalkFrameWidth, kWalkHeight);
        cairo_clip(cr);
        cairo_translate(cr, f * kWalkFrameWidth, 0);
        DrawElf(cr, WalkPose(double(f) / kWalkFrames, kHipX, double(kWalkFrames * kWalkStep)));
        cairo_restore(cr);
    }
    return s.Pixels();
}

}  // namespace artgen
