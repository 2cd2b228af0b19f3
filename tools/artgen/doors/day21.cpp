// Day 21: a pair of jingle bells on a red bow, the 21 on one; they swing and
// ring.
#include "door_parts.h"

#include <cmath>
#include <string>

namespace artgen::doors {

using namespace parts;

namespace {

// The bow the two bells hang from on their ribbons.
constexpr double kBowX = 400, kBowY = 176;
// In a bell's own coordinates (its centre, with the ribbon running up to the
// bow): the top of its loop and where its clapper hangs.
constexpr double kLoopY = -92, kClapperY = 76, kRibbonGap = 88;

// The bell's outline: a dome flaring out to its rim.
void BellBodyPath(cairo_t* cr) {
    cairo_move_to(cr, -46, -40);
    cairo_curve_to(cr, -46, -90, 46, -90, 46, -40);
    cairo_curve_to(cr, 46, 0, 60, 40, 92, 64);
    cairo_curve_to(cr, 60, 86, -60, 86, -92, 64);
    cairo_curve_to(cr, -60, 40, -46, 0, -46, -40);
    cairo_close_path(cr);
}

// A stroke along the ribbon from the bow down to `end`.
void RibbonStroke(cairo_t* cr, double end, Rgb colour, double width) {
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, end);
    SetColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

// The clapper under the bell and the loop on its top.
void ClapperAndLoop(cairo_t* cr) {
    cairo_arc(cr, 0, kClapperY, 20, 0, 2 * kPi);
    RadialSource(cr, -6, kClapperY - 6, 2, 22, {{0, Hex(0xFFF1A6)}, {1, kGoldShade}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_arc(cr, 0, kLoopY, 14, 0, 2 * kPi);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 11);
    cairo_stroke(cr);
    cairo_arc(cr, 0, kLoopY, 14, 0, 2 * kPi);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

// The bell's body in flat steps of shading: the bell swings, and flat areas
// keep the frame-to-frame changes to its edges. Then the line of its rim and
// a glint.
void CelShadedBody(cairo_t* cr) {
    BellBodyPath(cr);
    SetColour(cr, kGold);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 30, -100, 80, 200);
    SetColour(cr, kGoldShade);
    cairo_fill(cr);
    cairo_rectangle(cr, -40, -100, 26, 200);
    SetColour(cr, Hex(0xFFE27A));
    cairo_fill(cr);
    cairo_restore(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_move_to(cr, -80, 58);
    cairo_curve_to(cr, -40, 74, 40, 74, 80, 58);
    SetColour(cr, kGoldShade);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, -24, -64);
    cairo_curve_to(cr, -30, -40, -32, -10, -40, 20);
    SetColour(cr, kWhite, 0.7);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// A jingle bell hanging `length` below the bow, turned by `angle`; on it the
// day, or a red star where `label` is empty.
void Bell(cairo_t* cr, double angle, double length, const std::string& label) {
    constexpr double kScale = 1.22;
    cairo_save(cr);
    cairo_translate(cr, kBowX, kBowY);
    cairo_rotate(cr, angle);
    cairo_scale(cr, kScale, kScale);
    length /= kScale;
    RibbonStroke(cr, length - kRibbonGap, kOutline, 14);
    RibbonStroke(cr, length - kRibbonGap, kRed, 9);
    cairo_translate(cr, 0, length);
    ClapperAndLoop(cr);
    CelShadedBody(cr);
    if (label.empty()) {
        StarPath(cr, 6, 4, 24, 10, 5, 0);
        FillThenStroke(cr, kRed, kOutline, 2);
    } else {
        PaintedNumber(cr, Font::Script, 84, label, 4, 10, kRed, Hex(0xFFF6D6), 2.5);
    }
    cairo_restore(cr);
}

// Arcs ringing out beside the bell that has swung out to `side`.
void RingingMarks(cairo_t* cr, double side) {
    const double cx = kBowX + side * 330, cy = 420;
    SetColour(cr, Hex(0xC28A12));
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 3; ++k) {
        const double r = 22 + k * 18;
        cairo_arc(cr, cx - side * 60, cy, r, side > 0 ? -0.6 : kPi - 0.6, side > 0 ? 0.6 : kPi + 0.6);
        cairo_stroke(cr);
    }
}

}  // namespace

void Day21Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x9FD0EC), Hex(0xC4E4F4), Hex(0xE8F5FB));
    DrawGlow(cr, 400, 380, 340, Hex(0xFFFFFF), 0.7);
    Random rnd(2121);
    for (int i = 0; i < 36; ++i) {
        SetColour(cr, kWhite, 0.9);
        DrawSnowflake(cr, rnd.Uniform(0, 800), rnd.Uniform(140, 600), rnd.Uniform(6, 14), rnd.Uniform(0, 1), 2.2);
    }
    // Holly along the bottom.
    for (int i = 0; i < 9; ++i) DrawHolly(cr, 20 + i * 96, 580 - 10 * std::sin(i * 2.1), 1.6, i % 2 ? 0.4 : -0.4);
}

void Day21Moving(cairo_t* cr, int frame, int frames) {
    // Half a step into the cycle, so that no two neighbouring frames share a
    // swing angle.
    const double s = std::sin(2 * kPi * (LoopPhase(frame, frames) + 1.0 / (2 * (frames - 1))));
    // The two bells swing against each other from their rest angles.
    Bell(cr, -0.4 + 0.11 * s, 262, "");
    Bell(cr, 0.4 + 0.11 * s, 282, "21");
    Bow(cr, kBowX, kBowY, 64, kRed);
    DrawHolly(cr, kBowX, kBowY - 8, 1.3, 0);
    // Ringing marks on the side each bell swings out to.
    if (std::fabs(s) > 0.5) RingingMarks(cr, s > 0 ? 1 : -1);
}

}  // namespace artgen::doors
