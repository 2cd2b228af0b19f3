// Day 13: a penguin in hat and scarf waving beside a block of ice with the 13
// frozen in.
#include "door_parts.h"

#include <array>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kPenguinBlack = Hex(0x1E2433), kPenguinWhite = Hex(0xFAFCFF), kBeakOrange = Hex(0xF2931E);
constexpr Rgb kIceEdge = Hex(0x3A7FB4);
// The block of ice: the corner of its front face, its size, and how far its
// top and side recede.
constexpr double kIceX = 500, kIceY = 330, kIceW = 170, kIceH = 190, kIceDepth = 30, kIceTopH = 24;
// The horizon, where the sea meets the sky.
constexpr double kHorizonY = 392;

// In the penguin's coordinates (the centre of his body's top): feet, the
// flipper at his side and the one he waves.
void FeetAndFlippers(cairo_t* cr) {
    for (double s : {-1.0, 1.0}) {
        EllipsePath(cr, s * 40, 200, 38, 14);
        FillThenStroke(cr, kBeakOrange, kOutline, kLine);
    }
    cairo_save(cr);
    cairo_translate(cr, -88, 40);
    cairo_rotate(cr, 0.3);
    EllipsePath(cr, 0, 40, 22, 64);
    FillThenStroke(cr, kPenguinBlack, kOutline, kLine);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, 84, 10);
    cairo_rotate(cr, -2.2);
    EllipsePath(cr, 0, 44, 22, 64);
    FillThenStroke(cr, kPenguinBlack, kOutline, kLine);
    cairo_restore(cr);
}

// Body and head in one, the white front and the white face patch.
void PenguinBody(cairo_t* cr) {
    EllipsePath(cr, 0, 70, 100, 138);
    RadialSource(cr, -30, 0, 10, 160, {{0, Hex(0x3A4458)}, {1, kPenguinBlack}});
    FillSourceThenStroke(cr, kOutline, kLine);
    EllipsePath(cr, 0, 100, 72, 104);
    LinearSource(cr, 0, 0, 0, 204, {{0, kPenguinWhite}, {1, Hex(0xD6E2F0)}});
    cairo_fill(cr);
    cairo_move_to(cr, 0, -30);
    cairo_curve_to(cr, 30, -60, 70, -40, 62, 0);
    cairo_curve_to(cr, 50, 30, -50, 30, -62, 0);
    cairo_curve_to(cr, -70, -40, -30, -60, 0, -30);
    cairo_close_path(cr);
    SetColour(cr, kPenguinWhite);
    cairo_fill(cr);
}

// Eyes, rosy cheeks and the beak.
void PenguinFace(cairo_t* cr) {
    constexpr double kEyeX = 26, kEyeY = -14;
    for (double s : {-1.0, 1.0}) {
        cairo_arc(cr, s * kEyeX, kEyeY, 9, 0, 2 * kPi);
        SetColour(cr, Hex(0x141824));
        cairo_fill(cr);
        cairo_arc(cr, s * kEyeX - 3, kEyeY - 3, 3, 0, 2 * kPi);
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
    FillThenStroke(cr, kBeakOrange, kOutline, 2.5);
}

// A red scarf round his neck, its end hanging down in white stripes.
void PenguinScarf(cairo_t* cr) {
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
}

// A green bobble hat with a white brim.
void BobbleHat(cairo_t* cr) {
    constexpr double kBrimY = -52;
    cairo_move_to(cr, -66, kBrimY);
    cairo_curve_to(cr, -60, -130, 60, -130, 66, kBrimY);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x2FA24D), kOutline, kLine);
    RoundedRectPath(cr, -72, kBrimY - 12, 144, 24, 12);
    FillThenStroke(cr, kWhite, kOutline, kLine);
    cairo_arc(cr, 0, -122, 20, 0, 2 * kPi);
    FillThenStroke(cr, kWhite, kOutline, kLine);
}

// A waving penguin whose body's top centre is at (x, y).
void Penguin(cairo_t* cr, double x, double y) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    FeetAndFlippers(cr);
    PenguinBody(cr);
    PenguinFace(cr);
    PenguinScarf(cr);
    BobbleHat(cr);
    cairo_restore(cr);
}

// The sea, icebergs on the horizon and snow falling over them.
void SeaAndIcebergs(cairo_t* cr) {
    cairo_rectangle(cr, 0, 380, 800, 60);
    SetColour(cr, Hex(0x2F7BB0));
    cairo_fill(cr);
    for (const auto& [x, w, h] : {std::array{120.0, 180.0, 90.0}, std::array{640.0, 220.0, 120.0}}) {
        cairo_move_to(cr, x - w / 2, kHorizonY);
        cairo_line_to(cr, x - w / 4, kHorizonY - h * 0.7);
        cairo_line_to(cr, x, kHorizonY - h);
        cairo_line_to(cr, x + w / 3, kHorizonY - h * 0.6);
        cairo_line_to(cr, x + w / 2, kHorizonY);
        cairo_close_path(cr);
        LinearSource(cr, x - w / 2, 0, x + w / 2, 0, {{0, kWhite}, {1, Hex(0xB6D8EE)}});
        FillSourceThenStroke(cr, Hex(0x4F86B0), 2.5);
    }
    Random rnd(1313);
    for (int i = 0; i < 30; ++i) {
        SetColour(cr, kWhite, 0.8);
        DrawSnowflake(cr, rnd.Uniform(0, 800), rnd.Uniform(150, 380), rnd.Uniform(4, 8), rnd.Uniform(0, 1), 1.6);
    }
}

// The block of ice, seen a little from above and the right, with the day
// frozen inside and streaks of light on its face.
void BlockOfIce(cairo_t* cr) {
    constexpr double bx = kIceX, by = kIceY, bw = kIceW, bh = kIceH, d = kIceDepth, top = kIceTopH;
    cairo_move_to(cr, bx, by + top);
    cairo_line_to(cr, bx + d, by);
    cairo_line_to(cr, bx + bw + d, by);
    cairo_line_to(cr, bx + bw, by + top);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xE8F7FF), kIceEdge, kLine);
    cairo_move_to(cr, bx + bw, by + top);
    cairo_line_to(cr, bx + bw + d, by);
    cairo_line_to(cr, bx + bw + d, by + bh - top);
    cairo_line_to(cr, bx + bw, by + bh);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x8CC6EA), kIceEdge, kLine);
    cairo_rectangle(cr, bx, by + top, bw, bh - top);
    LinearSource(cr, bx, by, bx + bw, by + bh, {{0, Hex(0xD6F0FF)}, {0.5, Hex(0xAEDCF6)}, {1, Hex(0x8CC6EA)}});
    FillSourceThenStroke(cr, kIceEdge, kLine);
    CentredNumberPath(cr, Font::Script, 130, "13", bx + bw / 2, by + top + (bh - top) / 2);
    SetColour(cr, Hex(0x1F5FA8));
    cairo_fill(cr);
    SetColour(cr, kWhite, 0.7);
    cairo_set_line_width(cr, 6);
    cairo_move_to(cr, bx + 16, by + 60);
    cairo_line_to(cr, bx + 50, by + 36);
    cairo_move_to(cr, bx + 16, by + 90);
    cairo_line_to(cr, bx + 80, by + 44);
    cairo_stroke(cr);
}

}  // namespace

void Day13Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x5FA8D8), Hex(0xA9DDF2), Hex(0xE4F6FC), 430);
    SeaAndIcebergs(cr);
    SnowGround(cr, 430, 380, 420, 440);
    GroundShadow(cr, 330, 545, 130, 16, 0.25);
    GroundShadow(cr, 580, 530, 110, 16, 0.25);
    BlockOfIce(cr);
    Penguin(cr, 310, 330);
}

}  // namespace artgen::doors
