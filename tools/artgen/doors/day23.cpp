// Day 23: a red post box in the snowy street with letters for Santa, the 23 in
// gold.
#include "door_parts.h"

#include <array>
#include <utility>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kIronBlack = Hex(0x1E1E28), kSnowEdge = Hex(0x8FA0C0);
// The pillar box: its column's sides, the top of the column under the cap,
// and the ground it stands on; its centre line.
constexpr double kBoxLeft = 310, kBoxRight = 490, kBoxTop = 230, kBoxBottom = 560, kBoxX = 400;
constexpr double kPlinthHeight = 30;

// A row of houses across the street, snow on their roofs, most windows lit.
void HousesAcrossTheStreet(cairo_t* cr) {
    Random rnd(2323);
    for (int i = 0; i < 6; ++i) {
        const double x = i * 140 - 30, w = 130, h = rnd.Uniform(130, 190), base = 430;
        const Rgb wall = i % 2 ? Hex(0x6E5A7A) : Hex(0x5E4C70);
        cairo_rectangle(cr, x, base - h, w, h);
        FillThenStroke(cr, wall, kOutline, 2.5);
        cairo_move_to(cr, x - 10, base - h);
        cairo_line_to(cr, x + w / 2, base - h - 50);
        cairo_line_to(cr, x + w + 10, base - h);
        cairo_close_path(cr);
        FillThenStroke(cr, kSnow, kSnowEdge, 2);
        for (int k = 0; k < 2; ++k) {
            RoundedRectPath(cr, x + 22 + k * 52, base - h + 34, 34, 40, 3);
            FillThenStroke(cr, rnd.Uniform(0, 1) < 0.75 ? Hex(0xFFD66B) : Hex(0x3A3A5A), kOutline, 2);
        }
    }
}

// Envelopes lying in the snow, each with its flap and stamp.
void LettersInTheSnow(cairo_t* cr) {
    for (const auto& [x, y, a] :
         {std::array{200.0, 540.0, 0.3}, std::array{600.0, 550.0, -0.25}, std::array{650.0, 500.0, 0.15}}) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -46, -28, 92, 56);
        FillThenStroke(cr, kWhite, kOutline, 2.5);
        cairo_move_to(cr, -46, -28);
        cairo_line_to(cr, 0, 4);
        cairo_line_to(cr, 46, -28);
        SetColour(cr, Hex(0x9AA6B8));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_rectangle(cr, 26, -22, 14, 16);
        SetColour(cr, kRed);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

// The pillar box: a red column on a black plinth, a rim and a domed cap.
void PillarBox(cairo_t* cr) {
    constexpr double l = kBoxLeft, r = kBoxRight, top = kBoxTop, kPlinthTop = kBoxBottom - kPlinthHeight;
    cairo_rectangle(cr, l - 10, kPlinthTop, r - l + 20, kPlinthHeight);
    FillThenStroke(cr, kIronBlack, kOutline, kLine);
    cairo_rectangle(cr, l, top, r - l, kPlinthTop - top);
    LinearSource(cr, l, 0, r, 0, {{0, Hex(0xA3172A)}, {0.35, Hex(0xF0505E)}, {0.6, kRed}, {1, Hex(0x8A1020)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    RoundedRectPath(cr, l - 14, top - 14, r - l + 28, 30, 8);
    FillThenStroke(cr, kRedShade, kOutline, kLine);
    cairo_move_to(cr, l - 6, top - 12);
    cairo_curve_to(cr, l, top - 90, r, top - 90, r + 6, top - 12);
    cairo_close_path(cr);
    LinearSource(cr, l, 0, r, 0, {{0, Hex(0xA3172A)}, {0.4, Hex(0xF0505E)}, {1, Hex(0x8A1020)}});
    FillSourceThenStroke(cr, kOutline, kLine);
}

// Snow heaped on the cap, hanging over its rim.
void SnowOnTheCap(cairo_t* cr) {
    constexpr double l = kBoxLeft, r = kBoxRight, top = kBoxTop;
    cairo_move_to(cr, l - 18, top - 10);
    cairo_curve_to(cr, l - 10, top - 70, l + 40, top - 96, kBoxX, top - 98);
    cairo_curve_to(cr, r - 40, top - 96, r + 10, top - 70, r + 18, top - 10);
    cairo_curve_to(cr, r, top - 4, r - 20, top + 10, r - 40, top);
    cairo_curve_to(cr, 440, top + 8, 360, top - 6, l + 30, top + 4);
    cairo_curve_to(cr, l + 10, top + 8, l - 10, top, l - 18, top - 10);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kSnowEdge, 2.5);
}

// The slot with letters for Santa sticking out of it.
void SlotWithLetters(cairo_t* cr) {
    constexpr double kSlotY = 262;
    RoundedRectPath(cr, kBoxX - 50, kSlotY, 100, 18, 6);
    FillThenStroke(cr, kIronBlack, kOutline, 2.5);
    for (const auto& [x, a] : {std::pair{372.0, -0.2}, std::pair{414.0, 0.15}}) {
        cairo_save(cr);
        cairo_translate(cr, x, kSlotY);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -26, -44, 52, 50);
        FillThenStroke(cr, x < kBoxX ? kWhite : Hex(0xFFF1C4), kOutline, 2.5);
        cairo_restore(cr);
    }
}

// The plate of collection times under the slot.
void CollectionPlate(cairo_t* cr) {
    RoundedRectPath(cr, kBoxX - 58, 300, 116, 60, 6);
    FillThenStroke(cr, kWhite, kOutline, 2.5);
    SetColour(cr, kIronBlack);
    cairo_set_line_width(cr, 3);
    for (double y : {316.0, 330.0, 344.0}) {
        cairo_move_to(cr, kBoxX - 44, y);
        cairo_line_to(cr, kBoxX + 44, y);
    }
    cairo_stroke(cr);
}

}  // namespace

void Day23Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x26305E), Hex(0x4A4E86), Hex(0xB898B8), 420);
    StarField(cr, 2323, 30, 2, 10, 260);
    HousesAcrossTheStreet(cr);
    SnowGround(cr, 440, 400, 430, 450);
    GroundShadow(cr, kBoxX, kBoxBottom, 150, 18, 0.3);
    LettersInTheSnow(cr);
    PillarBox(cr);
    SnowOnTheCap(cr);
    SlotWithLetters(cr);
    CollectionPlate(cr);
    PaintedNumber(cr, Font::Script, 100, "23", kBoxX, 440, kGold, Hex(0x7A0F1C), 3);
    // Holly tied round its middle.
    DrawHolly(cr, 482, 380, 1.2, 0.6);
}

}  // namespace artgen::doors
