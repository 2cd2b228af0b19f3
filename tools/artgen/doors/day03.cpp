// Day 3: a gingerbread man with the 3 piped on his tummy.
#include "door_parts.h"

#include <array>
#include <utility>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kDough = Hex(0xC98142), kDoughShade = Hex(0xA2602A);
// The man's centre line, and where the parts of his face and front sit on it.
constexpr double kCx = 400;
constexpr double kEyeY = 202, kCheekY = 236, kBowTieY = 292, kNumberY = 392, kButtonY = 458;
constexpr std::array<double, 2> kEyeXs = {372, 428};

// Polka dots of icing sugar on the background, none in the header's band.
void IcingSugarDots(cairo_t* cr) {
    Random rnd(33);
    for (int i = 0; i < 70; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(140, 600), r = rnd.Uniform(3, 7);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        SetColour(cr, kWhite, 0.75);
        cairo_fill(cr);
    }
}

// Head, body, arms and legs as one shape: limbs are joined capsules, so the
// outline runs once round the whole man.
void GingerbreadPath(cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, kCx, 214, 74, 0, 2 * kPi);
    RoundedRectPath(cr, 318, 272, 164, 200, 64);
    CapsulePath(cr, 370, 310, 44, 236, 236, 42);
    CapsulePath(cr, 430, 310, 44, 572, 372, 42);
    CapsulePath(cr, 356, 440, 50, 314, 548, 46);
    CapsulePath(cr, 444, 440, 50, 486, 548, 46);
}

void BakedBody(cairo_t* cr) {
    GingerbreadPath(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2 * kLine);
    cairo_stroke(cr);
    GingerbreadPath(cr);
    RadialSource(cr, 380, 300, 40, 320, {{0, Lighten(kDough, 0.15)}, {0.6, kDough}, {1, kDoughShade}});
    cairo_fill(cr);
}

// A zigzag of icing across a limb, in the current source and line width.
void IcingSquiggle(cairo_t* cr, double x, double y, double angle, double len) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, 0, -len / 2);
    for (int k = 1; k <= 6; ++k) cairo_line_to(cr, (k % 2 ? 8 : -8), -len / 2 + len * k / 6);
    cairo_restore(cr);
    cairo_stroke(cr);
}

void IcingAtWristsAndAnkles(cairo_t* cr) {
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    IcingSquiggle(cr, 262, 250, -0.5, 70);
    IcingSquiggle(cr, 546, 360, 0.4, 70);
    IcingSquiggle(cr, 322, 522, 0.35, 76);
    IcingSquiggle(cr, 478, 522, -0.35, 76);
}

// Icing eyes with chocolate pupils, rosy cheeks and a piped smile.
void Face(cairo_t* cr) {
    for (double ex : kEyeXs) {
        cairo_arc(cr, ex, kEyeY, 13, 0, 2 * kPi);
        FillThenStroke(cr, kWhite, kOutline, 2);
        cairo_arc(cr, ex + 2, kEyeY + 2, 7, 0, 2 * kPi);
        SetColour(cr, Hex(0x3A1E10));
        cairo_fill(cr);
        cairo_arc(cr, ex, kEyeY - 2, 2.5, 0, 2 * kPi);
        SetColour(cr, kWhite);
        cairo_fill(cr);
    }
    for (double cx : {kCx - 50, kCx + 50}) {
        EllipsePath(cr, cx, kCheekY, 14, 9);
        SetColour(cr, Hex(0xF07A86), 0.7);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 366, 240);
    cairo_curve_to(cr, 380, 262, 420, 262, 434, 240);
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

void BowTie(cairo_t* cr) {
    for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, kCx, kBowTieY);
        cairo_line_to(cr, kCx + side * 36, kBowTieY - 18);
        cairo_line_to(cr, kCx + side * 36, kBowTieY + 20);
        cairo_close_path(cr);
    }
    FillThenStroke(cr, kRed, kOutline, 2.5);
    cairo_arc(cr, kCx, kBowTieY, 9, 0, 2 * kPi);
    FillThenStroke(cr, kRedShade, kOutline, 2.5);
}

// The day, piped in icing on his tummy over its shadow, and two gumdrop
// buttons below it.
void PipedNumberAndButtons(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 3, 4);
    CentredNumberPath(cr, Font::Rounded, 150, "3", kCx, kNumberY);
    SetColour(cr, kDoughShade);
    cairo_fill(cr);
    cairo_restore(cr);
    CentredNumberPath(cr, Font::Rounded, 150, "3", kCx, kNumberY);
    FillThenStroke(cr, kWhite, Hex(0xD8E2EE), 1.5);
    for (const auto& [bx, colour] : {std::pair{kEyeXs[0], Hex(0x2FA24D)}, std::pair{kEyeXs[1], kRed}}) {
        cairo_arc(cr, bx, kButtonY, 9, 0, 2 * kPi);
        FillThenStroke(cr, colour, kOutline, 2);
    }
}

}  // namespace

void Day3Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0xCBE6F5), Hex(0xB4D8EE), Hex(0x9DC6E4));
    DrawGlow(cr, 400, 360, 330, Hex(0xFFFFFF), 0.6);
    IcingSugarDots(cr);
    // Star biscuits around the edges.
    constexpr StarBiscuitShape kBiscuit{44, 22, 32, 15, Hex(0xD9A05B), kLine, 3};
    for (const auto& [x, y, a] : {std::array{110.0, 470.0, 0.3}, std::array{690.0, 220.0, -0.2},
                                  std::array{700.0, 500.0, 0.1}, std::array{120.0, 230.0, 0.5}}) {
        StarBiscuit(cr, x, y, a, kBiscuit);
    }
    GroundShadow(cr, 400, 570, 180, 20, 0.2);
    BakedBody(cr);
    IcingAtWristsAndAnkles(cr);
    Face(cr);
    BowTie(cr);
    PipedNumberAndButtons(cr);
}

}  // namespace artgen::doors
