// Day 2: three stockings on the mantelpiece, the middle one knitted with the 2.
#include "door_parts.h"
#include "door_rooms.h"

#include <string>

namespace artgen::doors {

using namespace parts;

namespace {

// The mantelpiece: its shelf across the picture, its front below.
constexpr double kShelfY = 222, kShelfDepth = 34, kMantelTop = 256;
// The garland's swag along the shelf, and the baubles hanging from it.
constexpr double kGarlandLeft = -10, kGarlandRight = 810, kGarlandSag = 6;

// The stocking's leg and foot, the toe pointing left, in its own coordinates
// (the cuff's top centre at the origin).
void StockingLegPath(cairo_t* cr) {
    cairo_move_to(cr, -70, 40);
    cairo_line_to(cr, -74, 200);
    cairo_curve_to(cr, -78, 232, -110, 236, -150, 246);
    cairo_curve_to(cr, -210, 260, -218, 330, -150, 334);
    cairo_curve_to(cr, -80, 338, 20, 330, 50, 296);
    cairo_curve_to(cr, 76, 266, 72, 230, 72, 200);
    cairo_line_to(cr, 74, 40);
    cairo_close_path(cr);
}

// The loop the stocking hangs by.
void HangingLoop(cairo_t* cr, Rgb trim) {
    cairo_move_to(cr, 40, 8);
    cairo_curve_to(cr, 44, -26, 70, -26, 72, 8);
    SetColour(cr, Lighten(trim, -0.2));
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

// Heel and toe patches and a knitted band of diamonds, inside the leg.
void KnittedTrim(cairo_t* cr, Rgb trim) {
    constexpr double kBandY = 198;
    cairo_save(cr);
    StockingLegPath(cr);
    cairo_clip(cr);
    EllipsePath(cr, 52, 290, 40, 46);
    EllipsePath(cr, -182, 300, 44, 50);
    cairo_rectangle(cr, -90, kBandY - 8, 180, 16);
    SetColour(cr, trim);
    cairo_fill(cr);
    SetColour(cr, kWhite, 0.9);
    for (double px = -80; px < 90; px += 18) {
        cairo_move_to(cr, px, kBandY);
        cairo_line_to(cr, px + 6, kBandY - 6);
        cairo_line_to(cr, px + 12, kBandY);
        cairo_line_to(cr, px + 6, kBandY + 6);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

// The fur cuff across the top, with a scalloped shadow along its lower edge.
void FurCuff(cairo_t* cr, double lineWidth, double scale) {
    constexpr double kHeight = 60;
    RoundedRectPath(cr, -86, 0, 172, kHeight, 24);
    LinearSource(cr, 0, 0, 0, kHeight, {{0, kWhite}, {0.7, Hex(0xF1F4F8)}, {1, Hex(0xD3DDE9)}});
    FillSourceThenStroke(cr, kOutline, lineWidth);
    SetColour(cr, Hex(0xD3DDE9));
    cairo_set_line_width(cr, 2.5 / scale);
    for (double px = -64; px < 70; px += 22) {
        cairo_move_to(cr, px, 44);
        cairo_curve_to(cr, px + 4, 38, px + 10, 38, px + 14, 44);
    }
    cairo_stroke(cr);
}

// A knitted stocking hanging from (x, top), scaled; the day on its leg if
// `number` is not empty.
void Stocking(cairo_t* cr, double x, double top, double scale, Rgb colour, Rgb trim, const std::string& number) {
    cairo_save(cr);
    cairo_translate(cr, x, top);
    cairo_scale(cr, scale, scale);
    const double lw = kLine / scale;
    HangingLoop(cr, trim);
    StockingLegPath(cr);
    LinearSource(cr, -80, 0, 80, 0, {{0, Lighten(colour, -0.2)}, {0.55, colour}, {1, Lighten(colour, -0.1)}});
    cairo_fill(cr);
    KnittedTrim(cr, trim);
    StockingLegPath(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    FurCuff(cr, lw, scale);
    if (!number.empty()) PaintedNumber(cr, Font::Script, 150, number, 0, 124, kWhite, Lighten(trim, -0.1), 5);
    cairo_restore(cr);
}

// The mantel's front with the fireplace opening glowing from the embers, and
// its two panels.
void MantelFront(cairo_t* cr) {
    constexpr double kOpeningLeft = 220, kOpeningRight = 580, kOpeningShoulder = 440;
    cairo_rectangle(cr, 40, kMantelTop - 4, 720, 360);
    LinearSource(cr, 0, kMantelTop - 4, 0, 600, {{0, Hex(0xF4EADB)}, {1, Hex(0xDCCBB3)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_move_to(cr, kOpeningLeft, 610);
    cairo_line_to(cr, kOpeningLeft, kOpeningShoulder);
    cairo_curve_to(cr, kOpeningLeft, 380, kOpeningRight, 380, kOpeningRight, kOpeningShoulder);
    cairo_line_to(cr, kOpeningRight, 610);
    cairo_close_path(cr);
    RadialSource(cr, 400, 600, 10, 220, {{0, Hex(0xC2581E)}, {0.35, Hex(0x5A2414)}, {1, Hex(0x22140F)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    for (double px : {80.0, 620.0}) {
        RoundedRectPath(cr, px, 300, 100, 280, 6);
        SetColour(cr, Hex(0xC9B69A));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

// The shelf with a pine garland along it, baubles hanging from the garland.
void Shelf(cairo_t* cr) {
    cairo_rectangle(cr, 10, kShelfY, 780, kShelfDepth);
    LinearSource(cr, 0, kShelfY, 0, kMantelTop, {{0, Hex(0x9A6238)}, {1, Hex(0x6B3E1E)}});
    FillSourceThenStroke(cr, kOutline, 3);
    PineGarland(cr, kGarlandLeft, kGarlandRight, kShelfY, kGarlandSag, 202, 26);
    const Rgb bauble[3] = {kRed, kGold, Hex(0x2D7BD8)};
    for (int i = 0; i < 9; ++i) {
        const Point2D p = SwagPoint(kGarlandLeft, kGarlandRight, kShelfY + 10, kGarlandSag, (i + 0.5) / 9);
        Bauble(cr, p.x, p.y + 4, 9, bauble[i % 3], 2);
    }
}

}  // namespace

void Day2Still(cairo_t* cr) {
    Wallpaper(cr, Hex(0xA5CBAE), Hex(0x98C3A2), 600, 96, 40);
    // Light from the room falling on the wall behind the mantel.
    DrawGlow(cr, 420, 300, 420, Hex(0xFFF2D6), 0.35);
    MantelFront(cr);
    Shelf(cr);
    // Hooks under the shelf and the three stockings, the middle one with the day.
    for (double hx : {176.0, 496.0, 726.0}) {
        RoundedRectPath(cr, hx - 7, kMantelTop - 4, 14, 16, 4);
        FillThenStroke(cr, kGold, kOutline, 2);
    }
    Stocking(cr, 126, 278, 0.6, Hex(0x23874A), Hex(0xF4C132), "");
    Stocking(cr, 676, 278, 0.6, Hex(0x2D6FC4), Hex(0xFFFFFF), "");
    Stocking(cr, 440, 282, 0.92, kRed, Hex(0x1E8A45), "2");
}

}  // namespace artgen::doors
