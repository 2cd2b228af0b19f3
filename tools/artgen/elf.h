// Quib, the elf who walks across the screen: drawn from a pose in side view,
// facing right, with the joint positions worked out by the walk cycle.
#pragma once

#include <cairo.h>

namespace artgen {

struct Point2 {
    double x = 0, y = 0;
};

struct ElfPose {
    Point2 hip;             // the pelvis, where both thighs join
    double lean = 0;        // torso tilt, radians, positive leans forward
    double headTilt = 0;    // head rotation on the neck, positive nods forward
    Point2 ankle[2];        // [0] the far leg, [1] the near leg
    double footPitch[2]{};  // positive lifts the heel, negative the toes
    double arm[2]{};        // shoulder angle from hanging straight, positive forward
    double elbow[2]{};      // forearm bend, positive forward
    double hatSwing = 0;    // sway of the hat's floppy tip
    bool shadow = true;     // a soft shadow on the ground under the elf
};

// Sole of the feet, hip height and leg lengths of the drawing at full size.
constexpr double kElfGround = 318;
constexpr double kElfAnkleHeight = 13;
constexpr double kElfThigh = 66;
constexpr double kElfShin = 64;

// The walk cycle: t in [0, 1) is one full cycle of two steps, starting with the
// near heel striking the ground. The body stays put; the cycle carries it
// forward by stride (pixels per cycle), so a planted foot moves back by
// exactly that much.
ElfPose WalkPose(double t, double hipX, double stride);

// Standing square on both feet, the far arm hanging, the near arm raised to
// wave by `wave` (shoulder) and `elbow`; used wherever Quib greets the viewer.
ElfPose WavingPose(double wave, double elbow);

void DrawElf(cairo_t* cr, const ElfPose& pose);

}  // namespace artgen
