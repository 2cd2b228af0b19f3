// Day 15: a nutcracker soldier with his drum, the 15.
#include "door_parts.h"
#include "door_rooms.h"

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kJacketRed = Hex(0xCC2233), kBlack = Hex(0x1E1E28), kTrouserBlue = Hex(0x2A4FA8);
constexpr Rgb kBeardShade = Hex(0x8FA0B8);

// The soldier's centre line; he is drawn at kFigureScale about the point
// between his feet, kFeetY.
constexpr double kCx = 400, kFeetY = 566, kFigureScale = 0.9;
// His legs either side of the centre line, from the hips to the boots.
constexpr double kLegSpread = 34, kHipY = 410, kBootTop = 470;
// His jacket's shoulders and belt.
constexpr double kShoulderY = 300, kBeltY = 404;
// Where his hands hold the drumsticks, either side of the centre line.
constexpr double kHandSpread = 112, kHandY = 432;
// His square head, and the row where the beard starts.
constexpr double kHeadLeft = 344, kHeadTop = 178, kHeadW = 112, kHeadH = 120, kBeardY = 250;
// The drum he holds in front: the centre of its top, its radii and depth.
constexpr double kDrumX = 400, kDrumY = 470, kDrumRx = 110, kDrumRy = 26, kDrumDepth = 80;

// The stage floor, his shadow on it and the spotlight on him.
void Stage(cairo_t* cr) {
    Floor(cr, 520, Hex(0x9A6238), Hex(0x6B3E1E));
    GroundShadow(cr, kCx, 556, 170, 18, 0.4);
    DrawGlow(cr, kCx, 360, 300, Hex(0xFFF1C4), 0.35);
}

// Blue trousers and shiny black boots.
void LegsAndBoots(cairo_t* cr) {
    for (double s : {-1.0, 1.0}) {
        const double legX = kCx + s * kLegSpread;
        cairo_rectangle(cr, legX - 24, kHipY, 48, 100);
        FillThenStroke(cr, kTrouserBlue, kOutline, kLine);
        RoundedRectPath(cr, legX - 30, kBootTop, 60, 78, 10);
        FillThenStroke(cr, kBlack, kOutline, kLine);
        cairo_move_to(cr, legX - 20, kBootTop + 10);
        cairo_line_to(cr, legX - 10, kBootTop + 60);
        SetColour(cr, Hex(0x50505E));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
}

// The red jacket with its belt and buckle, gold buttons and braid.
void Jacket(cairo_t* cr) {
    cairo_move_to(cr, 320, kShoulderY);
    cairo_curve_to(cr, 330, 280, 470, 280, 480, kShoulderY);
    cairo_line_to(cr, 492, 430);
    cairo_line_to(cr, 308, 430);
    cairo_close_path(cr);
    LinearSource(cr, 308, 0, 492, 0,
                 {{0, Lighten(kJacketRed, -0.2)}, {0.5, kJacketRed}, {1, Lighten(kJacketRed, -0.25)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_rectangle(cr, 304, kBeltY, 192, 22);
    FillThenStroke(cr, kBlack, kOutline, kLine);
    RoundedRectPath(cr, kCx - 14, kBeltY, 28, 22, 3);
    FillThenStroke(cr, kGold, kOutline, 2);
    for (double y : {318.0, 346.0, 374.0}) {
        for (double s : {-1.0, 1.0}) {
            cairo_arc(cr, kCx + s * 22, y, 6, 0, 2 * kPi);
            FillThenStroke(cr, kGold, kOutline, 1.5);
        }
        cairo_move_to(cr, kCx - 22, y);
        cairo_line_to(cr, kCx + 22, y);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

// Sleeves down to the drumsticks, gold epaulettes and white gloves.
void Arms(cairo_t* cr) {
    for (double s : {-1.0, 1.0}) {
        CapsulePath(cr, kCx + s * 84, kShoulderY + 4, 22, kCx + s * 110, 420, 20);
        FillThenStroke(cr, kJacketRed, kOutline, kLine);
        EllipsePath(cr, kCx + s * 84, kShoulderY - 2, 32, 14);
        FillThenStroke(cr, kGold, kOutline, kLine);
        cairo_arc(cr, kCx + s * kHandSpread, kHandY, 18, 0, 2 * kPi);
        FillThenStroke(cr, kWhite, kOutline, kLine);
    }
}

// The square jaw, the white beard round it and the mouth in it.
void FaceAndBeard(cairo_t* cr) {
    constexpr double kRight = kHeadLeft + kHeadW;
    RoundedRectPath(cr, kHeadLeft, kHeadTop, kHeadW, kHeadH, 18);
    LinearSource(cr, kHeadLeft, 0, kRight, 0, {{0, Hex(0xF2D2B8)}, {0.5, Hex(0xFBE6D4)}, {1, Hex(0xE8BFA0)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_move_to(cr, kHeadLeft, kBeardY);
    cairo_curve_to(cr, 350, 320, 450, 320, kRight, kBeardY);
    cairo_line_to(cr, kRight, 270);
    cairo_curve_to(cr, 440, 300, 360, 300, kHeadLeft, 270);
    cairo_close_path(cr);
    cairo_move_to(cr, kHeadLeft, kBeardY);
    cairo_curve_to(cr, 340, 300, 370, 320, kCx, 322);
    cairo_curve_to(cr, 430, 320, 460, 300, kRight, kBeardY);
    cairo_curve_to(cr, 440, 262, 360, 262, kHeadLeft, kBeardY);
    cairo_close_path(cr);
    FillThenStroke(cr, kWhite, kBeardShade, 2.5);
    RoundedRectPath(cr, kCx - 28, 268, 56, 16, 4);
    FillThenStroke(cr, Hex(0x9A3A30), kOutline, 2);
}

// The moustache, eyes, rosy cheeks and a round nose.
void Features(cairo_t* cr) {
    for (double s : {-1.0, 1.0}) {
        cairo_move_to(cr, kCx, 256);
        cairo_curve_to(cr, kCx + s * 20, 246, kCx + s * 34, 250, kCx + s * 40, 262);
        cairo_curve_to(cr, kCx + s * 28, 258, kCx + s * 14, 262, kCx, 262);
        cairo_close_path(cr);
        FillThenStroke(cr, kWhite, kBeardShade, 2);
        cairo_arc(cr, kCx + s * 24, 220, 7, 0, 2 * kPi);
        SetColour(cr, Hex(0x1E140C));
        cairo_fill(cr);
        EllipsePath(cr, kCx + s * 38, 242, 11, 8);
        SetColour(cr, Hex(0xF27A86), 0.7);
        cairo_fill(cr);
    }
    cairo_arc(cr, kCx, 238, 9, 0, 2 * kPi);
    FillThenStroke(cr, Hex(0xF2B09C), kOutline, 2);
}

// A tall black hat with a gold band, a star badge and a white plume.
void Shako(cairo_t* cr) {
    constexpr double kBrimY = 194, kCrownY = 110;
    cairo_move_to(cr, 338, kBrimY);
    cairo_line_to(cr, 346, kCrownY);
    cairo_curve_to(cr, 370, 100, 430, 100, 454, kCrownY);
    cairo_line_to(cr, 462, kBrimY);
    cairo_close_path(cr);
    LinearSource(cr, 338, 0, 462, 0, {{0, kBlack}, {0.45, Hex(0x3A3A4A)}, {1, kBlack}});
    FillSourceThenStroke(cr, kOutline, 2);
    cairo_rectangle(cr, 334, kBrimY - 10, 132, 16);
    FillThenStroke(cr, kGold, kOutline, 2.5);
    StarPath(cr, kCx, 148, 20, 9, 5, 0);
    FillThenStroke(cr, kGold, kOutline, 2);
    EllipsePath(cr, 448, kCrownY + 2, 12, 26);
    FillThenStroke(cr, kWhite, kBeardShade, 2);
}

// The drum: its far rim, the white shell laced in gold, its top, the red
// hoop and the day on the shell.
void Drum(cairo_t* cr) {
    constexpr double kLeft = kDrumX - kDrumRx, kRight = kDrumX + kDrumRx, kBottom = kDrumY + kDrumDepth;
    EllipsePath(cr, kDrumX, kBottom, kDrumRx, kDrumRy);
    FillThenStroke(cr, kJacketRed, kOutline, kLine);
    cairo_rectangle(cr, kLeft, kDrumY, 2 * kDrumRx, kDrumDepth);
    LinearSource(cr, kLeft, 0, kRight, 0, {{0, Hex(0xE8E0D0)}, {0.4, kWhite}, {1, Hex(0xC9C0B0)}});
    cairo_fill(cr);
    cairo_move_to(cr, kLeft, kDrumY);
    cairo_line_to(cr, kLeft, kBottom);
    cairo_move_to(cr, kRight, kDrumY);
    cairo_line_to(cr, kRight, kBottom);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    SetColour(cr, kGoldShade);
    cairo_set_line_width(cr, 3);
    for (int k = 0; k < 5; ++k) {
        const double x0 = kLeft + k * 44;
        cairo_move_to(cr, x0, kDrumY + 6);
        cairo_line_to(cr, x0 + 22, kDrumY + 74);
        cairo_line_to(cr, x0 + 44, kDrumY + 6);
    }
    cairo_stroke(cr);
    EllipsePath(cr, kDrumX, kDrumY, kDrumRx, kDrumRy);
    FillThenStroke(cr, Hex(0xF6EEDC), kOutline, kLine);
    cairo_rectangle(cr, kLeft, kDrumY + 70, 2 * kDrumRx, 14);
    SetColour(cr, kJacketRed);
    cairo_fill(cr);
    PaintedNumber(cr, Font::Script, 92, "15", kDrumX, kDrumY + 42, Hex(0x1F4FA8), kWhite, 3);
}

// The drumsticks, from his hands to the drum's top.
void Drumsticks(cairo_t* cr) {
    for (double s : {-1.0, 1.0}) {
        cairo_move_to(cr, kDrumX + s * kHandSpread, kHandY);
        cairo_line_to(cr, kDrumX + s * 40, kDrumY - 10);
        SetColour(cr, kOutline);
        cairo_set_line_width(cr, 9);
        cairo_stroke(cr);
        cairo_move_to(cr, kDrumX + s * kHandSpread, kHandY);
        cairo_line_to(cr, kDrumX + s * 40, kDrumY - 10);
        SetColour(cr, Hex(0xE8CFA0));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
}

}  // namespace

void Day15Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x15215C), Hex(0x24338A), Hex(0x15215C));
    StarField(cr, 1515, 30, 6, 140, 560);
    Stage(cr);
    cairo_save(cr);
    cairo_translate(cr, kCx, kFeetY);
    cairo_scale(cr, kFigureScale, kFigureScale);
    cairo_translate(cr, -kCx, -kFeetY);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    LegsAndBoots(cr);
    Jacket(cr);
    Arms(cr);
    FaceAndBeard(cr);
    Features(cr);
    Shako(cr);
    Drum(cr);
    Drumsticks(cr);
    cairo_restore(cr);
}

}  // namespace artgen::doors
