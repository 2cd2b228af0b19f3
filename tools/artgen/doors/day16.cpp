// Day 16: a front door with a wreath, house number 16.
#include "door_parts.h"

#include <array>
#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

// The door's centre line and the centre of the arch over it, the door
// itself, and the step it opens onto.
constexpr double kDoorX = 400, kArchY = 230, kFanlightR = 100;
constexpr double kDoorLeft = 300, kDoorTop = 240, kDoorW = 200, kDoorH = 330;
constexpr double kStepTop = 570;
// The lanterns either side of the door, the left one hung lower.
constexpr std::array<std::array<double, 2>, 2> kLanterns = {{{180, 250}, {620, 190}}};
constexpr Rgb kStone = Hex(0xE8E0D2), kDoorGreen = Hex(0x1E6B40), kIron = Hex(0x22303D);

// A wreath of radius r round (x, y): a ring of needle tufts in three greens,
// cones and clusters of berries, a bow below.
void Wreath(cairo_t* cr, double x, double y, double r) {
    Random rnd(1616);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    SetColour(cr, Hex(0x0E3F22));
    cairo_set_line_width(cr, r * 0.55);
    cairo_stroke(cr);
    const Rgb greens[3] = {Hex(0x145530), Hex(0x1E6B3A), Hex(0x2E8A4A)};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int layer = 0; layer < 3; ++layer) {
        for (int i = 0; i < 90; ++i) {
            const double a = rnd.Uniform(0, 2 * kPi), rr = r + rnd.Uniform(-r * 0.22, r * 0.22);
            const double px = x + rr * std::cos(a), py = y + rr * std::sin(a);
            const double d = a + kPi / 2 + rnd.Uniform(-0.6, 0.6), len = r * rnd.Uniform(0.14, 0.26);
            cairo_move_to(cr, px, py);
            cairo_line_to(cr, px + len * std::cos(d), py + len * std::sin(d));
        }
        SetColour(cr, greens[layer]);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 9; ++i) {
        const double a = 2 * kPi * i / 9 + 0.3;
        const double px = x + r * 1.05 * std::cos(a), py = y + r * 1.05 * std::sin(a);
        if (i % 3 == 0) {
            EllipsePath(cr, px, py, 9, 12);
            FillThenStroke(cr, Hex(0x7A4A26), kOutline, 1.5);
        } else {
            for (int b = 0; b < 3; ++b) {
                cairo_arc(cr, px + (b - 1) * 8, py + (b == 1 ? -6 : 2), 6, 0, 2 * kPi);
                FillThenStroke(cr, Hex(0xD0142C), Hex(0x7A0A18), 1.5);
            }
        }
    }
    Bow(cr, x, y + r, r * 0.55, kRed);
}

// The brick front of the house.
void BrickWall(cairo_t* cr) {
    constexpr double kCourse = 28, kBrick = 80;
    cairo_rectangle(cr, 0, 0, 800, 600);
    SetColour(cr, Hex(0x9A4432));
    cairo_fill(cr);
    Random rnd(160);
    for (int row = 0; row < 22; ++row) {
        for (double x = -(row % 2) * 40.0; x < 800; x += kBrick) {
            RoundedRectPath(cr, x + 2, row * kCourse + 2, 76, 24, 3);
            SetColour(cr, Mix(Hex(0xB0523C), Hex(0x8A3A2A), rnd.Uniform(0, 1)));
            cairo_fill(cr);
        }
    }
}

// The arched stone surround and the fanlight in it, lit from the hall.
void SurroundAndFanlight(cairo_t* cr) {
    cairo_move_to(cr, kDoorX - 130, 600);
    cairo_line_to(cr, kDoorX - 130, kArchY);
    cairo_arc(cr, kDoorX, kArchY, 130, kPi, 2 * kPi);
    cairo_line_to(cr, kDoorX + 130, 600);
    cairo_close_path(cr);
    FillThenStroke(cr, kStone, kOutline, kLine);
    cairo_move_to(cr, kDoorX - kFanlightR, kArchY);
    cairo_arc(cr, kDoorX, kArchY, kFanlightR, kPi, 2 * kPi);
    cairo_close_path(cr);
    RadialSource(cr, kDoorX, kArchY, 10, kFanlightR, {{0, Hex(0xFFF1C4)}, {1, Hex(0xF5B04A)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    for (int k = 1; k < 6; ++k) {
        const double a = kPi + kPi * k / 6;
        cairo_move_to(cr, kDoorX, kArchY);
        cairo_line_to(cr, kDoorX + kFanlightR * std::cos(a), kArchY + kFanlightR * std::sin(a));
    }
    SetColour(cr, kStone);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
}

// The panelled green door, its brass knocker and letterbox.
void PanelledDoor(cairo_t* cr) {
    cairo_rectangle(cr, kDoorLeft, kDoorTop, kDoorW, kDoorH);
    LinearSource(cr, kDoorLeft, 0, kDoorLeft + kDoorW, 0, {{0, Hex(0x124A2C)}, {0.5, kDoorGreen}, {1, Hex(0x114428)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    for (const auto& [px, py, pw, ph] :
         {std::array{318.0, 260.0, 72.0, 120.0}, std::array{410.0, 260.0, 72.0, 120.0},
          std::array{318.0, 400.0, 72.0, 150.0}, std::array{410.0, 400.0, 72.0, 150.0}}) {
        RoundedRectPath(cr, px, py, pw, ph, 4);
        SetColour(cr, Hex(0x0C3A20));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    cairo_arc(cr, 476, 420, 9, 0, 2 * kPi);
    FillThenStroke(cr, kGold, kOutline, 2);
    RoundedRectPath(cr, kDoorX - 40, 470, 80, 16, 4);
    FillThenStroke(cr, kGold, kOutline, 2);
}

// The step, dusted with snow.
void SnowyStep(cairo_t* cr) {
    cairo_rectangle(cr, 250, kStepTop, 300, 600 - kStepTop);
    FillThenStroke(cr, Hex(0xBFB6A8), kOutline, kLine);
    cairo_move_to(cr, 250, kStepTop + 2);
    cairo_curve_to(cr, 300, 560, 500, 562, 550, kStepTop + 2);
    cairo_line_to(cr, 550, kStepTop + 10);
    cairo_line_to(cr, 250, kStepTop + 10);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kSnowShade, 1.5);
}

// The house number beside the door, on a painted plate.
void NumberPlate(cairo_t* cr) {
    constexpr double kLeft = 560, kTop = 236, kWidth = 156, kHeight = 110;
    RoundedRectPath(cr, kLeft, kTop, kWidth, kHeight, 16);
    LinearSource(cr, 0, kTop, 0, kTop + kHeight, {{0, kWhite}, {1, Hex(0xE4E9F0)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    RoundedRectPath(cr, kLeft + 10, kTop + 10, kWidth - 20, kHeight - 20, 10);
    SetColour(cr, kDoorGreen);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 96, "16", kLeft + 78, kTop + 54, kDoorGreen, kWhite, 2, Hex(0x0C3A20));
}

// A wall lantern centred on (lx, ly), lit, under its iron cap.
void WallLantern(cairo_t* cr, double lx, double ly) {
    cairo_move_to(cr, lx - 22, ly - 36);
    cairo_line_to(cr, lx + 22, ly - 36);
    cairo_line_to(cr, lx + 16, ly + 26);
    cairo_line_to(cr, lx - 16, ly + 26);
    cairo_close_path(cr);
    RadialSource(cr, lx, ly, 2, 32, {{0, Hex(0xFFF6D2)}, {1, Hex(0xFFC55A)}});
    FillSourceThenStroke(cr, kIron, 5);
    cairo_move_to(cr, lx - 30, ly - 34);
    cairo_line_to(cr, lx, ly - 60);
    cairo_line_to(cr, lx + 30, ly - 34);
    cairo_close_path(cr);
    FillThenStroke(cr, kIron, kOutline, 2.5);
}

// A potted fir on the step at px, hung with a zigzag of little lights.
void PottedFir(cairo_t* cr, double px) {
    constexpr double kPotTop = 520, kPotBottom = 590;
    Fir(cr, px, 530, 170, Hex(0x24704A), false, 2.5);
    cairo_move_to(cr, px - 44, kPotTop);
    cairo_line_to(cr, px + 44, kPotTop);
    cairo_line_to(cr, px + 34, kPotBottom);
    cairo_line_to(cr, px - 34, kPotBottom);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x8A5128), kOutline, kLine);
    for (int i = 0; i < 9; ++i) {
        const double t = (i + 0.5) / 9;
        const double ly = 390 + 120 * t, lxx = px + (i % 2 ? 1 : -1) * (14 + 50 * t) * 0.8;
        DrawGlow(cr, lxx, ly, 10, Hex(0xFFE08A), 0.7);
        cairo_arc(cr, lxx, ly, 3.5, 0, 2 * kPi);
        SetColour(cr, Hex(0xFFF3C4));
        cairo_fill(cr);
    }
}

}  // namespace

void Day16Still(cairo_t* cr) {
    BrickWall(cr);
    // The lanterns light the wall.
    for (const auto& [lx, ly] : kLanterns) DrawGlow(cr, lx, ly, 170, Hex(0xFFD98A), 0.45);
    SurroundAndFanlight(cr);
    PanelledDoor(cr);
    SnowyStep(cr);
    Wreath(cr, kDoorX, 330, 62);
    NumberPlate(cr);
    for (const auto& [lx, ly] : kLanterns) WallLantern(cr, lx, ly);
    for (double px : {170.0, 630.0}) PottedFir(cr, px);
}

}  // namespace artgen::doors
