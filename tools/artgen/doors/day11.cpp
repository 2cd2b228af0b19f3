// Day 11: a mug of cocoa with marshmallows and a candy cane, the 11 on the mug;
// steam curls up.
#include "door_parts.h"
#include "door_rooms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace artgen::doors {

using namespace parts;

namespace {

// The mug's centre line and the row of its rim; its body spans kMugHalf
// either side and stands on kMugBottom.
constexpr double kMugX = 390, kMugTop = 292, kMugHalf = 130, kMugBottom = 528;
constexpr double kMugLeft = kMugX - kMugHalf, kMugRight = kMugX + kMugHalf;
constexpr double kTableY = 430;

// A window on the snowy evening.
void EveningWindow(cairo_t* cr) {
    constexpr WindowShape kWindow{560, 150, 190, 230, 6, Hex(0x1D2B5C), Hex(0x5C6FA8), Hex(0xFFF4E0), 8};
    Window(cr, kWindow, [](cairo_t* pane) {
        SnowGround(pane, 340, 640, 330, 350);
        Fir(pane, 610, 350, 90, Hex(0x22505E), true, 2);
        Fir(pane, 700, 346, 70, Hex(0x22505E), true, 2);
        Random flakes(111);
        for (int i = 0; i < 26; ++i) {
            cairo_arc(pane, flakes.Uniform(560, 750), flakes.Uniform(150, 380), flakes.Uniform(1.5, 3.5), 0, 2 * kPi);
            SetColour(pane, kWhite, 0.9);
            cairo_fill(pane);
        }
    });
}

// A string of bunting across the wall.
void Bunting(cairo_t* cr) {
    for (int i = 0; i < 9; ++i) {
        const Point2D a = SwagPoint(-10, 540, 150, 30, i / 9.0), b = SwagPoint(-10, 540, 150, 30, (i + 1) / 9.0);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        cairo_line_to(cr, (a.x + b.x) / 2, (a.y + b.y) / 2 + 40);
        cairo_close_path(cr);
        FillThenStroke(cr, i % 2 ? Hex(0x2FA24D) : kRed, kOutline, 2);
    }
}

// Star biscuits on a plate beside the mug.
void PlateOfBiscuits(cairo_t* cr) {
    constexpr double kPlateX = 640, kPlateY = 500;
    EllipsePath(cr, kPlateX, kPlateY, 120, 32);
    FillThenStroke(cr, kWhite, kOutline, kLine);
    EllipsePath(cr, kPlateX, kPlateY, 96, 22);
    SetColour(cr, Hex(0xD9E4F0));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    constexpr StarBiscuitShape kBiscuit{34, 17, 24, 11, Hex(0xC98142), 2.5, 2.5};
    for (const auto& [x, y] : {std::pair{600.0, 484.0}, std::pair{670.0, 490.0}}) StarBiscuit(cr, x, y, 0.2, kBiscuit);
}

// The mug's handle and its body, tapering a little to a rounded foot, with
// snowflakes and the day painted on it.
void Mug(cairo_t* cr) {
    constexpr double kHandleX = kMugRight + 10, kHandleY = 400;
    cairo_arc(cr, kHandleX, kHandleY, 60, -kPi / 2, kPi / 2);
    cairo_arc_negative(cr, kHandleX, kHandleY, 34, kPi / 2, -kPi / 2);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xB8182A), kOutline, kLine);
    cairo_move_to(cr, kMugLeft, kMugTop);
    cairo_line_to(cr, kMugLeft + 8, kMugBottom - 20);
    cairo_curve_to(cr, kMugLeft + 12, kMugBottom + 4, kMugRight - 12, kMugBottom + 4, kMugRight - 8, kMugBottom - 20);
    cairo_line_to(cr, kMugRight, kMugTop);
    cairo_close_path(cr);
    LinearSource(cr, kMugLeft, 0, kMugRight, 0, {{0, Hex(0xA3172A)}, {0.35, Hex(0xE8404E)}, {1, Hex(0x9A1424)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    SetColour(cr, kWhite, 0.9);
    DrawSnowflake(cr, kMugLeft + 40, 460, 14, 0.2, 3);
    DrawSnowflake(cr, kMugRight - 40, 470, 12, 0.5, 3);
    PaintedNumber(cr, Font::Script, 118, "11", kMugX, 414, kWhite, Hex(0x7A0F1C), 3);
}

// Cocoa at the rim, a heap of cream over it and marshmallows.
void CocoaAndCream(cairo_t* cr) {
    EllipsePath(cr, kMugX, kMugTop, kMugHalf, 24);
    FillThenStroke(cr, Hex(0x5A2E14), kOutline, kLine);
    cairo_move_to(cr, kMugLeft + 24, kMugTop + 4);
    cairo_curve_to(cr, kMugLeft + 10, kMugTop - 40, kMugX - 60, kMugTop - 56, kMugX - 20, kMugTop - 50);
    cairo_curve_to(cr, kMugX - 10, kMugTop - 84, kMugX + 40, kMugTop - 80, kMugX + 40, kMugTop - 52);
    cairo_curve_to(cr, kMugX + 90, kMugTop - 58, kMugRight, kMugTop - 30, kMugRight - 24, kMugTop + 4);
    cairo_curve_to(cr, kMugX + 40, kMugTop + 16, kMugX - 40, kMugTop + 16, kMugLeft + 24, kMugTop + 4);
    cairo_close_path(cr);
    LinearSource(cr, 0, kMugTop - 84, 0, kMugTop + 12, {{0, kWhite}, {1, Hex(0xE6ECF4)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_move_to(cr, kMugX - 70, kMugTop - 22);
    cairo_curve_to(cr, kMugX - 30, kMugTop - 40, kMugX + 30, kMugTop - 36, kMugX + 70, kMugTop - 16);
    SetColour(cr, Hex(0xC9D6E6));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (const auto& [x, y, c] : {std::array{kMugX - 80, kMugTop - 6, 0.0}, std::array{kMugX + 60, kMugTop - 2, 1.0},
                                  std::array{kMugX + 10, kMugTop - 60, 0.0}}) {
        RoundedRectPath(cr, x - 16, y - 13, 32, 26, 8);
        FillThenStroke(cr, c > 0 ? Hex(0xFFC9D6) : kWhite, kOutline, 2.5);
    }
}

// The candy cane's centre line, hooked over the rim, ready to stroke `width`
// wide with round ends.
void CandyCanePath(cairo_t* cr, double width) {
    constexpr double kStemX = kMugX + 96, kHookY = kMugTop - 70, kHookR = 24;
    cairo_move_to(cr, kStemX, kMugTop + 90);
    cairo_line_to(cr, kStemX, kHookY);
    cairo_arc(cr, kStemX + kHookR, kHookY, kHookR, kPi, 2 * kPi);
    cairo_line_to(cr, kStemX + 2 * kHookR, kMugTop - 50);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
}

// A dark edge, white stick, red stripes.
void CandyCane(cairo_t* cr) {
    CandyCanePath(cr, 20);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    CandyCanePath(cr, 14);
    SetColour(cr, kWhite);
    cairo_stroke(cr);
    CandyCanePath(cr, 14);
    const double dashes[2] = {10, 10};
    cairo_set_dash(cr, dashes, 2, 0);
    SetColour(cr, kRed);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

// One wisp of steam rising `height` from baseY, drawn as fading segments
// whose sideways swing travels up one wavelength per loop.
void SteamWisp(cairo_t* cr, double x, double baseY, double height, double phase, int wisp) {
    constexpr double kWave = 110;
    constexpr int kSegments = 14;
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int seg = 0; seg < kSegments; ++seg) {
        const double t0 = seg / double(kSegments), t1 = (seg + 1) / double(kSegments);
        auto at = [&](double t) {
            const double y = baseY - height * t;
            const double swing = (8 + 18 * t) * std::sin(2 * kPi * ((baseY - y) / kWave - phase) + wisp * 2.1);
            return Point2D{x + swing, y};
        };
        const Point2D a = at(t0), b = at(t1);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        SetColour(cr, kWhite, 0.75 * (1 - t0) * std::min(1.0, t1 * 4));
        cairo_set_line_width(cr, 14 - 6 * t0);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

}  // namespace

void Day11Still(cairo_t* cr) {
    Wallpaper(cr, Hex(0xE9C98A), Hex(0xE2BE7A), kTableY);
    EveningWindow(cr);
    Bunting(cr);
    TableTop(cr, kTableY, Hex(0x9A6238), Hex(0x6B3E1E));
    PlateOfBiscuits(cr);
    GroundShadow(cr, kMugX + 20, 530, 190, 20, 0.35);
    Mug(cr);
    CocoaAndCream(cr);
    CandyCane(cr);
}

void Day11Moving(cairo_t* cr, int frame, int frames) {
    // Three wisps of steam, the middle one rising from higher up the cream.
    const double phase = LoopPhase(frame, frames);
    const double bases[3] = {kMugX - 60, kMugX + 10, kMugX + 70};
    for (int w = 0; w < 3; ++w) {
        const double baseY = kMugTop - (w == 1 ? 86 : 54);
        const double height = w == 1 ? 66 : 96;
        SteamWisp(cr, bases[w], baseY, height, phase, w);
    }
}

}  // namespace artgen::doors
