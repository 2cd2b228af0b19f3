// Day 24: Christmas Eve, Santa's sleigh across the moon above the sleeping town,
// the 24 on a chimney; the team bobs and gallops, stars twinkle.
#include "door_parts.h"

#include <array>
#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

// The moon the sleigh crosses, and the sleigh's place before it bobs.
constexpr double kMoonX = 470, kMoonY = 330, kMoonR = 165;
constexpr double kSleighX = 370, kSleighY = 392;
// The silhouettes' ink, and the edge of the snow on the town's roofs.
constexpr Rgb kInk = Hex(0x14203E), kRoofSnowEdge = Hex(0x5A6A8E);

// The reindeer's body, neck, head, ear and tail, in its coordinates (the
// middle of its body) and the current source.
void ReindeerBody(cairo_t* cr) {
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
}

void ReindeerAntlers(cairo_t* cr) {
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
}

// Legs, each pair a little out of step; gallop swings them between
// stretched out and tucked under.
void ReindeerLegs(cairo_t* cr, double gallop) {
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
}

// A flying reindeer in silhouette at (x, y), facing right.
void Reindeer(cairo_t* cr, double x, double y, double gallop) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    SetColour(cr, kInk);
    ReindeerBody(cr);
    ReindeerAntlers(cr);
    ReindeerLegs(cr, gallop);
    cairo_restore(cr);
}

// The full moon with its glow and darker patches.
void FullMoon(cairo_t* cr) {
    DrawGlow(cr, kMoonX, kMoonY, kMoonR * 1.9, Hex(0xFFF3C4), 0.3);
    cairo_arc(cr, kMoonX, kMoonY, kMoonR, 0, 2 * kPi);
    RadialSource(cr, kMoonX - 40, kMoonY - 40, 10, kMoonR * 1.1, {{0, Hex(0xFFFBE6)}, {1, Hex(0xF0DFA0)}});
    cairo_fill(cr);
    for (const auto& [dx, dy, rr] :
         {std::array{-60.0, -40.0, 28.0}, std::array{50.0, 60.0, 22.0}, std::array{30.0, -80.0, 14.0},
          std::array{-20.0, 90.0, 18.0}, std::array{90.0, -10.0, 12.0}}) {
        cairo_arc(cr, kMoonX + dx, kMoonY + dy, rr, 0, 2 * kPi);
        SetColour(cr, Hex(0xE6D69C), 0.7);
        cairo_fill(cr);
    }
}

// The sleeping town: houses with snowy roofs, some windows lit.
void SleepingTown(cairo_t* cr) {
    Random rnd(2424);
    for (int i = 0; i < 9; ++i) {
        const double x = i * 96 - 40, w = 110, h = rnd.Uniform(60, 120), base = 540;
        cairo_rectangle(cr, x, base - h, w, h + 60);
        FillThenStroke(cr, Hex(0x1A2240), kOutline, 2);
        cairo_move_to(cr, x - 8, base - h);
        cairo_line_to(cr, x + w / 2, base - h - 44);
        cairo_line_to(cr, x + w + 8, base - h);
        cairo_close_path(cr);
        FillThenStroke(cr, Hex(0xDDE6F4), kRoofSnowEdge, 2);
        for (int k = 0; k < 2; ++k) {
            if (rnd.Uniform(0, 1) < 0.35) continue;
            RoundedRectPath(cr, x + 22 + k * 44, base - h + 22, 24, 28, 3);
            SetColour(cr, Hex(0xFFD66B));
            cairo_fill(cr);
        }
    }
}

// The nearest roof under snow, with a chimney that carries the day.
void NearestRoof(cairo_t* cr) {
    constexpr double kRidgeX = 260, kChimneyLeft = 90, kChimneyTop = 390, kChimneyW = 120;
    cairo_move_to(cr, -10, 600);
    cairo_line_to(cr, -10, 520);
    cairo_line_to(cr, kRidgeX, 470);
    cairo_line_to(cr, 360, 600);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x2A2E4E), kOutline, kLine);
    cairo_move_to(cr, -10, 514);
    cairo_line_to(cr, kRidgeX, 462);
    cairo_line_to(cr, 290, 500);
    cairo_curve_to(cr, 200, 500, 100, 530, -10, 540);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kRoofSnowEdge, 2);
    cairo_rectangle(cr, kChimneyLeft, kChimneyTop, kChimneyW, 130);
    LinearSource(cr, kChimneyLeft, 0, kChimneyLeft + kChimneyW, 0,
                 {{0, Hex(0x8E3B2A)}, {0.5, Hex(0xB0523C)}, {1, Hex(0x7A2A1F)}});
    FillSourceThenStroke(cr, kOutline, 2);
    RoundedRectPath(cr, kChimneyLeft - 10, kChimneyTop - 14, kChimneyW + 20, 24, 8);
    FillThenStroke(cr, kSnow, kRoofSnowEdge, 2);
    PaintedNumber(cr, Font::Script, 84, "24", kChimneyLeft + kChimneyW / 2, 456, kWhite, kRed, 3);
}

// The sleigh at (sx, sy) in silhouette: its body, the runner and its struts,
// Santa and his sack.
void Sleigh(cairo_t* cr, double sx, double sy) {
    SetColour(cr, kInk);
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
}

// The reins from the sleigh at (sx, sy) and four reindeer in pairs ahead of
// it, each bobbing and galloping a little out of step; p is the loop's angle.
void ReinsAndTeam(cairo_t* cr, double sx, double sy, double bob, double p) {
    const double lead = sx + 80;
    cairo_move_to(cr, sx + 30, sy - 10);
    cairo_curve_to(cr, lead, sy - 24 - bob * 0.2, lead + 120, sy - 50, lead + 250, sy - 66 - bob * 0.4);
    SetColour(cr, kInk);
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
}

}  // namespace

void Day24Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x060C26), Hex(0x122452), Hex(0x2A4A86), 500);
    StarField(cr, 2424, 90, 0, 10, 460);
    FullMoon(cr);
    SleepingTown(cr);
    NearestRoof(cr);
}

void Day24Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    const double p = 2 * kPi * phase;
    // The team rises and falls gently as it crosses the moon.
    const double bob = 7 * std::sin(p);
    const double sx = kSleighX, sy = kSleighY + bob;
    Sleigh(cr, sx, sy);
    ReinsAndTeam(cr, sx, sy, bob, p);
    // Stars twinkling in turn.
    const std::array<std::array<double, 2>, 6> stars = {
        {{90, 170}, {250, 230}, {700, 150}, {760, 300}, {160, 330}, {640, 500}}};
    for (size_t i = 0; i < stars.size(); ++i) {
        const double b = 0.5 + 0.5 * std::cos(p - double(i) * 2 * kPi / 6);
        Twinkle(cr, stars[i][0], stars[i][1], 9, b);
    }
}

}  // namespace artgen::doors
