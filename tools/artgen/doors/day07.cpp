// Day 7: three candles on a holly-ringed plate, the 7 on the tallest; the flames
// flicker.
#include "door_parts.h"
#include "door_rooms.h"

#include <array>
#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

struct Candle {
    double x, top, width;
    Rgb wax;
};
constexpr std::array<Candle, 3> kCandles = {
    {{262, 372, 64, Hex(0xF6EAD0)}, {400, 262, 84, Hex(0xD8283A)}, {536, 332, 64, Hex(0xF6EAD0)}}};
constexpr double kTableY = 500;
// The gold plate the candles stand on.
constexpr double kPlateX = 400, kPlateY = kTableY + 8;
constexpr double kFlameHeight = 58;

// Arched window panes faintly lit behind.
void DarkWindows(cairo_t* cr) {
    constexpr double kTop = 150, kWidth = 100, kHeight = 210;
    for (double wx : {70.0, 630.0}) {
        RoundedRectPath(cr, wx, kTop, kWidth, kHeight, 50);
        LinearSource(cr, 0, kTop, 0, kTop + kHeight, {{0, Hex(0x101B3C)}, {1, Hex(0x2B3F70)}});
        FillSourceThenStroke(cr, Hex(0x4A2A3A), 8);
        cairo_move_to(cr, wx + kWidth / 2, kTop);
        cairo_line_to(cr, wx + kWidth / 2, kTop + kHeight);
        cairo_move_to(cr, wx, kTop + kHeight / 2);
        cairo_line_to(cr, wx + kWidth, kTop + kHeight / 2);
        cairo_stroke(cr);
    }
}

// A candle standing on the plate, wax melted over its top and dripping down
// its side, and its wick.
void DrippingCandle(cairo_t* cr, const Candle& c) {
    const double l = c.x - c.width / 2, r = c.x + c.width / 2;
    cairo_move_to(cr, l, c.top + 8);
    cairo_line_to(cr, l, kTableY + 2);
    cairo_curve_to(cr, l + 10, kTableY + 12, r - 10, kTableY + 12, r, kTableY + 2);
    cairo_line_to(cr, r, c.top + 8);
    cairo_close_path(cr);
    LinearSource(cr, l, 0, r, 0, {{0, Lighten(c.wax, -0.15)}, {0.4, Lighten(c.wax, 0.25)}, {1, Lighten(c.wax, -0.2)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_move_to(cr, l - 2, c.top + 8);
    cairo_curve_to(cr, l, c.top - 6, r, c.top - 6, r + 2, c.top + 8);
    cairo_curve_to(cr, r, c.top + 30, r - 8, c.top + 34, r - 10, c.top + 14);
    cairo_curve_to(cr, c.x + 6, c.top + 20, c.x + 2, c.top + 50, c.x - 6, c.top + 16);
    cairo_curve_to(cr, l + 14, c.top + 22, l + 8, c.top + 40, l + 2, c.top + 16);
    cairo_close_path(cr);
    FillThenStroke(cr, Lighten(c.wax, 0.3), kOutline, 2.5);
    cairo_move_to(cr, c.x, c.top + 2);
    cairo_line_to(cr, c.x + 1, c.top - 10);
    SetColour(cr, Hex(0x2A1A12));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

// The gold plate in the candles' light, and a ring of holly round it.
void Plate(cairo_t* cr) {
    DrawGlow(cr, kPlateX, kTableY + 10, 300, Hex(0xFFB85C), 0.3);
    EllipsePath(cr, kPlateX, kPlateY, 250, 28);
    LinearSource(cr, 0, kTableY - 20, 0, kTableY + 36, {{0, Hex(0xFFE39A)}, {1, kGoldShade}});
    FillSourceThenStroke(cr, kOutline, kLine);
}

void HollyRing(cairo_t* cr) {
    for (int i = 0; i < 7; ++i) {
        DrawHolly(cr, 170 + i * 77, kTableY + 14 + 6 * std::sin(i * 1.7), 0.9, (i % 2 ? 0.4 : -0.3));
    }
}

}  // namespace

void Day7Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x1A1030), Hex(0x2B1838), Hex(0x3A1E30));
    for (const Candle& c : kCandles) FlameGlow(cr, c.x, c.top - 8, kFlameHeight * 2);
    DarkWindows(cr);
    TableTop(cr, kTableY, Hex(0x6B3A22), Hex(0x3E2012));
    Plate(cr);
    for (const Candle& c : kCandles) DrippingCandle(cr, c);
    PaintedNumber(cr, Font::Script, 130, "7", kCandles[1].x, 400, kGold, kWhite, 3.5);
    HollyRing(cr);
}

void Day7Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    for (size_t i = 0; i < kCandles.size(); ++i) {
        const Candle& c = kCandles[i];
        const double p = 2 * kPi * (phase + 0.31 * double(i));
        // Two rates of flicker that both come round once per loop.
        const double sway = 0.55 * std::sin(p) + 0.25 * std::sin(2 * p + 1.0);
        const double stretch = 1.0 + 0.1 * std::cos(2 * p) + 0.06 * std::sin(p + 0.5);
        Flame(cr, c.x, c.top - 8, kFlameHeight, sway, stretch);
    }
}

}  // namespace artgen::doors
