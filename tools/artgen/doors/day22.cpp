// Day 22: milk and biscuits left out for Santa, the big biscuit iced with the 22.
#include "door_parts.h"
#include "door_rooms.h"

#include <array>
#include <cmath>
#include <string>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr double kTableY = 410;

// A round biscuit of radius r, iced white with sprinkles round the edge, the
// day piped on it where `number` is not empty.
void IcedBiscuit(cairo_t* cr, double x, double y, double r, const std::string& number) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    RadialSource(cr, x - r * 0.2, y - r * 0.2, r * 0.1, r, {{0, Hex(0xE2A860)}, {1, Hex(0xB9773A)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_arc(cr, x, y, r * 0.8, 0, 2 * kPi);
    FillThenStroke(cr, kWhite, Hex(0xD6DEE8), 2);
    Random rnd{uint32_t(x)};
    const Rgb sprinkles[3] = {kRed, Hex(0x2FA24D), kGold};
    for (int i = 0; i < 18; ++i) {
        const double a = rnd.Uniform(0, 2 * kPi), d = r * rnd.Uniform(0.62, 0.76);
        cairo_save(cr);
        cairo_translate(cr, x + d * std::cos(a), y + d * std::sin(a));
        cairo_rotate(cr, rnd.Uniform(0, kPi));
        RoundedRectPath(cr, -5, -1.8, 10, 3.6, 1.8);
        SetColour(cr, sprinkles[i % 3]);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    if (!number.empty()) PaintedNumber(cr, Font::Script, r * 1.05, number, x, y + 2, kRed, kWhite, 0.1, Hex(0x7A0F1C));
}

// A window on the snowy night, with the moon and stars.
void NightWindow(cairo_t* cr) {
    constexpr WindowShape kWindow{110, 150, 240, 230, 8, Hex(0x0E1838), Hex(0x2E4A84), Hex(0xE8DCC4), 8};
    Window(cr, kWindow, [](cairo_t* pane) {
        Moon(pane, 290, 200, 24);
        StarField(pane, 2222, 30, 2, 150, 300);
        SnowGround(pane, 350, 200, 336, 346);
    });
}

// A candle on the sill, lighting the table.
void CandleOnTheSill(cairo_t* cr) {
    constexpr double kX = 620, kTop = 300, kHalf = 20;
    FlameGlow(cr, kX, kTop, 60);
    cairo_rectangle(cr, kX - kHalf, kTop, 2 * kHalf, kTableY - kTop);
    LinearSource(cr, kX - kHalf, 0, kX + kHalf, 0, {{0, Hex(0xE6D6B8)}, {0.4, Hex(0xFFF6E6)}, {1, Hex(0xD6C6A8)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    Flame(cr, kX, kTop - 4, 40, 0.2, 1.0);
}

// The table under a checked cloth.
void CheckedCloth(cairo_t* cr) {
    constexpr Rgb kCheck = Hex(0xD8283A);
    constexpr double kSquare = 20;
    cairo_rectangle(cr, 0, kTableY, 800, 600 - kTableY);
    SetColour(cr, Hex(0xF4ECE0));
    cairo_fill(cr);
    for (double x = 0; x < 800; x += 2 * kSquare) {
        cairo_rectangle(cr, x, kTableY, kSquare, 600 - kTableY);
        SetColour(cr, kCheck, 0.55);
        cairo_fill(cr);
    }
    for (double y = kTableY; y < 600; y += 2 * kSquare) {
        cairo_rectangle(cr, 0, y, 800, kSquare);
        SetColour(cr, kCheck, 0.55);
        cairo_fill(cr);
    }
    FrontEdge(cr, kTableY);
}

// A glass of milk, its surface and a gleam down its side.
void GlassOfMilk(cairo_t* cr) {
    constexpr double kX = 180, kRim = 330, kFoot = 530;
    GroundShadow(cr, kX, kFoot, 70, 12, 0.3);
    cairo_move_to(cr, kX - 50, kRim);
    cairo_line_to(cr, kX + 50, kRim);
    cairo_line_to(cr, kX + 40, kFoot);
    cairo_curve_to(cr, kX + 20, kFoot + 10, kX - 20, kFoot + 10, kX - 40, kFoot);
    cairo_close_path(cr);
    LinearSource(cr, kX - 50, 0, kX + 50, 0, {{0, Hex(0xE4ECF4)}, {0.4, kWhite}, {1, Hex(0xD2DCE8)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    EllipsePath(cr, kX, kRim + 16, 48, 9);
    FillThenStroke(cr, kWhite, Hex(0xC9D6E6), 2);
    cairo_move_to(cr, kX - 30, kRim + 40);
    cairo_line_to(cr, kX - 24, 500);
    SetColour(cr, kWhite, 0.9);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
}

// The plate of biscuits, the big one iced with the day.
void PlateOfBiscuits(cairo_t* cr) {
    constexpr double kPlateX = 450, kPlateY = 496;
    GroundShadow(cr, kPlateX, 520, 210, 22, 0.3);
    EllipsePath(cr, kPlateX, kPlateY, 210, 54);
    FillThenStroke(cr, kWhite, kOutline, kLine);
    EllipsePath(cr, kPlateX, kPlateY, 176, 40);
    SetColour(cr, Hex(0x2FA24D));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    constexpr StarBiscuitShape kBiscuit{52, 26, 38, 18, Hex(0xC98142), kLine, 3};
    for (const auto& [x, y, a] : {std::array{330.0, 470.0, 0.3}, std::array{570.0, 476.0, -0.2}}) {
        StarBiscuit(cr, x, y, a, kBiscuit);
    }
    IcedBiscuit(cr, 452, 400, 92, "22");
}

// A carrot for the reindeer, with its green top.
void Carrot(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 690, 520);
    cairo_rotate(cr, -0.4);
    cairo_move_to(cr, -60, -14);
    cairo_curve_to(cr, -20, -18, 30, -8, 60, 0);
    cairo_curve_to(cr, 30, 8, -20, 18, -60, 14);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xF2831E), kOutline, kLine);
    for (double a : {-0.5, 0.0, 0.5}) {
        cairo_move_to(cr, -60, 0);
        cairo_line_to(cr, -90 * std::cos(a), 30 * std::sin(a) - 4);
    }
    SetColour(cr, Hex(0x2FA24D));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

void Day22Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x3B2A4A), Hex(0x4A3354), Hex(0x5A3C58), 420);
    NightWindow(cr);
    CandleOnTheSill(cr);
    CheckedCloth(cr);
    GlassOfMilk(cr);
    PlateOfBiscuits(cr);
    Carrot(cr);
}

}  // namespace artgen::doors
