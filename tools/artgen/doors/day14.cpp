// Day 14: a stone fireplace, the 14 on a brass plate in the mantel; the fire
// crackles.
#include "door_parts.h"
#include "door_rooms.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

// The fire's centre and the row its flames rise from.
constexpr double kFireX = 400, kFireBase = 500;
// The stone chimney breast, and the mantel beam across it.
constexpr double kBreastLeft = 150, kBreastTop = 150, kBreastWidth = 500;
constexpr double kMantelLeft = 120, kMantelTop = 222, kMantelWidth = 560, kMantelDepth = 84;
// The hearth stone at the fire's foot.
constexpr double kHearthTop = 556;

// The chimney breast built of stones in staggered courses.
void ChimneyBreast(cairo_t* cr) {
    constexpr double kRight = kBreastLeft + kBreastWidth, kCourse = 38, kStone = 60;
    cairo_rectangle(cr, kBreastLeft, kBreastTop, kBreastWidth, 600 - kBreastTop);
    SetColour(cr, Hex(0xA88B74));
    cairo_fill(cr);
    Random rnd(1414);
    for (int row = 0; row < 12; ++row) {
        for (double x = kBreastLeft - (row % 2) * 30; x < kRight; x += kStone) {
            const double y = kBreastTop + row * kCourse;
            const double left = std::max(kBreastLeft, x + 2);
            RoundedRectPath(cr, left, y + 2, std::min(56.0, kRight - 2 - left), 34, 6);
            SetColour(cr, Mix(Hex(0xC2A58C), Hex(0x9C7C64), rnd.Uniform(0, 1)));
            cairo_fill(cr);
        }
    }
    cairo_rectangle(cr, kBreastLeft, kBreastTop, kBreastWidth, 600 - kBreastTop);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
}

// The mantel beam with a garland and holly along it, and the day on a brass
// plate in its middle.
void Mantel(cairo_t* cr) {
    constexpr double kGarlandLeft = kMantelLeft - 10, kGarlandRight = kMantelLeft + kMantelWidth + 10;
    cairo_rectangle(cr, kMantelLeft, kMantelTop, kMantelWidth, kMantelDepth);
    LinearSource(cr, 0, kMantelTop, 0, kMantelTop + kMantelDepth, {{0, Hex(0x8A5128)}, {1, Hex(0x5A3219)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    PineGarland(cr, kGarlandLeft, kGarlandRight, kMantelTop, 4, 1414, 24);
    for (int i = 0; i < 6; ++i) {
        const Point2D p = SwagPoint(kGarlandLeft, kGarlandRight, kMantelTop + 10, 4, (i + 0.5) / 6);
        DrawHolly(cr, p.x, p.y, 0.8, i % 2 ? 0.3 : -0.3);
    }
    constexpr double kPlateTop = kMantelTop + 10, kPlateH = 66;
    RoundedRectPath(cr, kFireX - 80, kPlateTop, 160, kPlateH, 12);
    LinearSource(cr, 0, kPlateTop, 0, kPlateTop + kPlateH, {{0, Hex(0xFFE39A)}, {1, kGoldShade}});
    FillSourceThenStroke(cr, kOutline, 2.5);
    PaintedNumber(cr, Font::Script, 72, "14", kFireX, kPlateTop + 34, kRed, Hex(0xFFF1C4), 2.5);
}

// The arched hearth opening, dark but for the fire's light.
void HearthOpening(cairo_t* cr) {
    constexpr double kLeft = kFireX - 150, kRight = kFireX + 150, kShoulder = 400;
    cairo_move_to(cr, kLeft, 560);
    cairo_line_to(cr, kLeft, kShoulder);
    cairo_curve_to(cr, kLeft, 340, kRight, 340, kRight, kShoulder);
    cairo_line_to(cr, kRight, 560);
    cairo_close_path(cr);
    RadialSource(cr, kFireX, kFireBase, 20, 260, {{0, Hex(0xB8501C)}, {0.4, Hex(0x4A1E10)}, {1, Hex(0x1A0C08)}});
    FillSourceThenStroke(cr, kOutline, 2.5);
    FlameGlow(cr, kFireX, kFireBase, 70);
}

// Logs crossed on the fire, their cut ends showing.
void Logs(cairo_t* cr) {
    for (const auto& [x, y, a] :
         {std::array{360.0, 512.0, 0.18}, std::array{440.0, 512.0, -0.18}, std::array{400.0, 530.0, 0.0}}) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        RoundedRectPath(cr, -80, -14, 160, 28, 14);
        FillThenStroke(cr, Hex(0x6B3E1E), kOutline, kLine);
        EllipsePath(cr, 74, 0, 10, 13);
        FillThenStroke(cr, Hex(0xD9A86A), kOutline, 2);
        cairo_restore(cr);
    }
}

// A basket of logs on the left.
void LogBasket(cairo_t* cr) {
    constexpr double kRim = 470;
    cairo_move_to(cr, 40, kRim);
    cairo_line_to(cr, 130, kRim);
    cairo_line_to(cr, 120, 560);
    cairo_line_to(cr, 50, 560);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xC9944A), kOutline, kLine);
    for (double lx : {60.0, 84.0, 108.0}) {
        RoundedRectPath(cr, lx - 10, 420, 20, 60, 9);
        FillThenStroke(cr, Hex(0x7A4A26), kOutline, 2);
        EllipsePath(cr, lx, 424, 8, 6);
        SetColour(cr, Hex(0xD9A86A));
        cairo_fill(cr);
    }
}

// A pair of boots drying by the fire on the right.
void Boots(cairo_t* cr) {
    constexpr double kTop = 480;
    for (double bx : {690.0, 738.0}) {
        cairo_move_to(cr, bx, kTop);
        cairo_line_to(cr, bx + 28, kTop);
        cairo_line_to(cr, bx + 28, 540);
        cairo_line_to(cr, bx + 44, 556);
        cairo_line_to(cr, bx - 4, 560);
        cairo_close_path(cr);
        FillThenStroke(cr, Hex(0x2A3E6A), kOutline, kLine);
        RoundedRectPath(cr, bx - 4, kTop - 8, 36, 16, 8);
        FillThenStroke(cr, kWhite, kOutline, 2);
    }
}

}  // namespace

void Day14Still(cairo_t* cr) {
    Wallpaper(cr, Hex(0x6E2A2A), Hex(0x662626), 600);
    ChimneyBreast(cr);
    Mantel(cr);
    HearthOpening(cr);
    Logs(cr);
    // The hearth stone.
    cairo_rectangle(cr, kMantelLeft, kHearthTop, kMantelWidth, 600 - kHearthTop);
    LinearSource(cr, 0, kHearthTop, 0, 600, {{0, Hex(0x8C7A6C)}, {1, Hex(0x6A5A4E)}});
    FillSourceThenStroke(cr, kOutline, 2.5);
    LogBasket(cr);
    Boots(cr);
}

void Day14Moving(cairo_t* cr, int frame, int frames) {
    // Three shapes of the fire, one after the other.
    const double phase = LoopPhase(frame, frames);
    const double p = 2 * kPi * phase;
    const std::array<double, 5> xs = {340, 372, 400, 430, 462};
    const std::array<double, 5> heights = {70, 110, 150, 116, 76};
    for (size_t i = 0; i < xs.size(); ++i) {
        const double k = double(i);
        const double sway = 0.7 * std::sin(p + k * 2.3);
        const double stretch = 1.0 + 0.16 * std::cos(p + k * 1.7);
        Flame(cr, xs[i], kFireBase - 2, heights[i] * 0.55, sway, stretch * 1.6);
    }
    // Sparks rising.
    for (int s = 0; s < 4; ++s) {
        const double t = std::fmod(phase + s * 0.25, 1.0);
        cairo_arc(cr, kFireX - 50 + s * 34 + 10 * std::sin(p + s), 410 - 60 * t, 3, 0, 2 * kPi);
        SetColour(cr, Hex(0xFFD36B));
        cairo_fill(cr);
    }
}

}  // namespace artgen::doors
