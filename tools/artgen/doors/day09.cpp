// Day 9: a big red bauble with the 9, swinging from a fir garland.
#include "door_parts.h"

#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

// The hook the big bauble swings from, and the bauble's centre below it.
constexpr double kPivotX = 400, kPivotY = 178;
constexpr double kBaubleR = 128, kBaubleDrop = 230;

// Out-of-focus lights behind the branch.
void BlurredLights(cairo_t* cr) {
    Random rnd(99);
    const Rgb lights[4] = {Hex(0xFFD36B), Hex(0xFF8A8A), Hex(0xA8E0FF), Hex(0xFFF1C4)};
    for (int i = 0; i < 26; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(170, 600), r = rnd.Uniform(18, 46);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        SetColour(cr, lights[i % 4], rnd.Uniform(0.12, 0.3));
        cairo_fill(cr);
    }
}

// Two gold bands round the swinging bauble, each with a row of white dots,
// clipped to the bauble.
void GoldBands(cairo_t* cr) {
    constexpr double r = kBaubleR, cy = kBaubleDrop;
    cairo_save(cr);
    cairo_arc(cr, 0, cy, r - 1.5, 0, 2 * kPi);
    cairo_clip(cr);
    for (double dy : {-70.0, 70.0}) {
        cairo_move_to(cr, -r, cy + dy);
        cairo_curve_to(cr, -r * 0.5, cy + dy + 18, r * 0.5, cy + dy + 18, r, cy + dy);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 10);
        cairo_stroke(cr);
        for (int k = -3; k <= 3; ++k) {
            cairo_arc(cr, k * 32, cy + dy + 14 - std::fabs(k) * 1.8, 4, 0, 2 * kPi);
            SetColour(cr, kWhite);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

}  // namespace

void Day9Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x0E3B2A), Hex(0x14503A), Hex(0x0B2E21));
    BlurredLights(cr);
    // Two baubles further back, smaller and darker, on their threads.
    Bauble(cr, 150, 330, 46, Hex(0x2D6FC4));
    Bauble(cr, 660, 300, 54, kGold);
    cairo_move_to(cr, 150, 170);
    cairo_line_to(cr, 150, 276);
    cairo_move_to(cr, 660, 170);
    cairo_line_to(cr, 660, 238);
    SetColour(cr, kGoldShade);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // The branch they hang from, across the top of the picture.
    cairo_move_to(cr, -20, 150);
    cairo_curve_to(cr, 200, 170, 500, 176, 820, 150);
    SetColour(cr, Hex(0x4A2E18));
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    PineGarland(cr, -20, 820, 158, 18, 909, 40);
}

void Day9Moving(cairo_t* cr, int frame, int frames) {
    const double angle = 0.11 * std::sin(2 * kPi * LoopPhase(frame, frames));
    cairo_save(cr);
    cairo_translate(cr, kPivotX, kPivotY);
    cairo_rotate(cr, angle);
    // Ribbon from the hook.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, 84);
    SetColour(cr, kRed);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    CelBauble(cr, 0, kBaubleDrop, kBaubleR, kRed, 3.5);
    GoldBands(cr);
    PaintedNumber(cr, Font::Script, 124, "9", 0, kBaubleDrop + 6, kGold, kWhite, 3.5);
    Bow(cr, 0, 30, 34, kRed);
    cairo_restore(cr);
}

}  // namespace artgen::doors
