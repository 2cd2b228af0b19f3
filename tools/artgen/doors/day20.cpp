// Day 20: a toy train with a wagon of presents, the 20 on the cab; the wheels
// turn and smoke puffs.
#include "door_parts.h"
#include "door_rooms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kIronBlack = Hex(0x1E1E28);
// The rails' row, the engine's chimney, and the drive wheels' centres.
constexpr double kRail = 520;
constexpr double kChimneyX = 520, kChimneyTop = 318;
constexpr std::array<double, 3> kDrivers = {400, 480, 560};
constexpr double kDriverY = kRail - 32;
// The skirting board along the wall, and the floor in front of it.
constexpr double kSkirtingTop = 440, kFloorY = 470;

// A red wheel with gold spokes turned by `angle`.
void Wheel(cairo_t* cr, double x, double y, double r, double angle) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    FillThenStroke(cr, kRed, kOutline, kLine);
    cairo_arc(cr, x, y, r * 0.72, 0, 2 * kPi);
    SetColour(cr, kIronBlack);
    cairo_fill(cr);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 4);
    for (int k = 0; k < 6; ++k) {
        const double a = angle + k * kPi / 3;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + r * 0.72 * std::cos(a), y + r * 0.72 * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_arc(cr, x, y, r * 0.2, 0, 2 * kPi);
    FillThenStroke(cr, kGold, kOutline, 2);
}

// Wallpaper of small stars, a skirting board and the floor.
void PlayroomWall(cairo_t* cr) {
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 12; ++c) {
            StarPath(cr, 30 + c * 68 + (r % 2) * 34, 160 + r * 48, 7, 3, 5, 0);
            SetColour(cr, kWhite, 0.3);
            cairo_fill(cr);
        }
    cairo_rectangle(cr, 0, kSkirtingTop, 800, kFloorY - kSkirtingTop);
    FillThenStroke(cr, Hex(0xF2E8D8), kOutline, 2.5);
    Floor(cr, kFloorY, Hex(0x9A6238), Hex(0x6B3E1E));
}

// The track: sleepers and two rails.
void Track(cairo_t* cr) {
    for (double x = -10; x < 810; x += 40) {
        cairo_rectangle(cr, x, kRail + 6, 26, 12);
        FillThenStroke(cr, Hex(0x5A3219), kOutline, 1.5);
    }
    for (double y : {kRail + 4.0, kRail + 16.0}) {
        cairo_move_to(cr, -10, y);
        cairo_line_to(cr, 810, y);
    }
    SetColour(cr, Hex(0x8A8F9A));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

// A wagon full of presents behind the engine, and its coupling.
void WagonOfPresents(cairo_t* cr) {
    RoundedRectPath(cr, 120, 420, 190, 70, 6);
    FillThenStroke(cr, Hex(0x2D6FC4), kOutline, kLine);
    Present(cr, 132, 350, 70, 68, kRed, kGold, 2.5);
    Present(cr, 212, 362, 60, 56, Hex(0x2FA24D), kWhite, 2.5);
    cairo_rectangle(cr, 310, 452, 40, 10);
    FillThenStroke(cr, Hex(0x3A3A44), kOutline, 2);
}

// The engine's frame and its red boiler with gold bands.
void Boiler(cairo_t* cr) {
    constexpr double kTop = 346, kHeight = 80;
    RoundedRectPath(cr, 350, 410, 300, 80, 10);
    FillThenStroke(cr, kIronBlack, kOutline, kLine);
    RoundedRectPath(cr, 430, kTop, 200, kHeight, 38);
    LinearSource(cr, 0, kTop, 0, kTop + kHeight, {{0, Hex(0xF0505E)}, {0.5, kRed}, {1, kRedShade}});
    FillSourceThenStroke(cr, kOutline, kLine);
    for (double bx : {480.0, 560.0}) {
        cairo_rectangle(cr, bx, kTop, 12, kHeight);
        FillThenStroke(cr, kGold, kOutline, 2);
    }
}

// The cab with its roof, a window and the day on its side.
void Cab(cairo_t* cr) {
    constexpr double kLeft = 350, kWidth = 110;
    cairo_rectangle(cr, kLeft, 290, kWidth, 136);
    LinearSource(cr, kLeft, 0, kLeft + kWidth, 0, {{0, Hex(0x1A6B3A)}, {1, Hex(0x2E8A4A)}});
    FillSourceThenStroke(cr, kOutline, 2);
    RoundedRectPath(cr, kLeft - 12, 276, kWidth + 24, 22, 8);
    FillThenStroke(cr, kRedShade, kOutline, kLine);
    RoundedRectPath(cr, 372, 306, 66, 44, 6);
    FillThenStroke(cr, Hex(0xFFE9A0), kOutline, 2.5);
    PaintedNumber(cr, Font::Script, 62, "20", 405, 390, kGold, kWhite, 2.5);
}

// The chimney and the steam dome, the lamp and the cow-catcher at the front.
void ChimneyAndFront(cairo_t* cr) {
    cairo_move_to(cr, kChimneyX - 20, 350);
    cairo_line_to(cr, kChimneyX - 28, kChimneyTop);
    cairo_line_to(cr, kChimneyX + 28, kChimneyTop);
    cairo_line_to(cr, kChimneyX + 20, 350);
    cairo_close_path(cr);
    FillThenStroke(cr, kIronBlack, kOutline, kLine);
    RoundedRectPath(cr, kChimneyX - 32, kChimneyTop - 8, 64, 14, 5);
    FillThenStroke(cr, kGold, kOutline, 2);
    EllipsePath(cr, 596, 346, 22, 16);
    FillThenStroke(cr, kGold, kOutline, 2.5);
    cairo_arc(cr, 648, 380, 14, 0, 2 * kPi);
    FillThenStroke(cr, Hex(0xFFE9A0), kOutline, 2.5);
    cairo_move_to(cr, 650, 440);
    cairo_line_to(cr, 690, 500);
    cairo_line_to(cr, 650, 500);
    cairo_close_path(cr);
    FillThenStroke(cr, kRedShade, kOutline, kLine);
}

// The coupling rod across the drive wheels, its crank at `crank`.
void CouplingRod(cairo_t* cr, double crank) {
    const double rx = 14 * std::cos(crank), ry = 14 * std::sin(crank);
    cairo_move_to(cr, kDrivers[0] + rx, kDriverY + ry);
    cairo_line_to(cr, kDrivers[2] + rx, kDriverY + ry);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 11);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, kDrivers[0] + rx, kDriverY + ry);
    cairo_line_to(cr, kDrivers[2] + rx, kDriverY + ry);
    SetColour(cr, Hex(0xC9CED8));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

// Puffs of smoke rising from the chimney: each grows, drifts back and
// shrinks away, and the next takes its place, once round per loop.
void SmokePuffs(cairo_t* cr, double phase) {
    constexpr int kPuffs = 3;
    for (int i = kPuffs - 1; i >= 0; --i) {
        const double t = std::fmod(phase + double(i) / kPuffs, 1.0);
        const double x = kChimneyX - 10 - 180 * t, y = kChimneyTop - 20 - 200 * t + 60 * t * t;
        const double size = 14 + 50 * std::sin(kPi * std::min(1.0, t * 1.1));
        if (size < 16) continue;
        cairo_new_sub_path(cr);
        for (const auto& [dx, dy, f] :
             {std::array{0.0, 0.0, 1.0}, std::array{-0.7, 0.2, 0.7}, std::array{0.7, 0.25, 0.65}}) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x + dx * size, y + dy * size, size * f, 0, 2 * kPi);
        }
        SetColour(cr, Hex(0x8A9AAE));
        cairo_set_line_width(cr, 2 * 2.5);
        cairo_stroke_preserve(cr);
        SetColour(cr, Mix(kWhite, Hex(0xDCE4EE), t));
        cairo_fill(cr);
    }
}

}  // namespace

void Day20Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x3E8A8E), Hex(0x5BA6A4), Hex(0x7FBFB8), 460);
    PlayroomWall(cr);
    // Presents waiting by the wall.
    Present(cr, 40, 380, 100, 90, Hex(0xB74BD0), kWhite);
    Present(cr, 660, 360, 110, 110, Hex(0xF4C132), kRed);
    Track(cr);
    WagonOfPresents(cr);
    Boiler(cr);
    Cab(cr);
    ChimneyAndFront(cr);
}

void Day20Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    // Wheels turn a sixth of a turn per loop (the spokes look the same), the
    // coupling rod goes once round.
    const double spin = phase * kPi / 3;
    for (const auto& [x, r] : {std::pair{170.0, 26.0}, std::pair{260.0, 26.0}}) Wheel(cr, x, kRail - 22, r, spin);
    for (double x : kDrivers) Wheel(cr, x, kDriverY, 36, spin);
    Wheel(cr, 630, kRail - 20, 22, spin);
    CouplingRod(cr, 2 * kPi * phase);
    SmokePuffs(cr, phase);
}

}  // namespace artgen::doors
