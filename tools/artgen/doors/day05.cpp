// Day 5: a snowman on a sunny day pointing at a sign with the 5.
#include "door_parts.h"

#include <array>
#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kCoal = Hex(0x2A2A30);
// The snowman's centre line, his three balls of snow (centre row and
// radius, bottom to top) and where his face and hat sit.
constexpr double kSnowmanX = 410;
constexpr std::array<std::array<double, 2>, 3> kSnowBalls = {{{470, 108}, {340, 80}, {232, 60}}};
constexpr double kEyeY = 222, kNoseY = 232, kHatBrimY = 182;
// The sign he points at: its board's corner and size.
constexpr double kBoardX = 560, kBoardY = 266, kBoardW = 152, kBoardH = 132;

// Soft clouds low in the sky, each a few overlapping puffs.
void Clouds(cairo_t* cr) {
    for (const auto& [x, y, s] : {std::array{150.0, 190.0, 1.0}, std::array{640.0, 160.0, 0.8}}) {
        SetColour(cr, kWhite, 0.9);
        for (const auto& [dx, dy, r] : {std::array{0.0, 0.0, 30.0}, std::array{34.0, -12.0, 36.0},
                                        std::array{72.0, 2.0, 28.0}, std::array{-30.0, 8.0, 22.0}}) {
            cairo_arc(cr, x + dx * s, y + dy * s, r * s, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
}

// A far snowfield with firs either side, and the near one he stands on.
void Snowfields(cairo_t* cr) {
    SnowGround(cr, 380, 300, 350, 390, Hex(0xE9F1FA), Hex(0xCFDDEE));
    Random rnd(55);
    for (int i = 0; i < 9; ++i) {
        const double x = i < 5 ? rnd.Uniform(0, 250) : rnd.Uniform(560, 800);
        Fir(cr, x, 392 + rnd.Uniform(-10, 10), rnd.Uniform(80, 130), Hex(0x2A7A55), true, 2.5);
    }
    SnowGround(cr, 450, 420, 430, 460);
    GroundShadow(cr, kSnowmanX, 560, 150, 18, 0.22);
}

// The sign planted in the snow, the day painted on it and snow on its top.
void Sign(cairo_t* cr) {
    constexpr double kPostX = kBoardX + kBoardW / 2;
    cairo_rectangle(cr, kPostX - 8, 360, 16, 200);
    FillThenStroke(cr, Hex(0x6E3D1C), kOutline, kLine);
    RoundedRectPath(cr, kBoardX, kBoardY, kBoardW, kBoardH, 14);
    LinearSource(cr, 0, kBoardY, 0, kBoardY + kBoardH, {{0, Hex(0xB07040)}, {1, Hex(0x8A5128)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    PaintedNumber(cr, Font::Script, 118, "5", kPostX, kBoardY + 66, kRed, kWhite, 4);
    cairo_move_to(cr, 554, 274);
    cairo_curve_to(cr, 580, 252, 690, 250, 718, 272);
    cairo_curve_to(cr, 690, 282, 600, 278, 554, 274);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kSnowShade, 2);
}

// Twig arms behind the body, the right one pointing at the sign.
void StickArms(cairo_t* cr) {
    SetColour(cr, Hex(0x5A3219));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 7);
    cairo_move_to(cr, 340, 340);
    cairo_line_to(cr, 236, 262);
    cairo_move_to(cr, 262, 282);
    cairo_line_to(cr, 240, 300);
    cairo_move_to(cr, 470, 340);
    cairo_line_to(cr, 566, 318);
    cairo_move_to(cr, 540, 324);
    cairo_line_to(cr, 556, 300);
    cairo_stroke(cr);
}

// Three balls of snow, shaded from the sun, and coal buttons down the middle.
void BodyOfSnow(cairo_t* cr) {
    for (const auto& [y, r] : kSnowBalls) {
        cairo_arc(cr, kSnowmanX, y, r, 0, 2 * kPi);
        RadialSource(cr, 390, y - r * 0.4, r * 0.1, r * 1.15, {{0, kWhite}, {0.6, Hex(0xEEF4FB)}, {1, Hex(0xB8CCE4)}});
        FillSourceThenStroke(cr, Hex(0x5B6F8E), kLine);
    }
    for (double y : {318.0, 352.0, 386.0}) {
        cairo_arc(cr, kSnowmanX + 4, y, 7, 0, 2 * kPi);
        SetColour(cr, kCoal);
        cairo_fill(cr);
    }
}

// A striped scarf: a band round the neck and an end hanging down.
void Scarf(cairo_t* cr) {
    cairo_move_to(cr, 352, 276);
    cairo_curve_to(cr, 380, 296, 440, 296, 468, 276);
    cairo_line_to(cr, 470, 300);
    cairo_curve_to(cr, 440, 318, 380, 318, 350, 300);
    cairo_close_path(cr);
    FillThenStroke(cr, kRed, kOutline, kLine);
    cairo_move_to(cr, 436, 300);
    cairo_line_to(cr, 462, 300);
    cairo_line_to(cr, 470, 382);
    cairo_line_to(cr, 444, 386);
    cairo_close_path(cr);
    FillThenStroke(cr, kRed, kOutline, kLine);
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, 442, 330);
    cairo_line_to(cr, 464, 328);
    cairo_move_to(cr, 444, 356);
    cairo_line_to(cr, 467, 354);
    cairo_stroke(cr);
}

// Coal eyes and a smile of coal, and a carrot nose.
void Face(cairo_t* cr) {
    for (double ex : {kSnowmanX - 20, kSnowmanX + 20}) {
        cairo_arc(cr, ex, kEyeY, 7, 0, 2 * kPi);
        SetColour(cr, kCoal);
        cairo_fill(cr);
    }
    for (int k = 0; k < 5; ++k) {
        const double t = k / 4.0;
        cairo_arc(cr, 386 + 48 * t, 254 + 8 * std::sin(kPi * t), 3.6, 0, 2 * kPi);
        SetColour(cr, kCoal);
        cairo_fill(cr);
    }
    cairo_move_to(cr, kSnowmanX, kNoseY);
    cairo_line_to(cr, kSnowmanX + 60, kNoseY + 14);
    cairo_line_to(cr, kSnowmanX, kNoseY + 14);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xF28A1E), kOutline, 2.5);
}

// A top hat with a red band and a holly sprig.
void TopHat(cairo_t* cr) {
    constexpr double kCrownLeft = kSnowmanX - 38, kCrownWidth = 76;
    EllipsePath(cr, kSnowmanX, kHatBrimY, 62, 12);
    FillThenStroke(cr, kCoal, kOutline, kLine);
    cairo_rectangle(cr, kCrownLeft, kHatBrimY - 50, kCrownWidth, 50);
    FillThenStroke(cr, kCoal, kOutline, kLine);
    cairo_rectangle(cr, kCrownLeft, kHatBrimY - 18, kCrownWidth, 12);
    FillThenStroke(cr, kRed, kOutline, 2);
    DrawHolly(cr, kSnowmanX + 30, kHatBrimY - 16, 0.6, 0.3);
}

}  // namespace

void Day5Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x6FB4EA), Hex(0xA8D6F5), Hex(0xDDF0FB), 420);
    Clouds(cr);
    Snowfields(cr);
    Sign(cr);
    StickArms(cr);
    BodyOfSnow(cr);
    Scarf(cr);
    Face(cr);
    TopHat(cr);
}

}  // namespace artgen::doors
