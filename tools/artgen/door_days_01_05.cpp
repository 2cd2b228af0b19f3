// Doors 1 to 5: a snowy cottage at dusk, a stocking on the mantelpiece, a
// gingerbread man, a tree of twinkling lights and a snowman with his sign.
#include "door_art.h"
#include "door_parts.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace artgen {

using namespace parts;

namespace {

// ---- Day 1: snow falling on a cottage at dusk ---------------------------------

void Lamp(cairo_t* cr, double x, double baseY) {
    const Rgb iron = Hex(0x22303D);
    cairo_rectangle(cr, x - 6, baseY - 240, 12, 240);
    FillThenStroke(cr, iron, kOutline, 2.5);
    RoundedRectPath(cr, x - 16, baseY - 18, 32, 20, 4);
    FillThenStroke(cr, iron, kOutline, 2.5);
    // Lantern: glass panes lit from inside, a cap and a finial.
    cairo_move_to(cr, x - 22, baseY - 290);
    cairo_line_to(cr, x + 22, baseY - 290);
    cairo_line_to(cr, x + 16, baseY - 240);
    cairo_line_to(cr, x - 16, baseY - 240);
    cairo_close_path(cr);
    RadialSource(cr, x, baseY - 266, 2, 30, {{0, Hex(0xFFF6D2)}, {1, Hex(0xFFC55A)}});
    cairo_fill_preserve(cr);
    SetColour(cr, iron);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, x, baseY - 290);
    cairo_line_to(cr, x, baseY - 240);
    cairo_stroke(cr);
    cairo_move_to(cr, x - 30, baseY - 288);
    cairo_line_to(cr, x, baseY - 312);
    cairo_line_to(cr, x + 30, baseY - 288);
    cairo_close_path(cr);
    FillThenStroke(cr, iron, kOutline, 2.5);
    // Snow on the cap.
    cairo_move_to(cr, x - 30, baseY - 291);
    cairo_curve_to(cr, x - 20, baseY - 306, x - 6, baseY - 318, x, baseY - 318);
    cairo_curve_to(cr, x + 8, baseY - 318, x + 22, baseY - 306, x + 32, baseY - 292);
    cairo_curve_to(cr, x + 20, baseY - 296, x - 18, baseY - 294, x - 30, baseY - 291);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kSnowShade, 1.5);
}

void Cottage(cairo_t* cr) {
    const Rgb beam = Hex(0x6B3E1E);
    // Chimney behind the roof.
    cairo_rectangle(cr, 462, 178, 40, 90);
    LinearSource(cr, 462, 0, 502, 0, {{0, Hex(0x9E3B2C)}, {1, Hex(0x7A2A1F)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    SetColour(cr, Hex(0x5E2017));
    cairo_set_line_width(cr, 1.5);
    for (double y = 196; y < 260; y += 16) {
        cairo_move_to(cr, 464, y);
        cairo_line_to(cr, 500, y);
    }
    cairo_stroke(cr);
    RoundedRectPath(cr, 454, 166, 56, 18, 8);
    FillThenStroke(cr, kSnow, kSnowShade, 2);

    // Walls.
    cairo_rectangle(cr, 258, 322, 284, 156);
    LinearSource(cr, 0, 322, 0, 478, {{0, Hex(0xF6E7C8)}, {1, Hex(0xE1C79B)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    for (double x : {258.0, 528.0}) {
        cairo_rectangle(cr, x, 322, 14, 156);
        FillThenStroke(cr, beam, kOutline, 2);
    }
    cairo_rectangle(cr, 258, 340, 284, 12);
    FillThenStroke(cr, beam, kOutline, 2);

    // Windows, lit from inside, with their glow on the snow below.
    for (double wx : {300.0, 440.0}) {
        RoundedRectPath(cr, wx, 372, 60, 62, 4);
        RadialSource(cr, wx + 30, 404, 4, 44, {{0, Hex(0xFFF3C2)}, {1, Hex(0xF5A83A)}});
        cairo_fill_preserve(cr);
        SetColour(cr, beam);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        cairo_move_to(cr, wx + 30, 372);
        cairo_line_to(cr, wx + 30, 434);
        cairo_move_to(cr, wx, 403);
        cairo_line_to(cr, wx + 60, 403);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        RoundedRectPath(cr, wx - 8, 432, 76, 10, 4);
        FillThenStroke(cr, kSnow, kSnowShade, 2);
    }

    // Door with a wreath.
    cairo_move_to(cr, 372, 478);
    cairo_line_to(cr, 372, 392);
    cairo_arc(cr, 400, 392, 28, kPi, 2 * kPi);
    cairo_line_to(cr, 428, 478);
    cairo_close_path(cr);
    LinearSource(cr, 372, 0, 428, 0, {{0, Hex(0x1F5A34)}, {1, Hex(0x2E7A48)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_arc(cr, 418, 440, 3.5, 0, 2 * kPi);
    FillThenStroke(cr, kGold, kOutline, 1.5);
    cairo_arc(cr, 400, 404, 15, 0, 2 * kPi);
    cairo_arc_negative(cr, 400, 404, 8, 2 * kPi, 0);
    SetColour(cr, Hex(0x2FA24D));
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Bow(cr, 400, 416, 10, kRed, 1.2);

    // Roof heavy with snow, icicles along the eaves.
    cairo_move_to(cr, 226, 340);
    cairo_line_to(cr, 310, 222);
    cairo_line_to(cr, 490, 222);
    cairo_line_to(cr, 574, 340);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x8E3B2A), kOutline, kLine);
    cairo_move_to(cr, 218, 332);
    cairo_curve_to(cr, 240, 300, 280, 236, 304, 212);
    cairo_curve_to(cr, 330, 200, 470, 200, 496, 212);
    cairo_curve_to(cr, 520, 236, 560, 300, 582, 332);
    cairo_curve_to(cr, 560, 342, 540, 336, 520, 342);
    cairo_curve_to(cr, 480, 334, 440, 344, 400, 338);
    cairo_curve_to(cr, 360, 344, 320, 334, 280, 342);
    cairo_curve_to(cr, 254, 336, 236, 342, 218, 332);
    cairo_close_path(cr);
    LinearSource(cr, 0, 200, 0, 344, {{0, kWhite}, {1, Hex(0xDCE6F4)}});
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x7F93B5));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    Random rnd(7);
    for (double x = 240; x < 565; x += rnd.Uniform(14, 26)) {
        const double len = rnd.Uniform(10, 26);
        cairo_move_to(cr, x - 4, 340);
        cairo_line_to(cr, x, 340 + len);
        cairo_line_to(cr, x + 4, 340);
        cairo_close_path(cr);
        FillThenStroke(cr, Hex(0xE8F4FF), Hex(0x8FB3D9), 1.2);
    }
}

void Signpost(cairo_t* cr, double cx, double boardY, double groundY, const std::string& number) {
    const Rgb wood = Hex(0x9A5B2E), woodDark = Hex(0x6E3D1C);
    cairo_rectangle(cr, cx - 9, boardY + 60, 18, groundY - boardY - 60);
    FillThenStroke(cr, woodDark, kOutline, kLine);
    RoundedRectPath(cr, cx - 78, boardY, 156, 130, 16);
    LinearSource(cr, 0, boardY, 0, boardY + 130, {{0, Lighten(wood, 0.12)}, {1, wood}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    SetColour(cr, woodDark, 0.6);
    cairo_set_line_width(cr, 2);
    for (double y : {boardY + 30, boardY + 72, boardY + 104}) {
        cairo_move_to(cr, cx - 66, y);
        cairo_curve_to(cr, cx - 20, y - 4, cx + 20, y + 4, cx + 66, y);
    }
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 120, number, cx, boardY + 68, Hex(0xFFFFFF), kRed, 4);
    // Snow on top of the board.
    cairo_move_to(cr, cx - 84, boardY + 8);
    cairo_curve_to(cr, cx - 70, boardY - 16, cx + 70, boardY - 18, cx + 84, boardY + 6);
    cairo_curve_to(cr, cx + 60, boardY + 14, cx + 30, boardY + 4, cx, boardY + 12);
    cairo_curve_to(cr, cx - 30, boardY + 4, cx - 60, boardY + 16, cx - 84, boardY + 8);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, Hex(0x8FA7C9), 2);
}

void Day1Still(cairo_t* cr) {
    // A dusk sky in flat bands, deepening upwards: the first picture is
    // stored whole, and flat bands keep it small.
    constexpr std::array<std::pair<double, uint32_t>, 9> kBands = {{{0, 0x1B2456},
                                                                  {96, 0x222B60},
                                                                  {168, 0x2B336C},
                                                                  {228, 0x383D7A},
                                                                  {276, 0x4A4888},
                                                                  {318, 0x625494},
                                                                  {352, 0x83639F},
                                                                  {380, 0xA876A8},
                                                                  {404, 0xD092AE}}};
    for (size_t i = 0; i < kBands.size(); ++i) {
        const double y1 = i + 1 < kBands.size() ? kBands[i + 1].first : 600;
        cairo_rectangle(cr, 0, kBands[i].first, 800, y1 - kBands[i].first);
        SetColour(cr, Hex(kBands[i].second));
        cairo_fill(cr);
    }
    StarField(cr, 101, 45, 2, 10, 250);
    // Distant snowy hills with a line of firs.
    cairo_move_to(cr, 0, 400);
    cairo_curve_to(cr, 160, 360, 300, 380, 420, 396);
    cairo_curve_to(cr, 560, 410, 680, 366, 800, 384);
    cairo_line_to(cr, 800, 600);
    cairo_line_to(cr, 0, 600);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xA6B1D8));
    cairo_fill(cr);
    Random rnd(12);
    for (int i = 0; i < 16; ++i) {
        const double x = i < 8 ? rnd.Uniform(0, 230) : rnd.Uniform(570, 800);
        Fir(cr, x, 412 + rnd.Uniform(-16, 10), rnd.Uniform(50, 90), Hex(0x2C5368), true, 2);
    }
    Cottage(cr);
    SnowGround(cr, 486, 400, 470, 490);
    // A trodden path from the door, in the light of the windows.
    cairo_move_to(cr, 376, 478);
    cairo_curve_to(cr, 360, 520, 300, 560, 280, 610);
    cairo_line_to(cr, 440, 610);
    cairo_curve_to(cr, 440, 560, 430, 520, 424, 478);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xD6E1F0));
    cairo_fill(cr);
    GroundShadow(cr, 330, 500, 60, 10, 0.12);
    GroundShadow(cr, 470, 500, 60, 10, 0.12);
    Lamp(cr, 130, 560);
    Signpost(cr, 650, 330, 560, "1");
    Fir(cr, 40, 600, 190, Hex(0x24704A), true);
    Fir(cr, 770, 610, 160, Hex(0x24704A), true);
}

void Day1Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    Snowfall(cr, SnowLayer{11, 9, 96, 18, 1.4, 2.6, 0.8}, phase, 0, 600);
    Snowfall(cr, SnowLayer{12, 5, 144, 30, 3.0, 4.6, 0.95}, phase, 0, 600);
}

// ---- Day 2: a stocking on the mantelpiece -------------------------------------------

void Stocking(cairo_t* cr, double x, double top, double scale, Rgb colour, Rgb trim, const std::string& number) {
    cairo_save(cr);
    cairo_translate(cr, x, top);
    cairo_scale(cr, scale, scale);
    const double lw = kLine / scale;
    // Hanging loop.
    cairo_move_to(cr, 40, 8);
    cairo_curve_to(cr, 44, -26, 70, -26, 72, 8);
    SetColour(cr, Lighten(trim, -0.2));
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Leg and foot, the toe pointing left.
    auto leg = [cr] {
        cairo_move_to(cr, -70, 40);
        cairo_line_to(cr, -74, 200);
        cairo_curve_to(cr, -78, 232, -110, 236, -150, 246);
        cairo_curve_to(cr, -210, 260, -218, 330, -150, 334);
        cairo_curve_to(cr, -80, 338, 20, 330, 50, 296);
        cairo_curve_to(cr, 76, 266, 72, 230, 72, 200);
        cairo_line_to(cr, 74, 40);
        cairo_close_path(cr);
    };
    leg();
    LinearSource(cr, -80, 0, 80, 0, {{0, Lighten(colour, -0.2)}, {0.55, colour}, {1, Lighten(colour, -0.1)}});
    cairo_fill(cr);
    cairo_save(cr);
    leg();
    cairo_clip(cr);
    // Heel and toe patches and a knitted band.
    EllipsePath(cr, 52, 290, 40, 46);
    EllipsePath(cr, -182, 300, 44, 50);
    cairo_rectangle(cr, -90, 190, 180, 16);
    SetColour(cr, trim);
    cairo_fill(cr);
    SetColour(cr, kWhite, 0.9);
    for (double px = -80; px < 90; px += 18) {
        cairo_move_to(cr, px, 198);
        cairo_line_to(cr, px + 6, 192);
        cairo_line_to(cr, px + 12, 198);
        cairo_line_to(cr, px + 6, 204);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    leg();
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    // Fur cuff.
    RoundedRectPath(cr, -86, 0, 172, 60, 24);
    LinearSource(cr, 0, 0, 0, 60, {{0, kWhite}, {0.7, Hex(0xF1F4F8)}, {1, Hex(0xD3DDE9)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    SetColour(cr, Hex(0xD3DDE9));
    cairo_set_line_width(cr, 2.5 / scale);
    for (double px = -64; px < 70; px += 22) {
        cairo_move_to(cr, px, 44);
        cairo_curve_to(cr, px + 4, 38, px + 10, 38, px + 14, 44);
    }
    cairo_stroke(cr);
    if (!number.empty()) PaintedNumber(cr, Font::Script, 150, number, 0, 124, kWhite, Lighten(trim, -0.1), 5);
    cairo_restore(cr);
}

void Day2Still(cairo_t* cr) {
    // Striped wallpaper.
    cairo_rectangle(cr, 0, 0, 800, 600);
    SetColour(cr, Hex(0xA5CBAE));
    cairo_fill(cr);
    for (double x = 20; x < 800; x += 96) {
        cairo_rectangle(cr, x, 0, 40, 600);
        SetColour(cr, Hex(0x98C3A2));
        cairo_fill(cr);
    }
    // Light from the room falling on the wall behind the mantel.
    DrawGlow(cr, 420, 300, 420, Hex(0xFFF2D6), 0.35);

    // Mantel front with the fireplace opening.
    cairo_rectangle(cr, 40, 252, 720, 360);
    LinearSource(cr, 0, 252, 0, 600, {{0, Hex(0xF4EADB)}, {1, Hex(0xDCCBB3)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_move_to(cr, 220, 610);
    cairo_line_to(cr, 220, 440);
    cairo_curve_to(cr, 220, 380, 580, 380, 580, 440);
    cairo_line_to(cr, 580, 610);
    cairo_close_path(cr);
    RadialSource(cr, 400, 600, 10, 220, {{0, Hex(0xC2581E)}, {0.35, Hex(0x5A2414)}, {1, Hex(0x22140F)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    for (double px : {80.0, 620.0}) {
        RoundedRectPath(cr, px, 300, 100, 280, 6);
        SetColour(cr, Hex(0xC9B69A));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    // Shelf.
    cairo_rectangle(cr, 10, 222, 780, 34);
    LinearSource(cr, 0, 222, 0, 256, {{0, Hex(0x9A6238)}, {1, Hex(0x6B3E1E)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    PineGarland(cr, -10, 810, 222, 6, 202, 26);
    const Rgb bauble[3] = {kRed, kGold, Hex(0x2D7BD8)};
    for (int i = 0; i < 9; ++i) {
        const Point2D p = SwagPoint(-10, 810, 232, 6, (i + 0.5) / 9);
        Bauble(cr, p.x, p.y + 4, 9, bauble[i % 3], 2);
    }
    // Hooks and the three stockings, the middle one with the day.
    for (double hx : {176.0, 496.0, 726.0}) {
        RoundedRectPath(cr, hx - 7, 252, 14, 16, 4);
        FillThenStroke(cr, kGold, kOutline, 2);
    }
    Stocking(cr, 126, 278, 0.6, Hex(0x23874A), Hex(0xF4C132), "");
    Stocking(cr, 676, 278, 0.6, Hex(0x2D6FC4), Hex(0xFFFFFF), "");
    Stocking(cr, 440, 282, 0.92, kRed, Hex(0x1E8A45), "2");
}

// ---- Day 3: a gingerbread man ------------------------------------------------------

void Day3Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0xCBE6F5), Hex(0xB4D8EE), Hex(0x9DC6E4));
    DrawGlow(cr, 400, 360, 330, Hex(0xFFFFFF), 0.6);
    // Polka dots of icing sugar, thinner at the top where the header sits.
    Random rnd(33);
    for (int i = 0; i < 70; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(140, 600), r = rnd.Uniform(3, 7);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        SetColour(cr, kWhite, 0.75);
        cairo_fill(cr);
    }
    // Star biscuits and candy canes around the edges.
    for (const auto& [x, y, a] : {std::array{110.0, 470.0, 0.3}, std::array{690.0, 220.0, -0.2}, std::array{700.0, 500.0, 0.1},
                                  std::array{120.0, 230.0, 0.5}}) {
        StarPath(cr, x, y, 44, 22, 5, a);
        FillThenStroke(cr, Hex(0xD9A05B), kOutline, kLine);
        StarPath(cr, x, y, 32, 15, 5, a);
        SetColour(cr, kWhite);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    GroundShadow(cr, 400, 570, 180, 20, 0.2);

    // The man: limbs as joined capsules, outlined once round the whole shape.
    const Rgb dough = Hex(0xC98142), doughShade = Hex(0xA2602A);
    auto silhouette = [cr] {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 400, 214, 74, 0, 2 * kPi);
        RoundedRectPath(cr, 318, 272, 164, 200, 64);
        CapsulePath(cr, 370, 310, 44, 236, 236, 42);
        CapsulePath(cr, 430, 310, 44, 572, 372, 42);
        CapsulePath(cr, 356, 440, 50, 314, 548, 46);
        CapsulePath(cr, 444, 440, 50, 486, 548, 46);
    };
    silhouette();
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2 * kLine);
    cairo_stroke(cr);
    silhouette();
    RadialSource(cr, 380, 300, 40, 320, {{0, Lighten(dough, 0.15)}, {0.6, dough}, {1, doughShade}});
    cairo_fill(cr);
    // Icing squiggles at wrists and ankles.
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    auto squiggle = [cr](double x, double y, double angle, double len) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, angle);
        cairo_move_to(cr, 0, -len / 2);
        for (int k = 1; k <= 6; ++k) cairo_line_to(cr, (k % 2 ? 8 : -8), -len / 2 + len * k / 6);
        cairo_restore(cr);
        cairo_stroke(cr);
    };
    squiggle(262, 250, -0.5, 70);
    squiggle(546, 360, 0.4, 70);
    squiggle(322, 522, 0.35, 76);
    squiggle(478, 522, -0.35, 76);
    // Face.
    for (double ex : {372.0, 428.0}) {
        cairo_arc(cr, ex, 202, 13, 0, 2 * kPi);
        FillThenStroke(cr, kWhite, kOutline, 2);
        cairo_arc(cr, ex + 2, 204, 7, 0, 2 * kPi);
        SetColour(cr, Hex(0x3A1E10));
        cairo_fill(cr);
        cairo_arc(cr, ex, 200, 2.5, 0, 2 * kPi);
        SetColour(cr, kWhite);
        cairo_fill(cr);
    }
    for (double cx : {350.0, 450.0}) {
        EllipsePath(cr, cx, 236, 14, 9);
        SetColour(cr, Hex(0xF07A86), 0.7);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 366, 240);
    cairo_curve_to(cr, 380, 262, 420, 262, 434, 240);
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    // Bow tie.
    cairo_move_to(cr, 400, 292);
    cairo_line_to(cr, 364, 274);
    cairo_line_to(cr, 364, 312);
    cairo_close_path(cr);
    cairo_move_to(cr, 400, 292);
    cairo_line_to(cr, 436, 274);
    cairo_line_to(cr, 436, 312);
    cairo_close_path(cr);
    FillThenStroke(cr, kRed, kOutline, 2.5);
    cairo_arc(cr, 400, 292, 9, 0, 2 * kPi);
    FillThenStroke(cr, kRedShade, kOutline, 2.5);
    // The day, piped in icing on his tummy.
    cairo_save(cr);
    cairo_translate(cr, 3, 4);
    CentredNumberPath(cr, Font::Rounded, 150, "3", 400, 392);
    SetColour(cr, doughShade);
    cairo_fill(cr);
    cairo_restore(cr);
    CentredNumberPath(cr, Font::Rounded, 150, "3", 400, 392);
    SetColour(cr, kWhite);
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xD8E2EE));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Two gumdrop buttons below the number.
    for (const auto& [bx, colour] : {std::pair{372.0, Hex(0x2FA24D)}, std::pair{428.0, kRed}}) {
        cairo_arc(cr, bx, 458, 9, 0, 2 * kPi);
        FillThenStroke(cr, colour, kOutline, 2);
    }
}

// ---- Day 4: the tree's lights twinkling ------------------------------------------------

const TreeShape kDay4Tree{430, 168, 548, 210, 4};

void Day4Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x182849), Hex(0x23375E), Hex(0x2E4675));
    // Faint snowflakes on the wallpaper.
    Random wall(404);
    for (int i = 0; i < 14; ++i) {
        SetColour(cr, Hex(0x4A6698), 0.5);
        DrawSnowflake(cr, wall.Uniform(220, 800), wall.Uniform(150, 500), wall.Uniform(14, 22), wall.Uniform(0, 1), 3);
    }
    // A window on the snowy night.
    RoundedRectPath(cr, 46, 180, 150, 220, 8);
    LinearSource(cr, 0, 180, 0, 400, {{0, Hex(0x0B1634)}, {1, Hex(0x345B93)}});
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xE8DCC4));
    cairo_set_line_width(cr, 12);
    cairo_stroke(cr);
    cairo_save(cr);
    RoundedRectPath(cr, 46, 180, 150, 220, 8);
    cairo_clip(cr);
    Moon(cr, 150, 230, 18);
    SnowGround(cr, 350, 120, 340, 360);
    Fir(cr, 90, 372, 80, Hex(0x1E4A5C), true, 2);
    cairo_restore(cr);
    cairo_move_to(cr, 121, 180);
    cairo_line_to(cr, 121, 400);
    cairo_move_to(cr, 46, 290);
    cairo_line_to(cr, 196, 290);
    SetColour(cr, Hex(0xE8DCC4));
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    RoundedRectPath(cr, 30, 396, 182, 16, 4);
    FillThenStroke(cr, Hex(0xE8DCC4), kOutline, 2.5);
    // Floorboards and a rug.
    cairo_rectangle(cr, 0, 520, 800, 80);
    LinearSource(cr, 0, 520, 0, 600, {{0, Hex(0x7A4B2A)}, {1, Hex(0x5A3219)}});
    cairo_fill(cr);
    SetColour(cr, Hex(0x4A2814));
    cairo_set_line_width(cr, 2);
    for (double y : {540.0, 566.0, 594.0}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    cairo_stroke(cr);
    EllipsePath(cr, 430, 566, 300, 30);
    FillThenStroke(cr, Hex(0xA3172A), kOutline, 2.5);
    EllipsePath(cr, 430, 566, 270, 22);
    SetColour(cr, Hex(0xF4C132));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);

    ChristmasTree(cr, kDay4Tree);
    const std::array<std::array<double, 3>, 7> baubles = {
        {{372, 276, 11}, {478, 300, 12}, {338, 354, 12}, {522, 420, 13}, {300, 452, 14}, {416, 470, 12}, {560, 480, 12}}};
    const Rgb colours[4] = {kGold, Hex(0x2D7BD8), Hex(0xB74BD0), kRed};
    for (size_t i = 0; i < baubles.size(); ++i) Bauble(cr, baubles[i][0], baubles[i][1], baubles[i][2], colours[i % 4], 2);
    // The big bauble with the day on it.
    Bauble(cr, 436, 392, 64, kRed, kLine);
    PaintedNumber(cr, Font::Script, 104, "4", 436, 400, kGold, Hex(0xFFF3C4), 3);
    // Star on top.
    DrawGlow(cr, kDay4Tree.cx, kDay4Tree.top - 4, 70, Hex(0xFFE58A), 0.55);
    StarPath(cr, kDay4Tree.cx, kDay4Tree.top - 4, 30, 13, 5, 0);
    LinearSource(cr, 0, kDay4Tree.top - 34, 0, kDay4Tree.top + 26, {{0, Hex(0xFFF1A6)}, {1, Hex(0xE9A616)}});
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0x9A6A08));
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // Presents under the tree.
    Present(cr, 250, 478, 96, 80, Hex(0x2D7BD8), kWhite);
    Present(cr, 520, 488, 110, 72, Hex(0xF4C132), kRed);
    Present(cr, 370, 506, 80, 58, Hex(0x2FA24D), kRed);
}

void Day4Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    const Rgb bulbs[5] = {Hex(0xFF4A4A), Hex(0xFFD23F), Hex(0x4FA8FF), Hex(0x52E07A), Hex(0xFF7AD9)};
    int n = 0;
    for (int tier = 0; tier < kDay4Tree.tiers; ++tier) {
        const int count = 5 + 2 * tier;
        for (int k = 0; k < count; ++k, ++n) {
            Point2D p = TreeSwag(kDay4Tree, tier, (k + 0.5) / count);
            p.y += 16;
            if (tier == 0) p = Point2D{kDay4Tree.cx - 40 + 80.0 * (k + 0.5) / count, kDay4Tree.TierBottom(0) - 30 + 6 * std::sin(kPi * (k + 0.5) / count)};
            // Each bulb peaks at its own sixth of the loop.
            const double offset = double((n * 5) % 6) / 6;
            const double b = 0.5 + 0.5 * std::cos(2 * kPi * (phase - offset));
            const Rgb c = bulbs[size_t(n % 5)];
            if (b > 0.3) DrawGlow(cr, p.x, p.y, 8 + 14 * b, c, 0.7 * b);
            EllipsePath(cr, p.x, p.y, 4.5, 6);
            SetColour(cr, Mix(Lighten(c, -0.45), Lighten(c, 0.45), b));
            cairo_fill_preserve(cr);
            SetColour(cr, kOutline);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
    }
}

// ---- Day 5: a snowman with his sign -------------------------------------------------------

void Day5Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x6FB4EA), Hex(0xA8D6F5), Hex(0xDDF0FB), 420);
    // Soft clouds low in the sky.
    for (const auto& [x, y, s] : {std::array{150.0, 190.0, 1.0}, std::array{640.0, 160.0, 0.8}}) {
        SetColour(cr, kWhite, 0.9);
        for (const auto& [dx, dy, r] : {std::array{0.0, 0.0, 30.0}, std::array{34.0, -12.0, 36.0}, std::array{72.0, 2.0, 28.0},
                                        std::array{-30.0, 8.0, 22.0}}) {
            cairo_arc(cr, x + dx * s, y + dy * s, r * s, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    SnowGround(cr, 380, 300, 350, 390, Hex(0xE9F1FA), Hex(0xCFDDEE));
    Random rnd(55);
    for (int i = 0; i < 9; ++i) {
        const double x = i < 5 ? rnd.Uniform(0, 250) : rnd.Uniform(560, 800);
        Fir(cr, x, 392 + rnd.Uniform(-10, 10), rnd.Uniform(80, 130), Hex(0x2A7A55), true, 2.5);
    }
    SnowGround(cr, 450, 420, 430, 460);
    GroundShadow(cr, 410, 560, 150, 18, 0.22);

    // Sign planted in the snow.
    cairo_rectangle(cr, 628, 360, 16, 200);
    FillThenStroke(cr, Hex(0x6E3D1C), kOutline, kLine);
    RoundedRectPath(cr, 560, 266, 152, 132, 14);
    LinearSource(cr, 0, 266, 0, 398, {{0, Hex(0xB07040)}, {1, Hex(0x8A5128)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 118, "5", 636, 332, kRed, kWhite, 4);
    cairo_move_to(cr, 554, 274);
    cairo_curve_to(cr, 580, 252, 690, 250, 718, 272);
    cairo_curve_to(cr, 690, 282, 600, 278, 554, 274);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kSnowShade, 2);

    // Stick arms behind the body.
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
    // Three balls of snow.
    for (const auto& [y, r] : {std::array{470.0, 108.0}, std::array{340.0, 80.0}, std::array{232.0, 60.0}}) {
        cairo_arc(cr, 410, y, r, 0, 2 * kPi);
        RadialSource(cr, 390, y - r * 0.4, r * 0.1, r * 1.15, {{0, kWhite}, {0.6, Hex(0xEEF4FB)}, {1, Hex(0xB8CCE4)}});
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0x5B6F8E));
        cairo_set_line_width(cr, kLine);
        cairo_stroke(cr);
    }
    // Coal buttons.
    for (double y : {318.0, 352.0, 386.0}) {
        cairo_arc(cr, 414, y, 7, 0, 2 * kPi);
        SetColour(cr, Hex(0x2A2A30));
        cairo_fill(cr);
    }
    // Scarf: a band round the neck and an end hanging down.
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
    // Face: coal eyes and smile, carrot nose.
    for (double ex : {390.0, 430.0}) {
        cairo_arc(cr, ex, 222, 7, 0, 2 * kPi);
        SetColour(cr, Hex(0x2A2A30));
        cairo_fill(cr);
    }
    for (int k = 0; k < 5; ++k) {
        const double t = k / 4.0;
        cairo_arc(cr, 386 + 48 * t, 254 + 8 * std::sin(kPi * t), 3.6, 0, 2 * kPi);
        SetColour(cr, Hex(0x2A2A30));
        cairo_fill(cr);
    }
    cairo_move_to(cr, 410, 232);
    cairo_line_to(cr, 470, 246);
    cairo_line_to(cr, 410, 246);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xF28A1E), kOutline, 2.5);
    // Top hat with a holly sprig.
    EllipsePath(cr, 410, 182, 62, 12);
    FillThenStroke(cr, Hex(0x2A2A30), kOutline, kLine);
    cairo_rectangle(cr, 372, 132, 76, 50);
    FillThenStroke(cr, Hex(0x2A2A30), kOutline, kLine);
    cairo_rectangle(cr, 372, 164, 76, 12);
    FillThenStroke(cr, kRed, kOutline, 2);
    DrawHolly(cr, 440, 166, 0.6, 0.3);
}

}  // namespace

DoorArt DoorDay1() { return {1, Day1Still, Day1Moving}; }
DoorArt DoorDay2() { return {2, Day2Still, nullptr}; }
DoorArt DoorDay3() { return {3, Day3Still, nullptr}; }
DoorArt DoorDay4() { return {4, Day4Still, Day4Moving}; }
DoorArt DoorDay5() { return {5, Day5Still, nullptr}; }

}  // namespace artgen
