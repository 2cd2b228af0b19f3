// Day 17: a Christmas cracker with its paper crown, the 17 on its label.
#include "door_parts.h"

#include <array>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kFoil = Hex(0x8A2BB8), kFoilDark = Hex(0x5E1A82), kFoilLight = Hex(0xC27AE6);
constexpr Rgb kPaperGold = Hex(0xFFE27A);
// The cracker lies across the picture, turned about its centre; in its own
// coordinates the tube spans kTubeHalf either side, the necks reach
// kNeckEnd and the frilled ends kFrillEnd.
constexpr double kCrackerX = 390, kCrackerY = 390, kCrackerTurn = -0.2;
constexpr double kTubeHalf = 150, kNeckEnd = 200, kFrillEnd = 300, kFrillHalf = 80;

// Gold stars scattered over the background.
void ScatteredStars(cairo_t* cr) {
    Random rnd(1717);
    for (int i = 0; i < 60; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(140, 600), s = rnd.Uniform(4, 10);
        StarPath(cr, x, y, s, s * 0.45, 5, rnd.Uniform(0, 1));
        SetColour(cr, kGold, rnd.Uniform(0.3, 0.6));
        cairo_fill(cr);
    }
}

// The paper crown that came out of it, five points along its top.
void PaperCrown(cairo_t* cr) {
    constexpr double kHalf = 90, kPoint = 36, kTips = -50, kNotches = -10, kBottom = 40;
    cairo_save(cr);
    cairo_translate(cr, 560, 210);
    cairo_rotate(cr, 0.18);
    cairo_move_to(cr, -kHalf, kBottom);
    cairo_line_to(cr, -kHalf, kNotches);
    for (int k = 0; k < 5; ++k) {
        cairo_line_to(cr, -kHalf + kPoint * k + kPoint / 2, kTips);
        cairo_line_to(cr, -kHalf + kPoint * (k + 1), kNotches);
    }
    cairo_line_to(cr, kHalf, kBottom);
    cairo_close_path(cr);
    LinearSource(cr, 0, kTips, 0, kBottom, {{0, kPaperGold}, {1, Hex(0xF0B22E)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_restore(cr);
}

// One end of the cracker (side -1 left, 1 right): the gathered neck, the
// frilled end and the gold band where the neck meets the tube.
void CrackerEnd(cairo_t* cr, double s) {
    cairo_move_to(cr, s * kTubeHalf, -52);
    cairo_curve_to(cr, s * 180, -30, s * 190, -24, s * kNeckEnd, -26);
    cairo_line_to(cr, s * kNeckEnd, 26);
    cairo_curve_to(cr, s * 190, 24, s * 180, 30, s * kTubeHalf, 52);
    cairo_close_path(cr);
    FillThenStroke(cr, kFoilDark, kOutline, kLine);
    cairo_move_to(cr, s * 196, -30);
    cairo_curve_to(cr, s * 230, -60, s * 270, -kFrillHalf, s * kFrillEnd, -kFrillHalf);
    for (int k = 0; k < 8; ++k) {
        const double y0 = -80 + 160.0 * k / 8, y1 = -80 + 160.0 * (k + 1) / 8;
        cairo_line_to(cr, s * (k % 2 ? kFrillEnd : kFrillEnd - 14), (y0 + y1) / 2);
        cairo_line_to(cr, s * kFrillEnd, y1);
    }
    cairo_curve_to(cr, s * 270, kFrillHalf, s * 230, 60, s * 196, 30);
    cairo_close_path(cr);
    LinearSource(cr, 0, -kFrillHalf, 0, kFrillHalf, {{0, kFoilLight}, {0.5, kFoil}, {1, kFoilDark}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_rectangle(cr, s > 0 ? kTubeHalf : -kTubeHalf - 14, -56, 14, 112);
    FillThenStroke(cr, kGold, kOutline, 2.5);
}

// The tube with gold stars on its foil, and the label with the day.
void CrackerTube(cairo_t* cr) {
    RoundedRectPath(cr, -kTubeHalf, -62, 2 * kTubeHalf, 124, 24);
    LinearSource(cr, 0, -62, 0, 62, {{0, kFoilLight}, {0.35, kFoil}, {1, kFoilDark}});
    FillSourceThenStroke(cr, kOutline, 2.5);
    for (int k = 0; k < 6; ++k) {
        StarPath(cr, -125 + k * 50, k % 2 ? -38 : 40, 7, 3, 5, 0);
        SetColour(cr, kGold);
        cairo_fill(cr);
    }
    RoundedRectPath(cr, -80, -46, 160, 92, 14);
    LinearSource(cr, 0, -46, 0, 46, {{0, Hex(0xFFF8E6)}, {1, Hex(0xEADFC6)}});
    FillSourceThenStroke(cr, kGoldShade, 5);
    PaintedNumber(cr, Font::Script, 84, "17", 0, 0, kRed, kWhite, 2.5);
}

// The bang: a burst of stars either side.
void Bang(cairo_t* cr) {
    for (const auto& [x, y, s] :
         {std::array{110.0, 250.0, 30.0}, std::array{70.0, 330.0, 16.0}, std::array{170.0, 200.0, 14.0},
          std::array{700.0, 470.0, 24.0}, std::array{740.0, 390.0, 14.0}}) {
        StarPath(cr, x, y, s, s * 0.45, 5, 0.2);
        FillThenStroke(cr, kPaperGold, kOutline, 2);
    }
}

// The slip of paper with the motto, lying on its side.
void MottoSlip(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 210, 520);
    cairo_rotate(cr, -0.3);
    RoundedRectPath(cr, -60, -20, 120, 40, 4);
    FillThenStroke(cr, kWhite, kOutline, 2.5);
    SetColour(cr, Hex(0x9AA6B8));
    cairo_set_line_width(cr, 3);
    for (double ly : {-6.0, 6.0}) {
        cairo_move_to(cr, -44, ly);
        cairo_line_to(cr, 44, ly);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

void Day17Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x0E4A52), Hex(0x16646C), Hex(0x0E4A52));
    ScatteredStars(cr);
    PaperCrown(cr);
    cairo_save(cr);
    cairo_translate(cr, kCrackerX, kCrackerY);
    cairo_rotate(cr, kCrackerTurn);
    for (double s : {-1.0, 1.0}) CrackerEnd(cr, s);
    CrackerTube(cr);
    cairo_restore(cr);
    Bang(cr);
    MottoSlip(cr);
}

}  // namespace artgen::doors
