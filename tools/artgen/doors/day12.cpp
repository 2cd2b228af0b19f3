// Day 12: a Christmas pudding with holly and a paper flag with the 12.
#include "door_parts.h"
#include "door_rooms.h"

#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr double kTableY = 400;
// The plate's centre, and the pudding's centre line and the row it sits on.
constexpr double kPlateX = 400, kPlateY = 490;
constexpr double kPuddingX = 400, kPuddingBase = 480, kPuddingTop = 250;
// The top of the flag's stick, stuck in the pudding.
constexpr double kFlagX = 470, kFlagY = 150;

// A damask-like pattern of small gold diamonds on the green wall.
void DamaskWall(cairo_t* cr) {
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 11; ++c) {
            const double x = 40 + c * 76 + (r % 2) * 38, y = 150 + r * 50;
            StarPath(cr, x, y, 10, 4, 4, 0);
            SetColour(cr, Hex(0xC9A54A), 0.35);
            cairo_fill(cr);
        }
}

// A red tablecloth with a white border.
void Tablecloth(cairo_t* cr) {
    Floor(cr, kTableY, Hex(0xC21E30), Hex(0x8A1020));
    for (double y : {kTableY + 20, kTableY + 36}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    SetColour(cr, Hex(0xFFF0E6));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    FrontEdge(cr, kTableY);
}

// A white plate with a blue rim.
void Plate(cairo_t* cr) {
    EllipsePath(cr, kPlateX, kPlateY, 250, 62);
    FillThenStroke(cr, kWhite, kOutline, kLine);
    EllipsePath(cr, kPlateX, kPlateY, 210, 46);
    SetColour(cr, Hex(0x2D6FC4));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    EllipsePath(cr, kPlateX, kPlateY + 4, 180, 36);
    SetColour(cr, Hex(0xE2E9F2));
    cairo_fill(cr);
}

// The pudding: a dome studded with fruit.
void Pudding(cairo_t* cr) {
    cairo_move_to(cr, 220, kPuddingBase);
    cairo_curve_to(cr, 210, 330, 300, kPuddingTop, kPuddingX, kPuddingTop);
    cairo_curve_to(cr, 500, kPuddingTop, 590, 330, 580, kPuddingBase);
    cairo_curve_to(cr, 520, 510, 280, 510, 220, kPuddingBase);
    cairo_close_path(cr);
    RadialSource(cr, 360, 320, 20, 240, {{0, Hex(0x8A4A26)}, {0.6, Hex(0x5E2E16)}, {1, Hex(0x3A1A0C)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    Random rnd(1212);
    for (int i = 0; i < 46; ++i) {
        const double x = rnd.Uniform(240, 560), y = rnd.Uniform(340, 480);
        if (std::pow((x - kPuddingX) / 180, 2) + std::pow((y - kPuddingBase) / 230, 2) > 1) continue;
        EllipsePath(cr, x, y, rnd.Uniform(4, 7), rnd.Uniform(3, 5));
        SetColour(cr, i % 5 == 0 ? Hex(0xC2282A) : Hex(0x24100A));
        cairo_fill(cr);
    }
}

// Brandy butter poured over the top, dripping down, and holly on it.
void BrandyButter(cairo_t* cr) {
    cairo_move_to(cr, 262, 350);
    cairo_curve_to(cr, 290, 270, 510, 270, 538, 350);
    cairo_curve_to(cr, 530, 380, 520, 390, 514, 366);
    cairo_curve_to(cr, 504, 350, 490, 400, 478, 360);
    cairo_curve_to(cr, 468, 344, 450, 420, 436, 366);
    cairo_curve_to(cr, 420, 350, 400, 380, 384, 362);
    cairo_curve_to(cr, 364, 348, 350, 410, 334, 364);
    cairo_curve_to(cr, 320, 344, 300, 390, 290, 364);
    cairo_curve_to(cr, 280, 348, 268, 380, 262, 350);
    cairo_close_path(cr);
    LinearSource(cr, 0, 270, 0, 400, {{0, Hex(0xFFFDF2)}, {1, Hex(0xF2E6C4)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    DrawHolly(cr, kPuddingX, 276, 2.0, 0);
}

// A little paper flag with the day, its stick stuck in the top.
void PaperFlag(cairo_t* cr) {
    cairo_move_to(cr, 430, 290);
    cairo_line_to(cr, kFlagX, kFlagY);
    SetColour(cr, Hex(0xC9A06A));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, kFlagX, kFlagY);
    cairo_curve_to(cr, 550, 136, 590, 170, 670, 156);
    cairo_line_to(cr, 652, 256);
    cairo_curve_to(cr, 580, 268, 540, 232, 448, 250);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xFFF8E6), kOutline, kLine);
    PaintedNumber(cr, Font::Script, 96, "12", 558, 204, kRed, kWhite, 2.5);
}

}  // namespace

void Day12Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x0F4A32), Hex(0x166040), Hex(0x0F4A32), kTableY);
    DamaskWall(cr);
    Tablecloth(cr);
    Plate(cr);
    Pudding(cr);
    BrandyButter(cr);
    PaperFlag(cr);
}

}  // namespace artgen::doors
