// Doors 21 to 25: jingle bells swinging, milk and biscuits left out for
// Santa, a post box full of letters, the sleigh across the moon on Christmas
// Eve, and Christmas morning with Quib under the tree.
#include "door_art.h"
#include "door_parts.h"
#include "elf.h"

#include <array>
#include <cmath>
#include <string>

namespace artgen {

using namespace parts;

namespace {

// ---- Day 21: jingle bells swinging ------------------------------------------------------------

constexpr double kBowX = 400, kBowY = 176;

void Day21Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x9FD0EC), Hex(0xC4E4F4), Hex(0xE8F5FB));
    DrawGlow(cr, 400, 380, 340, Hex(0xFFFFFF), 0.7);
    Random rnd(2121);
    for (int i = 0; i < 36; ++i) {
        SetColour(cr, kWhite, 0.9);
        DrawSnowflake(cr, rnd.Uniform(0, 800), rnd.Uniform(140, 600), rnd.Uniform(6, 14), rnd.Uniform(0, 1), 2.2);
    }
    // Holly along the bottom.
    for (int i = 0; i < 9; ++i) DrawHolly(cr, 20 + i * 96, 580 - 10 * std::sin(i * 2.1), 1.6, i % 2 ? 0.4 : -0.4);
}

void Bell(cairo_t* cr, double angle, double length, const std::string& label) {
    constexpr double kScale = 1.22;
    cairo_save(cr);
    cairo_translate(cr, kBowX, kBowY);
    cairo_rotate(cr, angle);
    cairo_scale(cr, kScale, kScale);
    length /= kScale;
    // Ribbon from the bow to the bell's loop.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, length - 88);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, length - 88);
    SetColour(cr, kRed);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    cairo_translate(cr, 0, length);
    // Clapper, then the bell's body over it.
    cairo_arc(cr, 0, 76, 20, 0, 2 * kPi);
    RadialSource(cr, -6, 70, 2, 22, {{0, Hex(0xFFF1A6)}, {1, kGoldShade}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_arc(cr, 0, -92, 14, 0, 2 * kPi);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 11);
    cairo_stroke(cr);
    cairo_arc(cr, 0, -92, 14, 0, 2 * kPi);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_move_to(cr, -46, -40);
    cairo_curve_to(cr, -46, -90, 46, -90, 46, -40);
    cairo_curve_to(cr, 46, 0, 60, 40, 92, 64);
    cairo_curve_to(cr, 60, 86, -60, 86, -92, 64);
    cairo_curve_to(cr, -60, 40, -46, 0, -46, -40);
    cairo_close_path(cr);
    // Flat steps of shading: the bell swings, and flat areas keep the
    // frame-to-frame changes to its edges.
    SetColour(cr, kGold);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, 30, -100, 80, 200);
    SetColour(cr, kGoldShade);
    cairo_fill(cr);
    cairo_rectangle(cr, -40, -100, 26, 200);
    SetColour(cr, Hex(0xFFE27A));
    cairo_fill(cr);
    cairo_restore(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_move_to(cr, -80, 58);
    cairo_curve_to(cr, -40, 74, 40, 74, 80, 58);
    SetColour(cr, kGoldShade);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, -24, -64);
    cairo_curve_to(cr, -30, -40, -32, -10, -40, 20);
    SetColour(cr, kWhite, 0.7);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    if (label.empty()) {
        StarPath(cr, 6, 4, 24, 10, 5, 0);
        FillThenStroke(cr, kRed, kOutline, 2);
    } else {
        PaintedNumber(cr, Font::Script, 84, label, 4, 10, kRed, Hex(0xFFF6D6), 2.5);
    }
    cairo_restore(cr);
}

void Day21Moving(cairo_t* cr, int frame, int frames) {
    // Half a step into the cycle, so that no two neighbouring frames share a
    // swing angle.
    const double s = std::sin(2 * kPi * (LoopPhase(frame, frames) + 1.0 / (2 * (frames - 1))));
    // The two bells swing against each other from their rest angles.
    Bell(cr, -0.4 + 0.11 * s, 262, "");
    Bell(cr, 0.4 + 0.11 * s, 282, "21");
    Bow(cr, kBowX, kBowY, 64, kRed);
    DrawHolly(cr, kBowX, kBowY - 8, 1.3, 0);
    // Ringing marks on the side each bell swings out to.
    if (std::fabs(s) > 0.5) {
        const double side = s > 0 ? 1 : -1;
        const double cx = kBowX + side * 330, cy = 420;
        SetColour(cr, Hex(0xC28A12));
        cairo_set_line_width(cr, 5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int k = 0; k < 3; ++k) {
            const double r = 22 + k * 18;
            cairo_arc(cr, cx - side * 60, cy, r, side > 0 ? -0.6 : kPi - 0.6, side > 0 ? 0.6 : kPi + 0.6);
            cairo_stroke(cr);
        }
    }
}

// ---- Day 22: milk and biscuits for Santa ------------------------------------------------------------

void IcedBiscuit(cairo_t* cr, double x, double y, double r, const std::string& number) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    RadialSource(cr, x - r * 0.2, y - r * 0.2, r * 0.1, r, {{0, Hex(0xE2A860)}, {1, Hex(0xB9773A)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
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

void Day22Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x3B2A4A), Hex(0x4A3354), Hex(0x5A3C58), 420);
    // Window on the snowy night.
    RoundedRectPath(cr, 110, 150, 240, 230, 8);
    LinearSource(cr, 0, 150, 0, 380, {{0, Hex(0x0E1838)}, {1, Hex(0x2E4A84)}});
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xE8DCC4));
    cairo_set_line_width(cr, 12);
    cairo_stroke(cr);
    cairo_save(cr);
    RoundedRectPath(cr, 110, 150, 240, 230, 8);
    cairo_clip(cr);
    Moon(cr, 290, 200, 24);
    StarField(cr, 2222, 30, 2, 150, 300);
    SnowGround(cr, 350, 200, 336, 346);
    cairo_restore(cr);
    cairo_move_to(cr, 230, 150);
    cairo_line_to(cr, 230, 380);
    cairo_move_to(cr, 110, 265);
    cairo_line_to(cr, 350, 265);
    SetColour(cr, Hex(0xE8DCC4));
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    // A candle on the sill lights the table.
    FlameGlow(cr, 620, 300, 60);
    cairo_rectangle(cr, 600, 300, 40, 110);
    LinearSource(cr, 600, 0, 640, 0, {{0, Hex(0xE6D6B8)}, {0.4, Hex(0xFFF6E6)}, {1, Hex(0xD6C6A8)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    Flame(cr, 620, 296, 40, 0.2, 1.0);
    // Table with a checked cloth.
    cairo_rectangle(cr, 0, 410, 800, 190);
    SetColour(cr, Hex(0xF4ECE0));
    cairo_fill(cr);
    for (double x = 0; x < 800; x += 40) {
        cairo_rectangle(cr, x, 410, 20, 190);
        SetColour(cr, Hex(0xD8283A), 0.55);
        cairo_fill(cr);
    }
    for (double y = 410; y < 600; y += 40) {
        cairo_rectangle(cr, 0, y, 800, 20);
        SetColour(cr, Hex(0xD8283A), 0.55);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 0, 410);
    cairo_line_to(cr, 800, 410);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    // Glass of milk.
    GroundShadow(cr, 180, 530, 70, 12, 0.3);
    cairo_move_to(cr, 130, 330);
    cairo_line_to(cr, 230, 330);
    cairo_line_to(cr, 220, 530);
    cairo_curve_to(cr, 200, 540, 160, 540, 140, 530);
    cairo_close_path(cr);
    LinearSource(cr, 130, 0, 230, 0, {{0, Hex(0xE4ECF4)}, {0.4, kWhite}, {1, Hex(0xD2DCE8)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    EllipsePath(cr, 180, 346, 48, 9);
    SetColour(cr, kWhite);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xC9D6E6));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, 150, 370);
    cairo_line_to(cr, 156, 500);
    SetColour(cr, kWhite, 0.9);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    // The plate of biscuits, the big one iced with the day.
    GroundShadow(cr, 450, 520, 210, 22, 0.3);
    EllipsePath(cr, 450, 496, 210, 54);
    FillThenStroke(cr, kWhite, kOutline, kLine);
    EllipsePath(cr, 450, 496, 176, 40);
    SetColour(cr, Hex(0x2FA24D));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    for (const auto& [x, y, a] : {std::array{330.0, 470.0, 0.3}, std::array{570.0, 476.0, -0.2}}) {
        StarPath(cr, x, y, 52, 26, 5, a);
        FillThenStroke(cr, Hex(0xC98142), kOutline, kLine);
        StarPath(cr, x, y, 38, 18, 5, a);
        SetColour(cr, kWhite);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    IcedBiscuit(cr, 452, 400, 92, "22");
    // A carrot for the reindeer and a note.
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

// ---- Day 23: a post box full of letters ---------------------------------------------------------------

void Day23Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x26305E), Hex(0x4A4E86), Hex(0xB898B8), 420);
    StarField(cr, 2323, 30, 2, 10, 260);
    // A row of houses across the street, their windows lit.
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
        FillThenStroke(cr, kSnow, Hex(0x8FA0C0), 2);
        for (int k = 0; k < 2; ++k) {
            RoundedRectPath(cr, x + 22 + k * 52, base - h + 34, 34, 40, 3);
            FillThenStroke(cr, rnd.Uniform(0, 1) < 0.75 ? Hex(0xFFD66B) : Hex(0x3A3A5A), kOutline, 2);
        }
    }
    SnowGround(cr, 440, 400, 430, 450);
    // Letters lying in the snow.
    GroundShadow(cr, 400, 560, 150, 18, 0.3);
    for (const auto& [x, y, a] : {std::array{200.0, 540.0, 0.3}, std::array{600.0, 550.0, -0.25}, std::array{650.0, 500.0, 0.15}}) {
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
    // The pillar box: a red column with a domed cap under snow.
    const double l = 310, r = 490, top = 230, bottom = 560;
    cairo_rectangle(cr, l - 10, bottom - 30, r - l + 20, 30);
    FillThenStroke(cr, Hex(0x1E1E28), kOutline, kLine);
    cairo_rectangle(cr, l, top, r - l, bottom - 30 - top);
    LinearSource(cr, l, 0, r, 0, {{0, Hex(0xA3172A)}, {0.35, Hex(0xF0505E)}, {0.6, kRed}, {1, Hex(0x8A1020)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    RoundedRectPath(cr, l - 14, top - 14, r - l + 28, 30, 8);
    FillThenStroke(cr, kRedShade, kOutline, kLine);
    cairo_move_to(cr, l - 6, top - 12);
    cairo_curve_to(cr, l, top - 90, r, top - 90, r + 6, top - 12);
    cairo_close_path(cr);
    LinearSource(cr, l, 0, r, 0, {{0, Hex(0xA3172A)}, {0.4, Hex(0xF0505E)}, {1, Hex(0x8A1020)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    cairo_move_to(cr, l - 18, top - 10);
    cairo_curve_to(cr, l - 10, top - 70, l + 40, top - 96, 400, top - 98);
    cairo_curve_to(cr, r - 40, top - 96, r + 10, top - 70, r + 18, top - 10);
    cairo_curve_to(cr, r, top - 4, r - 20, top + 10, r - 40, top);
    cairo_curve_to(cr, 440, top + 8, 360, top - 6, l + 30, top + 4);
    cairo_curve_to(cr, l + 10, top + 8, l - 10, top, l - 18, top - 10);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, Hex(0x8FA0C0), 2.5);
    // The slot with letters for Santa sticking out.
    RoundedRectPath(cr, 350, 262, 100, 18, 6);
    FillThenStroke(cr, Hex(0x1E1E28), kOutline, 2.5);
    for (const auto& [x, a] : {std::pair{372.0, -0.2}, std::pair{414.0, 0.15}}) {
        cairo_save(cr);
        cairo_translate(cr, x, 262);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -26, -44, 52, 50);
        FillThenStroke(cr, x < 400 ? kWhite : Hex(0xFFF1C4), kOutline, 2.5);
        cairo_restore(cr);
    }
    // Collection plate and the day in gold.
    RoundedRectPath(cr, 342, 300, 116, 60, 6);
    FillThenStroke(cr, kWhite, kOutline, 2.5);
    SetColour(cr, Hex(0x1E1E28));
    cairo_set_line_width(cr, 3);
    for (double y : {316.0, 330.0, 344.0}) {
        cairo_move_to(cr, 356, y);
        cairo_line_to(cr, 444, y);
    }
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 100, "23", 400, 440, kGold, Hex(0x7A0F1C), 3);
    // Holly tied round its middle.
    DrawHolly(cr, 482, 380, 1.2, 0.6);
}

// ---- Day 24: the sleigh across the moon -----------------------------------------------------------

constexpr double kMoonX = 470, kMoonY = 330, kMoonR = 165;

void Day24Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x060C26), Hex(0x122452), Hex(0x2A4A86), 500);
    StarField(cr, 2424, 90, 0, 10, 460);
    DrawGlow(cr, kMoonX, kMoonY, kMoonR * 1.9, Hex(0xFFF3C4), 0.3);
    cairo_arc(cr, kMoonX, kMoonY, kMoonR, 0, 2 * kPi);
    RadialSource(cr, kMoonX - 40, kMoonY - 40, 10, kMoonR * 1.1, {{0, Hex(0xFFFBE6)}, {1, Hex(0xF0DFA0)}});
    cairo_fill(cr);
    for (const auto& [dx, dy, rr] : {std::array{-60.0, -40.0, 28.0}, std::array{50.0, 60.0, 22.0}, std::array{30.0, -80.0, 14.0},
                                     std::array{-20.0, 90.0, 18.0}, std::array{90.0, -10.0, 12.0}}) {
        cairo_arc(cr, kMoonX + dx, kMoonY + dy, rr, 0, 2 * kPi);
        SetColour(cr, Hex(0xE6D69C), 0.7);
        cairo_fill(cr);
    }
    // The sleeping town: snowy roofs and lit windows.
    Random rnd(2424);
    for (int i = 0; i < 9; ++i) {
        const double x = i * 96 - 40, w = 110, h = rnd.Uniform(60, 120), base = 540;
        cairo_rectangle(cr, x, base - h, w, h + 60);
        FillThenStroke(cr, Hex(0x1A2240), kOutline, 2);
        cairo_move_to(cr, x - 8, base - h);
        cairo_line_to(cr, x + w / 2, base - h - 44);
        cairo_line_to(cr, x + w + 8, base - h);
        cairo_close_path(cr);
        FillThenStroke(cr, Hex(0xDDE6F4), Hex(0x5A6A8E), 2);
        for (int k = 0; k < 2; ++k) {
            if (rnd.Uniform(0, 1) < 0.35) continue;
            RoundedRectPath(cr, x + 22 + k * 44, base - h + 22, 24, 28, 3);
            SetColour(cr, Hex(0xFFD66B));
            cairo_fill(cr);
        }
    }
    // The nearest roof, with a chimney that carries the day.
    cairo_move_to(cr, -10, 600);
    cairo_line_to(cr, -10, 520);
    cairo_line_to(cr, 260, 470);
    cairo_line_to(cr, 360, 600);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x2A2E4E), kOutline, kLine);
    cairo_move_to(cr, -10, 514);
    cairo_line_to(cr, 260, 462);
    cairo_line_to(cr, 290, 500);
    cairo_curve_to(cr, 200, 500, 100, 530, -10, 540);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, Hex(0x5A6A8E), 2);
    cairo_rectangle(cr, 90, 390, 120, 130);
    LinearSource(cr, 90, 0, 210, 0, {{0, Hex(0x8E3B2A)}, {0.5, Hex(0xB0523C)}, {1, Hex(0x7A2A1F)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    RoundedRectPath(cr, 80, 376, 140, 24, 8);
    FillThenStroke(cr, kSnow, Hex(0x5A6A8E), 2);
    PaintedNumber(cr, Font::Script, 84, "24", 150, 456, kWhite, kRed, 3);
}

void Reindeer(cairo_t* cr, double x, double y, double gallop) {
    // A flying reindeer in silhouette, facing right; gallop swings the legs
    // between stretched out and tucked under.
    const Rgb ink = Hex(0x14203E);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    SetColour(cr, ink);
    cairo_move_to(cr, -38, -4);
    cairo_curve_to(cr, -36, -18, -10, -20, 18, -16);
    cairo_curve_to(cr, 30, -14, 38, -10, 40, 0);
    cairo_curve_to(cr, 38, 10, 20, 12, 0, 10);
    cairo_curve_to(cr, -20, 10, -36, 8, -38, -4);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, 24, -12);
    cairo_line_to(cr, 42, -36);
    cairo_line_to(cr, 54, -32);
    cairo_line_to(cr, 40, -2);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 54, -35);
    cairo_rotate(cr, 0.35);
    EllipsePath(cr, 0, 0, 13, 8);
    cairo_fill(cr);
    EllipsePath(cr, 10, 2, 7, 5.5);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_move_to(cr, 44, -40);
    cairo_line_to(cr, 38, -50);
    cairo_line_to(cr, 50, -44);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, -38, -6);
    cairo_line_to(cr, -48, -14);
    cairo_line_to(cr, -42, 0);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3.5);
    cairo_move_to(cr, 50, -42);
    cairo_line_to(cr, 46, -58);
    cairo_line_to(cr, 36, -66);
    cairo_move_to(cr, 47, -54);
    cairo_line_to(cr, 54, -64);
    cairo_move_to(cr, 54, -40);
    cairo_line_to(cr, 60, -56);
    cairo_line_to(cr, 70, -60);
    cairo_move_to(cr, 59, -52);
    cairo_line_to(cr, 58, -64);
    cairo_stroke(cr);
    // Legs, each pair a little out of step.
    cairo_set_line_width(cr, 5.5);
    for (int k = 0; k < 2; ++k) {
        const double f = std::sin(gallop + k * 0.8);
        cairo_move_to(cr, 28 - k * 6, 4);
        cairo_line_to(cr, 40 + 8 * f, 16 - 2 * f);
        cairo_line_to(cr, 54 + 10 * f, 12 + 6 * f);
        cairo_move_to(cr, -28 + k * 6, 4);
        cairo_line_to(cr, -40 - 6 * f, 16);
        cairo_line_to(cr, -56 - 8 * f, 20 - 4 * f);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Day24Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    const double p = 2 * kPi * phase;
    // The team rises and falls gently as it crosses the moon.
    const double bob = 7 * std::sin(p);
    const Rgb ink = Hex(0x14203E);
    const double sx = 370, sy = 392 + bob;
    // Sleigh with Santa and his sack.
    SetColour(cr, ink);
    cairo_move_to(cr, sx - 70, sy - 20);
    cairo_line_to(cr, sx + 20, sy - 20);
    cairo_curve_to(cr, sx + 40, sy - 20, sx + 40, sy + 10, sx + 20, sy + 14);
    cairo_line_to(cr, sx - 60, sy + 14);
    cairo_curve_to(cr, sx - 80, sy + 14, sx - 90, sy - 30, sx - 70, sy - 40);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, sx - 90, sy + 26);
    cairo_line_to(cr, sx + 30, sy + 26);
    cairo_curve_to(cr, sx + 50, sy + 26, sx + 52, sy + 10, sx + 44, sy + 6);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (double lx : {sx - 60, sx + 10}) {
        cairo_move_to(cr, lx, sy + 14);
        cairo_line_to(cr, lx, sy + 26);
    }
    cairo_stroke(cr);
    cairo_arc(cr, sx - 50, sy - 44, 26, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_arc(cr, sx - 8, sy - 40, 16, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_move_to(cr, sx - 16, sy - 52);
    cairo_line_to(cr, sx - 4, sy - 78);
    cairo_line_to(cr, sx + 8, sy - 52);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, sx - 4, sy - 78, 5, 0, 2 * kPi);
    cairo_fill(cr);
    // Reins and four reindeer in pairs, their legs a little out of step.
    const double lead = sx + 80;
    cairo_move_to(cr, sx + 30, sy - 10);
    cairo_curve_to(cr, lead, sy - 24 - bob * 0.2, lead + 120, sy - 50, lead + 250, sy - 66 - bob * 0.4);
    SetColour(cr, ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        const double rx = lead + 50 + (i / 2) * 130 + (i % 2) * 30, ry = sy - 30 - (i / 2) * 22 - (i % 2) * 12;
        cairo_save(cr);
        cairo_translate(cr, rx, ry + std::sin(p + i) * 3);
        cairo_scale(cr, 1.1, 1.1);
        Reindeer(cr, 0, 0, p + i * 0.9);
        cairo_restore(cr);
    }
    // Stars twinkling in turn.
    const std::array<std::array<double, 2>, 6> stars = {{{90, 170}, {250, 230}, {700, 150}, {760, 300}, {160, 330}, {640, 500}}};
    for (size_t i = 0; i < stars.size(); ++i) {
        const double b = 0.5 + 0.5 * std::cos(p - double(i) * 2 * kPi / 6);
        Twinkle(cr, stars[i][0], stars[i][1], 9, b);
    }
}

// ---- Day 25: Christmas morning ------------------------------------------------------------------

void Day25Still(cairo_t* cr) {
    // Morning light through the window on a warm wall.
    SkyGradient(cr, Hex(0xF3D9A8), Hex(0xF6E3BE), Hex(0xEFD2A0), 480);
    // Panelling below the dado rail.
    cairo_rectangle(cr, 0, 360, 800, 120);
    SetColour(cr, Hex(0xE2C08A));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, 352, 800, 12);
    FillThenStroke(cr, Hex(0xF6E8CC), Hex(0xB08A54), 2);
    RoundedRectPath(cr, 540, 150, 200, 250, 10);
    LinearSource(cr, 0, 150, 0, 400, {{0, Hex(0x8EC8F0)}, {1, Hex(0xE0F2FC)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 12);
    cairo_stroke(cr);
    cairo_save(cr);
    RoundedRectPath(cr, 540, 150, 200, 250, 10);
    cairo_clip(cr);
    SnowGround(cr, 360, 640, 350, 370);
    Fir(cr, 600, 372, 100, Hex(0x2A7A55), true, 2);
    Fir(cr, 690, 368, 80, Hex(0x2A7A55), true, 2);
    cairo_restore(cr);
    cairo_move_to(cr, 640, 150);
    cairo_line_to(cr, 640, 400);
    cairo_move_to(cr, 540, 275);
    cairo_line_to(cr, 740, 275);
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    PineGarland(cr, 530, 750, 146, 30, 2525, 26);
    // Floor and rug.
    cairo_rectangle(cr, 0, 480, 800, 120);
    LinearSource(cr, 0, 480, 0, 600, {{0, Hex(0xA86A3C)}, {1, Hex(0x7A4A26)}});
    cairo_fill(cr);
    cairo_move_to(cr, 0, 480);
    cairo_line_to(cr, 800, 480);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    EllipsePath(cr, 330, 560, 330, 34);
    FillThenStroke(cr, Hex(0x2E8A4A), kOutline, 2.5);
    // The tree, fully dressed.
    const TreeShape tree{250, 170, 540, 200, 4};
    ChristmasTree(cr, tree);
    const Rgb colours[4] = {kRed, kGold, Hex(0x2D7BD8), Hex(0xB74BD0)};
    for (int i = 0; i < 14; ++i) {
        const int tier = 1 + i % 3;
        const Point2D p = TreeSwag(tree, tier, std::fmod(0.13 + i * 0.29, 1.0));
        Bauble(cr, p.x, p.y + 22, 10 + (i % 3), colours[i % 4], 2);
    }
    DrawGlow(cr, tree.cx, tree.top - 4, 80, Hex(0xFFE58A), 0.6);
    StarPath(cr, tree.cx, tree.top - 4, 32, 14, 5, 0);
    LinearSource(cr, 0, tree.top - 36, 0, tree.top + 28, {{0, Hex(0xFFF1A6)}, {1, Hex(0xE9A616)}});
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x9A6A08));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // Presents heaped under it, the big one with the day on its tag.
    Present(cr, 60, 470, 110, 90, Hex(0x2D7BD8), kWhite);
    Present(cr, 360, 470, 100, 86, Hex(0xB74BD0), kGold);
    Present(cr, 150, 430, 190, 140, kRed, kGold, 3.5);
    cairo_save(cr);
    cairo_translate(cr, 250, 530);
    cairo_rotate(cr, -0.08);
    RoundedRectPath(cr, -58, -38, 116, 76, 12);
    LinearSource(cr, 0, -38, 0, 38, {{0, Hex(0xFFF8E8)}, {1, Hex(0xEADFC6)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 70, "25", 0, 2, Hex(0x1E8A45), kWhite, 2);
    cairo_restore(cr);
    // Quib, waving a merry Christmas.
    ElfPose pose = WavingPose(1.35, 0.35);
    pose.shadow = false;
    // Facing the tree, so drawn mirrored.
    GroundShadow(cr, 596, 574, 96, 12, 0.3);
    cairo_save(cr);
    cairo_translate(cr, 710, 284);
    cairo_scale(cr, -0.9, 0.9);
    DrawElf(cr, pose);
    // A small present held out in his hand.
    Present(cr, 184, 74, 58, 50, Hex(0x2FA24D), kRed, 2.5);
    cairo_restore(cr);
}

}  // namespace

DoorArt DoorDay21() { return {21, Day21Still, Day21Moving}; }
DoorArt DoorDay22() { return {22, Day22Still, nullptr}; }
DoorArt DoorDay23() { return {23, Day23Still, nullptr}; }
DoorArt DoorDay24() { return {24, Day24Still, Day24Moving}; }
DoorArt DoorDay25() { return {25, Day25Still, nullptr}; }

}  // namespace artgen
