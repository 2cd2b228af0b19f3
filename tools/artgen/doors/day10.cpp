// Day 10: a red-nosed reindeer with the 10 on his collar medal.
#include "door_parts.h"

#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kFur = Hex(0x9A6236), kFurDark = Hex(0x6E4222), kMuzzle = Hex(0xE9CBA4);
// The reindeer's centre line and the rows of his features on it.
constexpr double kCx = 400;
constexpr double kCrownY = 160, kEarY = 220, kEyeY = 272, kNoseY = 356, kMuzzleY = 378, kMedalY = 530;
constexpr double kEyeSpread = 50;

// The branches of the right antler, from its root on the head.
void AntlerPath(cairo_t* cr) {
    cairo_move_to(cr, 50, 206);
    cairo_curve_to(cr, 70, 170, 90, 150, 130, 140);
    cairo_curve_to(cr, 160, 132, 180, 150, 190, 170);
    cairo_move_to(cr, 130, 140);
    cairo_curve_to(cr, 140, 120, 150, 100, 168, 96);
    cairo_move_to(cr, 86, 160);
    cairo_curve_to(cr, 80, 140, 82, 118, 96, 108);
}

// One antler, mirrored to the left for side -1: a thick dark stroke under a
// lighter one.
void Antler(cairo_t* cr, double side) {
    cairo_save(cr);
    cairo_translate(cr, kCx, 0);
    cairo_scale(cr, side, 1);
    AntlerPath(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 22);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    AntlerPath(cr);
    SetColour(cr, Hex(0xE8CFA0));
    cairo_set_line_width(cr, 16);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Snowflakes drifting across the sky.
void Snowflakes(cairo_t* cr) {
    Random rnd(1010);
    for (int i = 0; i < 50; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(140, 600);
        SetColour(cr, kWhite, 0.6);
        DrawSnowflake(cr, x, y, rnd.Uniform(4, 9), rnd.Uniform(0, 1), 1.6);
    }
}

// The neck widening to the chest at the bottom of the picture.
void NeckAndChest(cairo_t* cr) {
    cairo_move_to(cr, 320, 380);
    cairo_curve_to(cr, 300, 470, 260, 540, 230, 610);
    cairo_line_to(cr, 570, 610);
    cairo_curve_to(cr, 540, 540, 500, 470, 480, 380);
    cairo_close_path(cr);
    LinearSource(cr, 230, 0, 570, 0, {{0, kFurDark}, {0.5, kFur}, {1, kFurDark}});
    FillSourceThenStroke(cr, kOutline, kLine);
    EllipsePath(cr, kCx, 560, 90, 70);
    SetColour(cr, kMuzzle);
    cairo_fill(cr);
}

void Ears(cairo_t* cr) {
    for (double s : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_translate(cr, kCx + s * 96, kEarY);
        cairo_rotate(cr, s * 0.5);
        EllipsePath(cr, s * 40, 0, 50, 22);
        FillThenStroke(cr, kFur, kOutline, kLine);
        EllipsePath(cr, s * 44, 0, 34, 11);
        SetColour(cr, Hex(0xF2B8A0));
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

// The head, a rounded crown narrowing to the muzzle, its smiling muzzle and
// the tuft on its forehead.
void Head(cairo_t* cr) {
    cairo_move_to(cr, kCx, kCrownY);
    cairo_curve_to(cr, 480, 160, 510, 220, 506, 280);
    cairo_curve_to(cr, 502, 340, 480, 360, 470, 400);
    cairo_curve_to(cr, 460, 440, 340, 440, 330, 400);
    cairo_curve_to(cr, 320, 360, 298, 340, 294, 280);
    cairo_curve_to(cr, 290, 220, 320, 160, kCx, kCrownY);
    cairo_close_path(cr);
    RadialSource(cr, 390, 250, 20, 190, {{0, Lighten(kFur, 0.15)}, {0.7, kFur}, {1, kFurDark}});
    FillSourceThenStroke(cr, kOutline, kLine);
    EllipsePath(cr, kCx, kMuzzleY, 76, 54);
    LinearSource(cr, 0, kMuzzleY - 54, 0, kMuzzleY + 54, {{0, Lighten(kMuzzle, 0.1)}, {1, Lighten(kMuzzle, -0.1)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_move_to(cr, 376, 398);
    cairo_curve_to(cr, 388, 412, 412, 412, 424, 398);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, 370, 170);
    cairo_curve_to(cr, 380, 140, 396, 150, kCx, 130);
    cairo_curve_to(cr, 410, 150, 426, 140, 432, 170);
    cairo_close_path(cr);
    FillThenStroke(cr, kFurDark, kOutline, 2.5);
}

// Big eyes looking inwards, each with a lash.
void Eyes(cairo_t* cr) {
    for (double s : {-1.0, 1.0}) {
        const double ex = kCx + s * kEyeSpread;
        EllipsePath(cr, ex, kEyeY, 22, 27);
        FillThenStroke(cr, kWhite, kOutline, kLine);
        cairo_arc(cr, ex - s * 3, kEyeY + 6, 14, 0, 2 * kPi);
        SetColour(cr, Hex(0x2A1A10));
        cairo_fill(cr);
        cairo_arc(cr, ex - s * 8, kEyeY, 5, 0, 2 * kPi);
        SetColour(cr, kWhite);
        cairo_fill(cr);
        cairo_move_to(cr, ex + s * 14, kEyeY - 20);
        cairo_line_to(cr, ex + s * 26, kEyeY - 30);
        SetColour(cr, kOutline);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

// The famous nose, glowing.
void ShinyNose(cairo_t* cr) {
    DrawGlow(cr, kCx, kNoseY, 80, Hex(0xFF5A5A), 0.45);
    EllipsePath(cr, kCx, kNoseY, 36, 28);
    RadialSource(cr, 390, 346, 2, 40, {{0, Hex(0xFF8A8A)}, {0.5, Hex(0xE41E2E)}, {1, Hex(0x9A0F1C)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    EllipsePath(cr, 388, 344, 10, 6);
    SetColour(cr, kWhite, 0.85);
    cairo_fill(cr);
}

// A red collar with gold bells, and in its middle the medal with the day.
void CollarAndMedal(cairo_t* cr) {
    cairo_move_to(cr, 306, 452);
    cairo_curve_to(cr, 350, 480, 450, 480, 494, 452);
    SetColour(cr, kRed);
    cairo_set_line_width(cr, 26);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        const double t = (i + 0.5) / 5, bx = 316 + 168 * t, by = 462 + 18 * std::sin(kPi * t);
        if (i == 2) continue;
        cairo_arc(cr, bx, by + 10, 12, 0, 2 * kPi);
        RadialSource(cr, bx - 4, by + 6, 1, 14, {{0, Hex(0xFFF1A6)}, {1, kGoldShade}});
        FillSourceThenStroke(cr, kOutline, 2);
    }
    cairo_arc(cr, kCx, kMedalY, 66, 0, 2 * kPi);
    RadialSource(cr, 386, 512, 4, 72, {{0, Hex(0xFFF1A6)}, {0.6, kGold}, {1, kGoldShade}});
    FillSourceThenStroke(cr, kOutline, kLine);
    PaintedNumber(cr, Font::Script, 88, "10", kCx, kMedalY + 2, kRed, kWhite, 2.5);
}

}  // namespace

void Day10Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x2D6E7A), Hex(0x4C97A0), Hex(0x9ED0CF));
    Snowflakes(cr);
    SnowGround(cr, 520, 400, 500, 520);
    Antler(cr, -1);
    Antler(cr, 1);
    NeckAndChest(cr);
    Ears(cr);
    Head(cr);
    Eyes(cr);
    ShinyNose(cr);
    CollarAndMedal(cr);
}

}  // namespace artgen::doors
