// Doors 11 to 15: a steaming mug of cocoa, a Christmas pudding, a penguin with
// its block of ice, a crackling fire and a nutcracker with his drum.
#include "door_art.h"
#include "door_parts.h"

#include <array>
#include <cmath>
#include <string>

namespace artgen {

using namespace parts;

namespace {

// Warm patterned wallpaper: stripes of two shades with a fine line between.
void Wallpaper(cairo_t* cr, Rgb base, Rgb stripe, double height) {
    cairo_rectangle(cr, 0, 0, 800, height);
    SetColour(cr, base);
    cairo_fill(cr);
    for (double x = 20; x < 800; x += 100) {
        cairo_rectangle(cr, x, 0, 44, height);
        SetColour(cr, stripe);
        cairo_fill(cr);
    }
}

void TableTop(cairo_t* cr, double y, Rgb top, Rgb bottom) {
    cairo_rectangle(cr, 0, y, 800, 600 - y);
    LinearSource(cr, 0, y, 0, 600, {{0, top}, {1, bottom}});
    cairo_fill(cr);
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, 800, y);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
}

// ---- Day 11: a mug of cocoa, steaming -------------------------------------------------------

constexpr double kMugX = 390, kMugTop = 292;

void Day11Still(cairo_t* cr) {
    Wallpaper(cr, Hex(0xE9C98A), Hex(0xE2BE7A), 430);
    // A window on the snowy evening.
    RoundedRectPath(cr, 560, 150, 190, 230, 6);
    LinearSource(cr, 0, 150, 0, 380, {{0, Hex(0x1D2B5C)}, {1, Hex(0x5C6FA8)}});
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xFFF4E0));
    cairo_set_line_width(cr, 12);
    cairo_stroke(cr);
    cairo_save(cr);
    RoundedRectPath(cr, 560, 150, 190, 230, 6);
    cairo_clip(cr);
    SnowGround(cr, 340, 640, 330, 350);
    Fir(cr, 610, 350, 90, Hex(0x22505E), true, 2);
    Fir(cr, 700, 346, 70, Hex(0x22505E), true, 2);
    Random flakes(111);
    for (int i = 0; i < 26; ++i) {
        cairo_arc(cr, flakes.Uniform(560, 750), flakes.Uniform(150, 380), flakes.Uniform(1.5, 3.5), 0, 2 * kPi);
        SetColour(cr, kWhite, 0.9);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_move_to(cr, 655, 150);
    cairo_line_to(cr, 655, 380);
    cairo_move_to(cr, 560, 265);
    cairo_line_to(cr, 750, 265);
    SetColour(cr, Hex(0xFFF4E0));
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    // A string of bunting across the wall.
    for (int i = 0; i < 9; ++i) {
        const Point2D a = SwagPoint(-10, 540, 150, 30, i / 9.0), b = SwagPoint(-10, 540, 150, 30, (i + 1) / 9.0);
        cairo_move_to(cr, a.x, a.y);
        cairo_line_to(cr, b.x, b.y);
        cairo_line_to(cr, (a.x + b.x) / 2, (a.y + b.y) / 2 + 40);
        cairo_close_path(cr);
        FillThenStroke(cr, i % 2 ? Hex(0x2FA24D) : kRed, kOutline, 2);
    }
    TableTop(cr, 430, Hex(0x9A6238), Hex(0x6B3E1E));
    // Gingerbread biscuits on a plate beside the mug.
    EllipsePath(cr, 640, 500, 120, 32);
    FillThenStroke(cr, kWhite, kOutline, kLine);
    EllipsePath(cr, 640, 500, 96, 22);
    SetColour(cr, Hex(0xD9E4F0));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (const auto& [x, y] : {std::pair{600.0, 484.0}, std::pair{670.0, 490.0}}) {
        StarPath(cr, x, y, 34, 17, 5, 0.2);
        FillThenStroke(cr, Hex(0xC98142), kOutline, 2.5);
        StarPath(cr, x, y, 24, 11, 5, 0.2);
        SetColour(cr, kWhite);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    GroundShadow(cr, kMugX + 20, 530, 190, 20, 0.35);

    // The mug: body, handle, rim.
    const double l = kMugX - 130, r = kMugX + 130, bottom = 528;
    cairo_arc(cr, r + 10, 400, 60, -kPi / 2, kPi / 2);
    cairo_arc_negative(cr, r + 10, 400, 34, kPi / 2, -kPi / 2);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xB8182A), kOutline, kLine);
    cairo_move_to(cr, l, kMugTop);
    cairo_line_to(cr, l + 8, bottom - 20);
    cairo_curve_to(cr, l + 12, bottom + 4, r - 12, bottom + 4, r - 8, bottom - 20);
    cairo_line_to(cr, r, kMugTop);
    cairo_close_path(cr);
    LinearSource(cr, l, 0, r, 0, {{0, Hex(0xA3172A)}, {0.35, Hex(0xE8404E)}, {1, Hex(0x9A1424)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    // Snowflakes painted on it, and the day.
    SetColour(cr, kWhite, 0.9);
    DrawSnowflake(cr, l + 40, 460, 14, 0.2, 3);
    DrawSnowflake(cr, r - 40, 470, 12, 0.5, 3);
    PaintedNumber(cr, Font::Script, 118, "11", kMugX, 414, kWhite, Hex(0x7A0F1C), 3);
    // Cocoa, cream and marshmallows at the rim.
    EllipsePath(cr, kMugX, kMugTop, 130, 24);
    FillThenStroke(cr, Hex(0x5A2E14), kOutline, kLine);
    cairo_move_to(cr, l + 24, kMugTop + 4);
    cairo_curve_to(cr, l + 10, kMugTop - 40, kMugX - 60, kMugTop - 56, kMugX - 20, kMugTop - 50);
    cairo_curve_to(cr, kMugX - 10, kMugTop - 84, kMugX + 40, kMugTop - 80, kMugX + 40, kMugTop - 52);
    cairo_curve_to(cr, kMugX + 90, kMugTop - 58, r, kMugTop - 30, r - 24, kMugTop + 4);
    cairo_curve_to(cr, kMugX + 40, kMugTop + 16, kMugX - 40, kMugTop + 16, l + 24, kMugTop + 4);
    cairo_close_path(cr);
    LinearSource(cr, 0, kMugTop - 84, 0, kMugTop + 12, {{0, kWhite}, {1, Hex(0xE6ECF4)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
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
    // A candy cane hooked over the rim.
    auto cane = [cr](double lw) {
        cairo_move_to(cr, kMugX + 96, kMugTop + 90);
        cairo_line_to(cr, kMugX + 96, kMugTop - 70);
        cairo_arc(cr, kMugX + 120, kMugTop - 70, 24, kPi, 2 * kPi);
        cairo_line_to(cr, kMugX + 144, kMugTop - 50);
        cairo_set_line_width(cr, lw);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    };
    cane(20);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    cane(14);
    SetColour(cr, kWhite);
    cairo_stroke(cr);
    cane(14);
    const double dashes[2] = {10, 10};
    cairo_set_dash(cr, dashes, 2, 0);
    SetColour(cr, kRed);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void Day11Moving(cairo_t* cr, int frame, int frames) {
    // Three wisps of steam; each wave travels up by a quarter of its length
    // per frame, so the loop is one whole wavelength.
    const double phase = LoopPhase(frame, frames);
    constexpr double kWave = 110;
    const double bases[3] = {kMugX - 60, kMugX + 10, kMugX + 70};
    for (int w = 0; w < 3; ++w) {
        const double baseY = kMugTop - (w == 1 ? 86 : 54);
        const double height = w == 1 ? 66 : 96;
        cairo_save(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int seg = 0; seg < 14; ++seg) {
            const double t0 = seg / 14.0, t1 = (seg + 1) / 14.0;
            auto at = [&](double t) {
                const double y = baseY - height * t;
                const double swing = (8 + 18 * t) * std::sin(2 * kPi * ((baseY - y) / kWave - phase) + w * 2.1);
                return Point2D{bases[w] + swing, y};
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
}

// ---- Day 12: a Christmas pudding ------------------------------------------------------------

void Day12Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x0F4A32), Hex(0x166040), Hex(0x0F4A32), 400);
    // Damask-like pattern of small gold diamonds on the green wall.
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 11; ++c) {
            const double x = 40 + c * 76 + (r % 2) * 38, y = 150 + r * 50;
            StarPath(cr, x, y, 10, 4, 4, 0);
            SetColour(cr, Hex(0xC9A54A), 0.35);
            cairo_fill(cr);
        }
    // Red tablecloth with a white border.
    cairo_rectangle(cr, 0, 400, 800, 200);
    LinearSource(cr, 0, 400, 0, 600, {{0, Hex(0xC21E30)}, {1, Hex(0x8A1020)}});
    cairo_fill(cr);
    for (double y : {420.0, 436.0}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    SetColour(cr, Hex(0xFFF0E6));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, 400);
    cairo_line_to(cr, 800, 400);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    // Plate.
    EllipsePath(cr, 400, 490, 250, 62);
    FillThenStroke(cr, kWhite, kOutline, kLine);
    EllipsePath(cr, 400, 490, 210, 46);
    SetColour(cr, Hex(0x2D6FC4));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    EllipsePath(cr, 400, 494, 180, 36);
    SetColour(cr, Hex(0xE2E9F2));
    cairo_fill(cr);
    // The pudding: a dome studded with fruit.
    cairo_move_to(cr, 220, 480);
    cairo_curve_to(cr, 210, 330, 300, 250, 400, 250);
    cairo_curve_to(cr, 500, 250, 590, 330, 580, 480);
    cairo_curve_to(cr, 520, 510, 280, 510, 220, 480);
    cairo_close_path(cr);
    RadialSource(cr, 360, 320, 20, 240, {{0, Hex(0x8A4A26)}, {0.6, Hex(0x5E2E16)}, {1, Hex(0x3A1A0C)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    Random rnd(1212);
    for (int i = 0; i < 46; ++i) {
        const double x = rnd.Uniform(240, 560), y = rnd.Uniform(340, 480);
        if (std::pow((x - 400) / 180, 2) + std::pow((y - 480) / 230, 2) > 1) continue;
        EllipsePath(cr, x, y, rnd.Uniform(4, 7), rnd.Uniform(3, 5));
        SetColour(cr, i % 5 == 0 ? Hex(0xC2282A) : Hex(0x24100A));
        cairo_fill(cr);
    }
    // Brandy butter poured over the top, dripping down.
    cairo_move_to(cr, 262, 350);
    cairo_curve_to(cr, 290, 270, 510, 270, 538, 350);
    cairo_curve_to(cr, 530, 380, 520, 390, 514, 366);
    cairo_curve_to(cr, 504, 350, 490, 400, 478, 360);
    cairo_curve_to(cr, 468, 344, 450, 420, 436, 366);
    cairo_curve_to(cr, 420, 350, 400, 380, 384, 362);
    cairo_curve_to(cr, 364, 348, 350, 410, 334, 364);
    cairo_curve_to(cr, 320, 344, 300, 390, 290, 364);
    cairo_curve_to(cr, 280, 348, 268, 380, 262, 350);
    cairo_close_path(cr);
    LinearSource(cr, 0, 270, 0, 400, {{0, Hex(0xFFFDF2)}, {1, Hex(0xF2E6C4)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    DrawHolly(cr, 400, 276, 2.0, 0);
    // A little paper flag with the day, stuck in the top.
    cairo_move_to(cr, 430, 290);
    cairo_line_to(cr, 470, 150);
    SetColour(cr, Hex(0xC9A06A));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, 470, 150);
    cairo_curve_to(cr, 550, 136, 590, 170, 670, 156);
    cairo_line_to(cr, 652, 256);
    cairo_curve_to(cr, 580, 268, 540, 232, 448, 250);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xFFF8E6), kOutline, kLine);
    PaintedNumber(cr, Font::Script, 96, "12", 558, 204, kRed, kWhite, 2.5);
}

// ---- Day 13: a penguin and its block of ice -----------------------------------------------------

void Penguin(cairo_t* cr, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const Rgb black = Hex(0x1E2433), white = Hex(0xFAFCFF), orange = Hex(0xF2931E);
    // Feet.
    for (double s : {-1.0, 1.0}) {
        EllipsePath(cr, s * 40, 200, 38, 14);
        FillThenStroke(cr, orange, kOutline, kLine);
    }
    // Flippers: one down, one waving.
    cairo_save(cr);
    cairo_translate(cr, -88, 40);
    cairo_rotate(cr, 0.3);
    EllipsePath(cr, 0, 40, 22, 64);
    FillThenStroke(cr, black, kOutline, kLine);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, 84, 10);
    cairo_rotate(cr, -2.2);
    EllipsePath(cr, 0, 44, 22, 64);
    FillThenStroke(cr, black, kOutline, kLine);
    cairo_restore(cr);
    // Body and head.
    EllipsePath(cr, 0, 70, 100, 138);
    RadialSource(cr, -30, 0, 10, 160, {{0, Hex(0x3A4458)}, {1, black}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    EllipsePath(cr, 0, 100, 72, 104);
    LinearSource(cr, 0, 0, 0, 204, {{0, white}, {1, Hex(0xD6E2F0)}});
    cairo_fill(cr);
    // Face patch, eyes, beak, cheeks.
    cairo_move_to(cr, 0, -30);
    cairo_curve_to(cr, 30, -60, 70, -40, 62, 0);
    cairo_curve_to(cr, 50, 30, -50, 30, -62, 0);
    cairo_curve_to(cr, -70, -40, -30, -60, 0, -30);
    cairo_close_path(cr);
    SetColour(cr, white);
    cairo_fill(cr);
    for (double s : {-1.0, 1.0}) {
        cairo_arc(cr, s * 26, -14, 9, 0, 2 * kPi);
        SetColour(cr, Hex(0x141824));
        cairo_fill(cr);
        cairo_arc(cr, s * 26 - 3, -17, 3, 0, 2 * kPi);
        SetColour(cr, kWhite);
        cairo_fill(cr);
        EllipsePath(cr, s * 40, 8, 11, 7);
        SetColour(cr, Hex(0xF7A0B0), 0.8);
        cairo_fill(cr);
    }
    cairo_move_to(cr, -16, 4);
    cairo_line_to(cr, 16, 4);
    cairo_line_to(cr, 0, 26);
    cairo_close_path(cr);
    FillThenStroke(cr, orange, kOutline, 2.5);
    // Striped scarf.
    cairo_move_to(cr, -70, 36);
    cairo_curve_to(cr, -30, 58, 30, 58, 70, 36);
    cairo_line_to(cr, 72, 60);
    cairo_curve_to(cr, 30, 82, -30, 82, -72, 60);
    cairo_close_path(cr);
    FillThenStroke(cr, kRed, kOutline, kLine);
    cairo_move_to(cr, 30, 66);
    cairo_line_to(cr, 58, 66);
    cairo_line_to(cr, 66, 140);
    cairo_line_to(cr, 40, 144);
    cairo_close_path(cr);
    FillThenStroke(cr, kRed, kOutline, kLine);
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 6);
    for (double sy : {92.0, 118.0}) {
        cairo_move_to(cr, 36, sy);
        cairo_line_to(cr, 62, sy - 2);
    }
    cairo_stroke(cr);
    // Bobble hat.
    cairo_move_to(cr, -66, -52);
    cairo_curve_to(cr, -60, -130, 60, -130, 66, -52);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x2FA24D), kOutline, kLine);
    RoundedRectPath(cr, -72, -64, 144, 24, 12);
    FillThenStroke(cr, kWhite, kOutline, kLine);
    cairo_arc(cr, 0, -122, 20, 0, 2 * kPi);
    FillThenStroke(cr, kWhite, kOutline, kLine);
    cairo_restore(cr);
}

void Day13Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x5FA8D8), Hex(0xA9DDF2), Hex(0xE4F6FC), 430);
    // Icebergs on the sea.
    cairo_rectangle(cr, 0, 380, 800, 60);
    SetColour(cr, Hex(0x2F7BB0));
    cairo_fill(cr);
    for (const auto& [x, w, h] : {std::array{120.0, 180.0, 90.0}, std::array{640.0, 220.0, 120.0}}) {
        cairo_move_to(cr, x - w / 2, 392);
        cairo_line_to(cr, x - w / 4, 392 - h * 0.7);
        cairo_line_to(cr, x, 392 - h);
        cairo_line_to(cr, x + w / 3, 392 - h * 0.6);
        cairo_line_to(cr, x + w / 2, 392);
        cairo_close_path(cr);
        LinearSource(cr, x - w / 2, 0, x + w / 2, 0, {{0, kWhite}, {1, Hex(0xB6D8EE)}});
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0x4F86B0));
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
    }
    Random rnd(1313);
    for (int i = 0; i < 30; ++i) {
        SetColour(cr, kWhite, 0.8);
        DrawSnowflake(cr, rnd.Uniform(0, 800), rnd.Uniform(150, 380), rnd.Uniform(4, 8), rnd.Uniform(0, 1), 1.6);
    }
    SnowGround(cr, 430, 380, 420, 440);
    GroundShadow(cr, 330, 545, 130, 16, 0.25);
    GroundShadow(cr, 580, 530, 110, 16, 0.25);
    // The block of ice with the day frozen inside.
    const double bx = 500, by = 330, bw = 170, bh = 190;
    cairo_move_to(cr, bx, by + 24);
    cairo_line_to(cr, bx + 30, by);
    cairo_line_to(cr, bx + bw + 30, by);
    cairo_line_to(cr, bx + bw, by + 24);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xE8F7FF), Hex(0x3A7FB4), kLine);
    cairo_move_to(cr, bx + bw, by + 24);
    cairo_line_to(cr, bx + bw + 30, by);
    cairo_line_to(cr, bx + bw + 30, by + bh - 24);
    cairo_line_to(cr, bx + bw, by + bh);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x8CC6EA), Hex(0x3A7FB4), kLine);
    cairo_rectangle(cr, bx, by + 24, bw, bh - 24);
    LinearSource(cr, bx, by, bx + bw, by + bh, {{0, Hex(0xD6F0FF)}, {0.5, Hex(0xAEDCF6)}, {1, Hex(0x8CC6EA)}});
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x3A7FB4));
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    CentredNumberPath(cr, Font::Script, 130, "13", bx + bw / 2, by + 24 + (bh - 24) / 2);
    SetColour(cr, Hex(0x1F5FA8));
    cairo_fill(cr);
    // Streaks of light on the ice face.
    SetColour(cr, kWhite, 0.7);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, bx + 16, by + 60);
    cairo_line_to(cr, bx + 50, by + 36);
    cairo_move_to(cr, bx + 16, by + 90);
    cairo_line_to(cr, bx + 80, by + 44);
    cairo_stroke(cr);
    Penguin(cr, 310, 330);
}

// ---- Day 14: a crackling fire -------------------------------------------------------------------

constexpr double kFireX = 400, kFireBase = 500;

void Day14Still(cairo_t* cr) {
    Wallpaper(cr, Hex(0x6E2A2A), Hex(0x662626), 600);
    // Stone chimney breast.
    cairo_rectangle(cr, 150, 150, 500, 450);
    SetColour(cr, Hex(0xA88B74));
    cairo_fill(cr);
    Random rnd(1414);
    for (int row = 0; row < 12; ++row) {
        for (double x = 150 - (row % 2) * 30; x < 650; x += 60) {
            const double y = 150 + row * 38;
            RoundedRectPath(cr, std::max(150.0, x + 2), y + 2, std::min(56.0, 648 - std::max(150.0, x + 2)), 34, 6);
            SetColour(cr, Mix(Hex(0xC2A58C), Hex(0x9C7C64), rnd.Uniform(0, 1)));
            cairo_fill(cr);
        }
    }
    cairo_rectangle(cr, 150, 150, 500, 450);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    // Mantel beam with the day on a brass plate.
    cairo_rectangle(cr, 120, 222, 560, 84);
    LinearSource(cr, 0, 222, 0, 306, {{0, Hex(0x8A5128)}, {1, Hex(0x5A3219)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    PineGarland(cr, 110, 690, 222, 4, 1414, 24);
    for (int i = 0; i < 6; ++i) {
        const Point2D p = SwagPoint(110, 690, 232, 4, (i + 0.5) / 6);
        DrawHolly(cr, p.x, p.y, 0.8, i % 2 ? 0.3 : -0.3);
    }
    RoundedRectPath(cr, 320, 232, 160, 66, 12);
    LinearSource(cr, 0, 232, 0, 298, {{0, Hex(0xFFE39A)}, {1, kGoldShade}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 72, "14", 400, 266, kRed, Hex(0xFFF1C4), 2.5);
    // The hearth opening.
    cairo_move_to(cr, 250, 560);
    cairo_line_to(cr, 250, 400);
    cairo_curve_to(cr, 250, 340, 550, 340, 550, 400);
    cairo_line_to(cr, 550, 560);
    cairo_close_path(cr);
    RadialSource(cr, kFireX, kFireBase, 20, 260, {{0, Hex(0xB8501C)}, {0.4, Hex(0x4A1E10)}, {1, Hex(0x1A0C08)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    FlameGlow(cr, kFireX, kFireBase, 70);
    // Logs and embers.
    for (const auto& [x, y, a] : {std::array{360.0, 512.0, 0.18}, std::array{440.0, 512.0, -0.18}, std::array{400.0, 530.0, 0.0}}) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        RoundedRectPath(cr, -80, -14, 160, 28, 14);
        FillThenStroke(cr, Hex(0x6B3E1E), kOutline, kLine);
        EllipsePath(cr, 74, 0, 10, 13);
        FillThenStroke(cr, Hex(0xD9A86A), kOutline, 2);
        cairo_restore(cr);
    }
    // Hearth stone and a rug.
    cairo_rectangle(cr, 120, 556, 560, 44);
    LinearSource(cr, 0, 556, 0, 600, {{0, Hex(0x8C7A6C)}, {1, Hex(0x6A5A4E)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    // A basket of logs and a pair of boots drying by the fire.
    cairo_move_to(cr, 40, 470);
    cairo_line_to(cr, 130, 470);
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
    for (double bx : {690.0, 738.0}) {
        cairo_move_to(cr, bx, 480);
        cairo_line_to(cr, bx + 28, 480);
        cairo_line_to(cr, bx + 28, 540);
        cairo_line_to(cr, bx + 44, 556);
        cairo_line_to(cr, bx - 4, 560);
        cairo_close_path(cr);
        FillThenStroke(cr, Hex(0x2A3E6A), kOutline, kLine);
        RoundedRectPath(cr, bx - 4, 472, 36, 16, 8);
        FillThenStroke(cr, kWhite, kOutline, 2);
    }
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

// ---- Day 15: a nutcracker and his drum ---------------------------------------------------------

void Day15Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x15215C), Hex(0x24338A), Hex(0x15215C));
    StarField(cr, 1515, 30, 6, 140, 560);
    // Stage floor.
    cairo_rectangle(cr, 0, 520, 800, 80);
    LinearSource(cr, 0, 520, 0, 600, {{0, Hex(0x9A6238)}, {1, Hex(0x6B3E1E)}});
    cairo_fill(cr);
    GroundShadow(cr, 400, 556, 170, 18, 0.4);
    // Spotlight.
    DrawGlow(cr, 400, 360, 300, Hex(0xFFF1C4), 0.35);
    cairo_save(cr);
    cairo_translate(cr, 400, 566);
    cairo_scale(cr, 0.9, 0.9);
    cairo_translate(cr, -400, -566);
    const Rgb red = Hex(0xCC2233), black = Hex(0x1E1E28), gold = kGold, blue = Hex(0x2A4FA8);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Legs and boots.
    for (double s : {-1.0, 1.0}) {
        cairo_rectangle(cr, 400 + s * 34 - 24, 410, 48, 100);
        FillThenStroke(cr, blue, kOutline, kLine);
        RoundedRectPath(cr, 400 + s * 34 - 30, 470, 60, 78, 10);
        FillThenStroke(cr, black, kOutline, kLine);
        cairo_move_to(cr, 400 + s * 34 - 20, 480);
        cairo_line_to(cr, 400 + s * 34 - 10, 530);
        SetColour(cr, Hex(0x50505E));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    // Jacket.
    cairo_move_to(cr, 320, 300);
    cairo_curve_to(cr, 330, 280, 470, 280, 480, 300);
    cairo_line_to(cr, 492, 430);
    cairo_line_to(cr, 308, 430);
    cairo_close_path(cr);
    LinearSource(cr, 308, 0, 492, 0, {{0, Lighten(red, -0.2)}, {0.5, red}, {1, Lighten(red, -0.25)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_rectangle(cr, 304, 404, 192, 22);
    FillThenStroke(cr, black, kOutline, kLine);
    RoundedRectPath(cr, 386, 404, 28, 22, 3);
    FillThenStroke(cr, gold, kOutline, 2);
    for (double y : {318.0, 346.0, 374.0}) {
        for (double s : {-1.0, 1.0}) {
            cairo_arc(cr, 400 + s * 22, y, 6, 0, 2 * kPi);
            FillThenStroke(cr, gold, kOutline, 1.5);
        }
        cairo_move_to(cr, 378, y);
        cairo_line_to(cr, 422, y);
        SetColour(cr, gold);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    // Epaulettes and arms down to the drum.
    for (double s : {-1.0, 1.0}) {
        CapsulePath(cr, 400 + s * 84, 304, 22, 400 + s * 110, 420, 20);
        FillThenStroke(cr, red, kOutline, kLine);
        EllipsePath(cr, 400 + s * 84, 298, 32, 14);
        FillThenStroke(cr, gold, kOutline, kLine);
        cairo_arc(cr, 400 + s * 112, 432, 18, 0, 2 * kPi);
        FillThenStroke(cr, kWhite, kOutline, kLine);
    }
    // Head: square jaw, white beard, moustache, rosy cheeks.
    RoundedRectPath(cr, 344, 178, 112, 120, 18);
    LinearSource(cr, 344, 0, 456, 0, {{0, Hex(0xF2D2B8)}, {0.5, Hex(0xFBE6D4)}, {1, Hex(0xE8BFA0)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_move_to(cr, 344, 250);
    cairo_curve_to(cr, 350, 320, 450, 320, 456, 250);
    cairo_line_to(cr, 456, 270);
    cairo_curve_to(cr, 440, 300, 360, 300, 344, 270);
    cairo_close_path(cr);
    cairo_move_to(cr, 344, 250);
    cairo_curve_to(cr, 340, 300, 370, 320, 400, 322);
    cairo_curve_to(cr, 430, 320, 460, 300, 456, 250);
    cairo_curve_to(cr, 440, 262, 360, 262, 344, 250);
    cairo_close_path(cr);
    FillThenStroke(cr, kWhite, Hex(0x8FA0B8), 2.5);
    RoundedRectPath(cr, 372, 268, 56, 16, 4);
    FillThenStroke(cr, Hex(0x9A3A30), kOutline, 2);
    for (double s : {-1.0, 1.0}) {
        cairo_move_to(cr, 400, 256);
        cairo_curve_to(cr, 400 + s * 20, 246, 400 + s * 34, 250, 400 + s * 40, 262);
        cairo_curve_to(cr, 400 + s * 28, 258, 400 + s * 14, 262, 400, 262);
        cairo_close_path(cr);
        FillThenStroke(cr, kWhite, Hex(0x8FA0B8), 2);
        cairo_arc(cr, 400 + s * 24, 220, 7, 0, 2 * kPi);
        SetColour(cr, Hex(0x1E140C));
        cairo_fill(cr);
        EllipsePath(cr, 400 + s * 38, 242, 11, 8);
        SetColour(cr, Hex(0xF27A86), 0.7);
        cairo_fill(cr);
    }
    cairo_arc(cr, 400, 238, 9, 0, 2 * kPi);
    FillThenStroke(cr, Hex(0xF2B09C), kOutline, 2);
    // Tall hat with a plume and a gold badge.
    cairo_move_to(cr, 338, 194);
    cairo_line_to(cr, 346, 110);
    cairo_curve_to(cr, 370, 100, 430, 100, 454, 110);
    cairo_line_to(cr, 462, 194);
    cairo_close_path(cr);
    LinearSource(cr, 338, 0, 462, 0, {{0, black}, {0.45, Hex(0x3A3A4A)}, {1, black}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    cairo_rectangle(cr, 334, 184, 132, 16);
    FillThenStroke(cr, gold, kOutline, 2.5);
    StarPath(cr, 400, 148, 20, 9, 5, 0);
    FillThenStroke(cr, gold, kOutline, 2);
    EllipsePath(cr, 448, 112, 12, 26);
    FillThenStroke(cr, kWhite, Hex(0x8FA0B8), 2);
    // The drum with the day, held in front.
    const double dx = 400, dy = 470;
    EllipsePath(cr, dx, dy + 80, 110, 26);
    FillThenStroke(cr, red, kOutline, kLine);
    cairo_rectangle(cr, dx - 110, dy, 220, 80);
    LinearSource(cr, dx - 110, 0, dx + 110, 0, {{0, Hex(0xE8E0D0)}, {0.4, kWhite}, {1, Hex(0xC9C0B0)}});
    cairo_fill(cr);
    cairo_move_to(cr, dx - 110, dy);
    cairo_line_to(cr, dx - 110, dy + 80);
    cairo_move_to(cr, dx + 110, dy);
    cairo_line_to(cr, dx + 110, dy + 80);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    SetColour(cr, kGoldShade);
    cairo_set_line_width(cr, 3);
    for (int k = 0; k < 5; ++k) {
        const double x0 = dx - 110 + k * 44;
        cairo_move_to(cr, x0, dy + 6);
        cairo_line_to(cr, x0 + 22, dy + 74);
        cairo_line_to(cr, x0 + 44, dy + 6);
    }
    cairo_stroke(cr);
    EllipsePath(cr, dx, dy, 110, 26);
    FillThenStroke(cr, Hex(0xF6EEDC), kOutline, kLine);
    cairo_rectangle(cr, dx - 110, dy + 70, 220, 14);
    SetColour(cr, red);
    cairo_fill(cr);
    PaintedNumber(cr, Font::Script, 92, "15", dx, dy + 42, Hex(0x1F4FA8), kWhite, 3);
    // Drumsticks.
    for (double s : {-1.0, 1.0}) {
        cairo_move_to(cr, dx + s * 112, 432);
        cairo_line_to(cr, dx + s * 40, dy - 10);
        SetColour(cr, kOutline);
        cairo_set_line_width(cr, 9);
        cairo_stroke(cr);
        cairo_move_to(cr, dx + s * 112, 432);
        cairo_line_to(cr, dx + s * 40, dy - 10);
        SetColour(cr, Hex(0xE8CFA0));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

}  // namespace

DoorArt DoorDay11() { return {11, Day11Still, Day11Moving}; }
DoorArt DoorDay12() { return {12, Day12Still, nullptr}; }
DoorArt DoorDay13() { return {13, Day13Still, nullptr}; }
DoorArt DoorDay14() { return {14, Day14Still, Day14Moving}; }
DoorArt DoorDay15() { return {15, Day15Still, nullptr}; }

}  // namespace artgen
