// Day 8: a robin on a snowy branch by a bird house with the 8.
#include "door_parts.h"

#include <string>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kBrown = Hex(0x8A5A36), kBrownDark = Hex(0x5E3A20);
constexpr Rgb kBranchBark = Hex(0x5A3A22);
// The robin's body and head in its own coordinates: the body's centre and
// radii, the head's centre and radius.
constexpr double kBodyX = 6, kBodyY = 12, kBodyRx = 78, kBodyRy = 62;
constexpr double kHeadX = -38, kHeadY = -42, kHeadR = 46;
// The low winter sun.
constexpr double kSunX = 180, kSunY = 230;

// Body and head as one shape.
void RobinBodyPath(cairo_t* cr) {
    EllipsePath(cr, kBodyX, kBodyY, kBodyRx, kBodyRy);
    cairo_arc(cr, kHeadX, kHeadY, kHeadR, 0, 2 * kPi);
}

// The tail cocked up behind, and the legs with their toes.
void RobinTailAndLegs(cairo_t* cr) {
    cairo_move_to(cr, 50, 10);
    cairo_line_to(cr, 128, -40);
    cairo_line_to(cr, 140, -22);
    cairo_line_to(cr, 70, 40);
    cairo_close_path(cr);
    FillThenStroke(cr, kBrownDark, kOutline, kLine);
    SetColour(cr, Hex(0x6B4A2A));
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    constexpr double kHipY = 60, kAnkleY = 92, kToeY = 96;
    for (double lx : {-14.0, 16.0}) {
        cairo_move_to(cr, lx, kHipY);
        cairo_line_to(cr, lx - 4, kAnkleY);
        cairo_move_to(cr, lx - 4, kAnkleY);
        cairo_line_to(cr, lx - 14, kToeY);
        cairo_move_to(cr, lx - 4, kAnkleY);
        cairo_line_to(cr, lx + 6, kToeY);
    }
    cairo_stroke(cr);
}

// The brown body with a white belly and the red breast and face, inside it.
void RobinBody(cairo_t* cr) {
    const Rgb breast = Hex(0xE8642A);
    cairo_new_sub_path(cr);
    RobinBodyPath(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2 * kLine);
    cairo_stroke_preserve(cr);
    RadialSource(cr, -10, -30, 10, 110, {{0, Lighten(kBrown, 0.2)}, {1, kBrownDark}});
    cairo_fill(cr);
    cairo_save(cr);
    RobinBodyPath(cr);
    cairo_clip(cr);
    EllipsePath(cr, -6, 44, 64, 36);
    SetColour(cr, Hex(0xF7EEE2));
    cairo_fill(cr);
    cairo_move_to(cr, -90, -60);
    cairo_curve_to(cr, -60, -40, -40, -30, -20, -36);
    cairo_curve_to(cr, 10, -20, 24, 10, 10, 30);
    cairo_curve_to(cr, -20, 46, -70, 30, -90, 10);
    cairo_close_path(cr);
    RadialSource(cr, -40, -10, 4, 70, {{0, Lighten(breast, 0.2)}, {1, Lighten(breast, -0.15)}});
    cairo_fill(cr);
    cairo_restore(cr);
}

// The folded wing with two lines of feathers.
void RobinWing(cairo_t* cr) {
    cairo_move_to(cr, 0, -6);
    cairo_curve_to(cr, 40, -20, 86, 0, 84, 34);
    cairo_curve_to(cr, 60, 40, 30, 34, 0, -6);
    cairo_close_path(cr);
    FillThenStroke(cr, kBrownDark, kOutline, 2.5);
    SetColour(cr, Lighten(kBrown, 0.25));
    cairo_set_line_width(cr, 2);
    for (double k : {10.0, 22.0}) {
        cairo_move_to(cr, 20, -4 + k * 0.3);
        cairo_curve_to(cr, 44, -6 + k, 64, 6 + k, 78, 20 + k * 0.3);
    }
    cairo_stroke(cr);
}

// The eye with its glint, and the beak pointing left.
void RobinEyeAndBeak(cairo_t* cr) {
    constexpr double kEyeX = kHeadX - 12, kEyeY = kHeadY - 10, kBeakX = -80;
    cairo_arc(cr, kEyeX, kEyeY, 8, 0, 2 * kPi);
    SetColour(cr, Hex(0x1A120C));
    cairo_fill(cr);
    cairo_arc(cr, kEyeX - 3, kEyeY - 3, 2.8, 0, 2 * kPi);
    SetColour(cr, kWhite);
    cairo_fill(cr);
    cairo_move_to(cr, kBeakX, -46);
    cairo_line_to(cr, kBeakX - 24, -38);
    cairo_line_to(cr, kBeakX, -32);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x3E2A1A), kOutline, 2);
}

// A robin facing left at (x, y), scaled by s.
void Robin(cairo_t* cr, double x, double y, double s) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    RobinTailAndLegs(cr);
    RobinBody(cr);
    RobinWing(cr);
    RobinEyeAndBeak(cr);
    cairo_restore(cr);
}

// The bird house's snowy roof over its pointed front, whose peak is at `top`.
void BirdHouseRoof(cairo_t* cr, double cx, double top) {
    cairo_move_to(cr, cx - 104, top + 86);
    cairo_line_to(cr, cx, top - 10);
    cairo_line_to(cr, cx + 104, top + 86);
    cairo_line_to(cr, cx + 92, top + 96);
    cairo_line_to(cr, cx, top + 12);
    cairo_line_to(cr, cx - 92, top + 96);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x8E2A22), kOutline, kLine);
    cairo_move_to(cr, cx - 110, top + 84);
    cairo_curve_to(cr, cx - 80, top + 40, cx - 30, top - 22, cx, top - 24);
    cairo_curve_to(cr, cx + 30, top - 22, cx + 80, top + 40, cx + 110, top + 84);
    cairo_curve_to(cr, cx + 90, top + 80, cx + 60, top + 50, cx, top - 2);
    cairo_curve_to(cr, cx - 60, top + 50, cx - 90, top + 80, cx - 110, top + 84);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, Hex(0x8FA7C9), 2);
}

// A bird house on its pole, the day painted on its front.
void BirdHouse(cairo_t* cr, double cx, double top, const std::string& number) {
    const Rgb wood = Hex(0xC27A3C), woodDark = Hex(0x8A4F22);
    constexpr double kHalfWidth = 80, kEavesDrop = 70, kFloorDrop = 220, kHoleDrop = 176;
    cairo_rectangle(cr, cx - 10, top + 200, 20, 400);
    FillThenStroke(cr, woodDark, kOutline, kLine);
    cairo_move_to(cr, cx - kHalfWidth, top + kEavesDrop);
    cairo_line_to(cr, cx, top + 8);
    cairo_line_to(cr, cx + kHalfWidth, top + kEavesDrop);
    cairo_line_to(cr, cx + kHalfWidth, top + kFloorDrop);
    cairo_line_to(cr, cx - kHalfWidth, top + kFloorDrop);
    cairo_close_path(cr);
    LinearSource(cr, cx - kHalfWidth, 0, cx + kHalfWidth, 0,
                 {{0, Lighten(wood, -0.1)}, {0.5, Lighten(wood, 0.15)}, {1, Lighten(wood, -0.15)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    // Entrance hole and perch.
    cairo_arc(cr, cx, top + kHoleDrop, 18, 0, 2 * kPi);
    FillThenStroke(cr, Hex(0x2A160C), kOutline, 2.5);
    cairo_rectangle(cr, cx - 4, top + kHoleDrop + 20, 8, 16);
    FillThenStroke(cr, woodDark, kOutline, 2);
    PaintedNumber(cr, Font::Script, 112, number, cx, top + 112, kWhite, kRed, 3.5);
    BirdHouseRoof(cr, cx, top);
}

// The upper edge of the branch, lowered by dy.
void BranchTopPath(cairo_t* cr, double dy) {
    cairo_move_to(cr, -20, 440 + dy);
    cairo_curve_to(cr, 120, 410 + dy, 260, 420 + dy, 470, 396 + dy);
}

// A branch reaching in from the left with a twig, snow lying along its top
// in two drifts, and holly on it.
void SnowyBranch(cairo_t* cr) {
    cairo_move_to(cr, 400, 404);
    cairo_line_to(cr, 470, 346);
    cairo_line_to(cr, 478, 354);
    cairo_line_to(cr, 416, 410);
    cairo_close_path(cr);
    FillThenStroke(cr, kBranchBark, kOutline, 2.5);
    BranchTopPath(cr, 0);
    cairo_line_to(cr, 474, 412);
    cairo_curve_to(cr, 270, 440, 130, 440, -20, 466);
    cairo_close_path(cr);
    FillThenStroke(cr, kBranchBark, kOutline, kLine);
    const double drifts[4] = {180, 50, 220, 400};
    cairo_set_dash(cr, drifts, 4, -12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    BranchTopPath(cr, -5);
    SetColour(cr, Hex(0x9FB4CE));
    cairo_set_line_width(cr, 15);
    cairo_stroke(cr);
    BranchTopPath(cr, -5);
    SetColour(cr, kSnow);
    cairo_set_line_width(cr, 11);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    DrawHolly(cr, 120, 452, 1.3, 0.2);
    DrawHolly(cr, 436, 420, 1.1, -0.5);
}

}  // namespace

void Day8Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x9CC4E4), Hex(0xD6E4F0), Hex(0xF6DCCB), 520);
    DrawGlow(cr, kSunX, kSunY, 220, Hex(0xFFF1D6), 0.6);
    cairo_arc(cr, kSunX, kSunY, 46, 0, 2 * kPi);
    SetColour(cr, Hex(0xFFF4DE));
    cairo_fill(cr);
    // Distant snowy trees.
    Random rnd(88);
    for (int i = 0; i < 12; ++i) {
        Fir(cr, rnd.Uniform(0, 800), 560 + rnd.Uniform(-10, 10), rnd.Uniform(90, 150), Hex(0x7FA6B5), true, 1.5);
    }
    SnowGround(cr, 560, 400, 550, 570);
    BirdHouse(cr, 600, 236, "8");
    SnowyBranch(cr);
    Robin(cr, 250, 318, 1.0);
}

}  // namespace artgen::doors
