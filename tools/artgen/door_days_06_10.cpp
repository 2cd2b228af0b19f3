// Doors 6 to 10: a present with its tag, candles flickering, a robin by its
// bird house, a bauble swinging from a branch, and a red-nosed reindeer.
#include "door_art.h"
#include "door_parts.h"

#include <array>
#include <cmath>
#include <string>

namespace artgen {

using namespace parts;

namespace {

// A luggage-label tag on a string, centred on (x, y), turned by angle.
void GiftTag(cairo_t* cr, double x, double y, double w, double h, double angle, const std::string& number, Rgb ink) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    const double n = h * 0.28;  // the cut corners
    cairo_move_to(cr, -w / 2 + n, -h / 2);
    cairo_line_to(cr, w / 2, -h / 2);
    cairo_line_to(cr, w / 2, h / 2);
    cairo_line_to(cr, -w / 2 + n, h / 2);
    cairo_line_to(cr, -w / 2, h / 2 - n);
    cairo_line_to(cr, -w / 2, -h / 2 + n);
    cairo_close_path(cr);
    LinearSource(cr, 0, -h / 2, 0, h / 2, {{0, Hex(0xFFF8E8)}, {1, Hex(0xEADFC6)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_arc(cr, -w / 2 + n * 0.9, 0, h * 0.08, 0, 2 * kPi);
    FillThenStroke(cr, Hex(0xD9C9A6), kOutline, 2);
    PaintedNumber(cr, Font::Script, h * 1.05, number, w * 0.1, 0, ink, kWhite, 2, Lighten(ink, -0.5));
    cairo_restore(cr);
}

// ---- Day 6: a present with a tag ------------------------------------------------------

void Day6Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x8E1426), Hex(0xB01E32), Hex(0x7A0F20));
    // A soft burst of light behind the gift, rays of two close reds.
    cairo_save(cr);
    constexpr int kRays = 24;
    for (int i = 0; i < kRays; i += 2) {
        const double a0 = 2 * kPi * i / kRays, a1 = 2 * kPi * (i + 1) / kRays;
        cairo_move_to(cr, 400, 400);
        cairo_line_to(cr, 400 + 900 * std::cos(a0), 400 + 900 * std::sin(a0));
        cairo_line_to(cr, 400 + 900 * std::cos(a1), 400 + 900 * std::sin(a1));
        cairo_close_path(cr);
    }
    SetColour(cr, Hex(0xC42A3E), 0.55);
    cairo_fill(cr);
    cairo_restore(cr);
    DrawGlow(cr, 400, 400, 330, Hex(0xFFD7A0), 0.45);
    // Confetti and sparkles.
    Random rnd(66);
    const Rgb confetti[4] = {kGold, kWhite, Hex(0x2FA24D), Hex(0xFFB3C1)};
    for (int i = 0; i < 40; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(150, 600);
        if (std::fabs(x - 400) < 200 && y > 200) continue;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rnd.Uniform(0, kPi));
        cairo_rectangle(cr, -6, -3, 12, 6);
        SetColour(cr, confetti[i % 4]);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    for (const auto& [x, y, s] : {std::array{150.0, 200.0, 16.0}, std::array{660.0, 240.0, 12.0}, std::array{110.0, 470.0, 10.0},
                                  std::array{700.0, 480.0, 14.0}}) {
        Twinkle(cr, x, y, s, 1.0);
    }
    // A table top for the gift to stand on.
    cairo_rectangle(cr, 0, 520, 800, 80);
    LinearSource(cr, 0, 520, 0, 600, {{0, Hex(0x8A5128)}, {1, Hex(0x5A3219)}});
    cairo_fill(cr);
    cairo_move_to(cr, 0, 520);
    cairo_line_to(cr, 800, 520);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    GroundShadow(cr, 410, 562, 230, 24, 0.35);

    Present(cr, 216, 228, 336, 330, Hex(0x1F7FD0), kGold, 3.5);
    // Spots on the wrapping paper.
    cairo_save(cr);
    cairo_rectangle(cr, 220, 300, 328, 256);
    cairo_clip(cr);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 6; ++c) {
            const double x = 244 + c * 56 + (r % 2) * 28, y = 318 + r * 54;
            if (std::fabs(x - 384) < 36) continue;
            StarPath(cr, x, y, 10, 4.5, 5, 0);
            SetColour(cr, Hex(0xBFE0FF), 0.8);
            cairo_fill(cr);
        }
    cairo_restore(cr);
    // The tag hangs from the bow on a string.
    cairo_move_to(cr, 396, 236);
    cairo_curve_to(cr, 460, 250, 500, 300, 540, 320);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    GiftTag(cr, 596, 350, 150, 100, 0.32, "6", kRed);
}

// ---- Day 7: three candles flickering ----------------------------------------------------

struct Candle {
    double x, top, width;
    Rgb wax;
};
constexpr std::array<Candle, 3> kCandles = {{{262, 372, 64, Hex(0xF6EAD0)}, {400, 262, 84, Hex(0xD8283A)}, {536, 332, 64, Hex(0xF6EAD0)}}};
constexpr double kTableY = 500;
constexpr double kFlameHeight = 58;

void Day7Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x1A1030), Hex(0x2B1838), Hex(0x3A1E30));
    for (const Candle& c : kCandles) FlameGlow(cr, c.x, c.top - 8, kFlameHeight * 2);
    // Window panes faintly lit behind, with snow on their sills.
    for (double wx : {70.0, 630.0}) {
        RoundedRectPath(cr, wx, 150, 100, 210, 50);
        LinearSource(cr, 0, 150, 0, 360, {{0, Hex(0x101B3C)}, {1, Hex(0x2B3F70)}});
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0x4A2A3A));
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
        cairo_move_to(cr, wx + 50, 150);
        cairo_line_to(cr, wx + 50, 360);
        cairo_move_to(cr, wx, 255);
        cairo_line_to(cr, wx + 100, 255);
        cairo_stroke(cr);
    }
    // Table.
    cairo_rectangle(cr, 0, kTableY, 800, 100);
    LinearSource(cr, 0, kTableY, 0, 600, {{0, Hex(0x6B3A22)}, {1, Hex(0x3E2012)}});
    cairo_fill(cr);
    cairo_move_to(cr, 0, kTableY);
    cairo_line_to(cr, 800, kTableY);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    DrawGlow(cr, 400, kTableY + 10, 300, Hex(0xFFB85C), 0.3);
    // The candles, dripping, on a gold plate.
    EllipsePath(cr, 400, kTableY + 8, 250, 28);
    LinearSource(cr, 0, kTableY - 20, 0, kTableY + 36, {{0, Hex(0xFFE39A)}, {1, kGoldShade}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    for (const Candle& c : kCandles) {
        const double l = c.x - c.width / 2, r = c.x + c.width / 2;
        cairo_move_to(cr, l, c.top + 8);
        cairo_line_to(cr, l, kTableY + 2);
        cairo_curve_to(cr, l + 10, kTableY + 12, r - 10, kTableY + 12, r, kTableY + 2);
        cairo_line_to(cr, r, c.top + 8);
        cairo_close_path(cr);
        LinearSource(cr, l, 0, r, 0, {{0, Lighten(c.wax, -0.15)}, {0.4, Lighten(c.wax, 0.25)}, {1, Lighten(c.wax, -0.2)}});
        cairo_fill_preserve(cr);
        SetColour(cr, kOutline);
        cairo_set_line_width(cr, kLine);
        cairo_stroke(cr);
        // Melted top with drips down the side.
        cairo_move_to(cr, l - 2, c.top + 8);
        cairo_curve_to(cr, l, c.top - 6, r, c.top - 6, r + 2, c.top + 8);
        cairo_curve_to(cr, r, c.top + 30, r - 8, c.top + 34, r - 10, c.top + 14);
        cairo_curve_to(cr, c.x + 6, c.top + 20, c.x + 2, c.top + 50, c.x - 6, c.top + 16);
        cairo_curve_to(cr, l + 14, c.top + 22, l + 8, c.top + 40, l + 2, c.top + 16);
        cairo_close_path(cr);
        FillThenStroke(cr, Lighten(c.wax, 0.3), kOutline, 2.5);
        // Wick.
        cairo_move_to(cr, c.x, c.top + 2);
        cairo_line_to(cr, c.x + 1, c.top - 10);
        SetColour(cr, Hex(0x2A1A12));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    PaintedNumber(cr, Font::Script, 130, "7", 400, 400, kGold, kWhite, 3.5);
    // A ring of holly round the plate.
    for (int i = 0; i < 7; ++i) DrawHolly(cr, 170 + i * 77, kTableY + 14 + 6 * std::sin(i * 1.7), 0.9, (i % 2 ? 0.4 : -0.3));
}

void Day7Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    for (size_t i = 0; i < kCandles.size(); ++i) {
        const Candle& c = kCandles[i];
        const double p = 2 * kPi * (phase + 0.31 * double(i));
        // Two rates of flicker that both come round once per loop.
        const double sway = 0.55 * std::sin(p) + 0.25 * std::sin(2 * p + 1.0);
        const double stretch = 1.0 + 0.1 * std::cos(2 * p) + 0.06 * std::sin(p + 0.5);
        Flame(cr, c.x, c.top - 8, kFlameHeight, sway, stretch);
    }
}

// ---- Day 8: a robin beside its bird house ---------------------------------------------------

void Robin(cairo_t* cr, double x, double y, double s) {
    const Rgb brown = Hex(0x8A5A36), brownDark = Hex(0x5E3A20), breast = Hex(0xE8642A), belly = Hex(0xF7EEE2);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Tail, cocked up behind.
    cairo_move_to(cr, 50, 10);
    cairo_line_to(cr, 128, -40);
    cairo_line_to(cr, 140, -22);
    cairo_line_to(cr, 70, 40);
    cairo_close_path(cr);
    FillThenStroke(cr, brownDark, kOutline, kLine);
    // Legs.
    SetColour(cr, Hex(0x6B4A2A));
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (double lx : {-14.0, 16.0}) {
        cairo_move_to(cr, lx, 60);
        cairo_line_to(cr, lx - 4, 92);
        cairo_move_to(cr, lx - 4, 92);
        cairo_line_to(cr, lx - 14, 96);
        cairo_move_to(cr, lx - 4, 92);
        cairo_line_to(cr, lx + 6, 96);
    }
    cairo_stroke(cr);
    // Round body and head in one shape.
    cairo_new_sub_path(cr);
    EllipsePath(cr, 6, 12, 78, 62);
    cairo_arc(cr, -38, -42, 46, 0, 2 * kPi);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2 * kLine);
    cairo_stroke_preserve(cr);
    RadialSource(cr, -10, -30, 10, 110, {{0, Lighten(brown, 0.2)}, {1, brownDark}});
    cairo_fill(cr);
    // White belly, then the red breast and face.
    cairo_save(cr);
    EllipsePath(cr, 6, 12, 78, 62);
    cairo_arc(cr, -38, -42, 46, 0, 2 * kPi);
    cairo_clip(cr);
    EllipsePath(cr, -6, 44, 64, 36);
    SetColour(cr, belly);
    cairo_fill(cr);
    cairo_move_to(cr, -90, -60);
    cairo_curve_to(cr, -60, -40, -40, -30, -20, -36);
    cairo_curve_to(cr, 10, -20, 24, 10, 10, 30);
    cairo_curve_to(cr, -20, 46, -70, 30, -90, 10);
    cairo_close_path(cr);
    RadialSource(cr, -40, -10, 4, 70, {{0, Lighten(breast, 0.2)}, {1, Lighten(breast, -0.15)}});
    cairo_fill(cr);
    cairo_restore(cr);
    // Wing.
    cairo_move_to(cr, 0, -6);
    cairo_curve_to(cr, 40, -20, 86, 0, 84, 34);
    cairo_curve_to(cr, 60, 40, 30, 34, 0, -6);
    cairo_close_path(cr);
    FillThenStroke(cr, brownDark, kOutline, 2.5);
    SetColour(cr, Lighten(brown, 0.25));
    cairo_set_line_width(cr, 2);
    for (double k : {10.0, 22.0}) {
        cairo_move_to(cr, 20, -4 + k * 0.3);
        cairo_curve_to(cr, 44, -6 + k, 64, 6 + k, 78, 20 + k * 0.3);
    }
    cairo_stroke(cr);
    // Eye and beak.
    cairo_arc(cr, -50, -52, 8, 0, 2 * kPi);
    SetColour(cr, Hex(0x1A120C));
    cairo_fill(cr);
    cairo_arc(cr, -53, -55, 2.8, 0, 2 * kPi);
    SetColour(cr, kWhite);
    cairo_fill(cr);
    cairo_move_to(cr, -80, -46);
    cairo_line_to(cr, -104, -38);
    cairo_line_to(cr, -80, -32);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x3E2A1A), kOutline, 2);
    cairo_restore(cr);
}

void BirdHouse(cairo_t* cr, double cx, double top, const std::string& number) {
    const Rgb wood = Hex(0xC27A3C), woodDark = Hex(0x8A4F22);
    cairo_rectangle(cr, cx - 10, top + 200, 20, 400);
    FillThenStroke(cr, woodDark, kOutline, kLine);
    // Body with a pointed front.
    cairo_move_to(cr, cx - 80, top + 70);
    cairo_line_to(cr, cx, top + 8);
    cairo_line_to(cr, cx + 80, top + 70);
    cairo_line_to(cr, cx + 80, top + 220);
    cairo_line_to(cr, cx - 80, top + 220);
    cairo_close_path(cr);
    LinearSource(cr, cx - 80, 0, cx + 80, 0, {{0, Lighten(wood, -0.1)}, {0.5, Lighten(wood, 0.15)}, {1, Lighten(wood, -0.15)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    // Entrance hole and perch.
    cairo_arc(cr, cx, top + 176, 18, 0, 2 * kPi);
    FillThenStroke(cr, Hex(0x2A160C), kOutline, 2.5);
    cairo_rectangle(cr, cx - 4, top + 196, 8, 16);
    FillThenStroke(cr, woodDark, kOutline, 2);
    PaintedNumber(cr, Font::Script, 112, number, cx, top + 112, kWhite, kRed, 3.5);
    // Roof with snow.
    cairo_move_to(cr, cx - 104, top + 86);
    cairo_line_to(cr, cx, top - 10);
    cairo_line_to(cr, cx + 104, top + 86);
    cairo_line_to(cr, cx + 92, top + 96);
    cairo_line_to(cr, cx, top + 12);
    cairo_line_to(cr, cx - 92, top + 96);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x8E2A22), kOutline, kLine);
    cairo_move_to(cr, cx - 110, top + 84);
    cairo_curve_to(cr, cx - 80, top + 40, cx - 30, top - 22, cx, top - 24);
    cairo_curve_to(cr, cx + 30, top - 22, cx + 80, top + 40, cx + 110, top + 84);
    cairo_curve_to(cr, cx + 90, top + 80, cx + 60, top + 50, cx, top - 2);
    cairo_curve_to(cr, cx - 60, top + 50, cx - 90, top + 80, cx - 110, top + 84);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, Hex(0x8FA7C9), 2);
}

void Day8Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x9CC4E4), Hex(0xD6E4F0), Hex(0xF6DCCB), 520);
    DrawGlow(cr, 180, 230, 220, Hex(0xFFF1D6), 0.6);
    cairo_arc(cr, 180, 230, 46, 0, 2 * kPi);
    SetColour(cr, Hex(0xFFF4DE));
    cairo_fill(cr);
    // Distant snowy trees.
    Random rnd(88);
    for (int i = 0; i < 12; ++i) Fir(cr, rnd.Uniform(0, 800), 560 + rnd.Uniform(-10, 10), rnd.Uniform(90, 150), Hex(0x7FA6B5), true, 1.5);
    SnowGround(cr, 560, 400, 550, 570);
    BirdHouse(cr, 600, 236, "8");
    // A snowy branch with holly leaves, the robin perched on it.
    auto branchTop = [cr](double dy) {
        cairo_move_to(cr, -20, 440 + dy);
        cairo_curve_to(cr, 120, 410 + dy, 260, 420 + dy, 470, 396 + dy);
    };
    cairo_move_to(cr, 400, 404);
    cairo_line_to(cr, 470, 346);
    cairo_line_to(cr, 478, 354);
    cairo_line_to(cr, 416, 410);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x5A3A22), kOutline, 2.5);
    branchTop(0);
    cairo_line_to(cr, 474, 412);
    cairo_curve_to(cr, 270, 440, 130, 440, -20, 466);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x5A3A22), kOutline, kLine);
    // Snow lying along the top of the branch, in two drifts.
    const double drifts[4] = {180, 50, 220, 400};
    cairo_set_dash(cr, drifts, 4, -12);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    branchTop(-5);
    SetColour(cr, Hex(0x9FB4CE));
    cairo_set_line_width(cr, 15);
    cairo_stroke(cr);
    branchTop(-5);
    SetColour(cr, kSnow);
    cairo_set_line_width(cr, 11);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    DrawHolly(cr, 120, 452, 1.3, 0.2);
    DrawHolly(cr, 436, 420, 1.1, -0.5);
    Robin(cr, 250, 318, 1.0);
}

// ---- Day 9: a bauble swinging on its ribbon ---------------------------------------------------

constexpr double kPivotX = 400, kPivotY = 178;

void Day9Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x0E3B2A), Hex(0x14503A), Hex(0x0B2E21));
    // Out-of-focus lights.
    Random rnd(99);
    const Rgb lights[4] = {Hex(0xFFD36B), Hex(0xFF8A8A), Hex(0xA8E0FF), Hex(0xFFF1C4)};
    for (int i = 0; i < 26; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(170, 600), r = rnd.Uniform(18, 46);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        SetColour(cr, lights[i % 4], rnd.Uniform(0.12, 0.3));
        cairo_fill(cr);
    }
    // Two baubles further back, smaller and darker.
    Bauble(cr, 150, 330, 46, Hex(0x2D6FC4));
    Bauble(cr, 660, 300, 54, kGold);
    cairo_move_to(cr, 150, 170);
    cairo_line_to(cr, 150, 276);
    cairo_move_to(cr, 660, 170);
    cairo_line_to(cr, 660, 238);
    SetColour(cr, kGoldShade);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // The branch they hang from, across the top of the picture.
    cairo_move_to(cr, -20, 150);
    cairo_curve_to(cr, 200, 170, 500, 176, 820, 150);
    SetColour(cr, Hex(0x4A2E18));
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    PineGarland(cr, -20, 820, 158, 18, 909, 40);
}

void Day9Moving(cairo_t* cr, int frame, int frames) {
    const double angle = 0.11 * std::sin(2 * kPi * LoopPhase(frame, frames));
    cairo_save(cr);
    cairo_translate(cr, kPivotX, kPivotY);
    cairo_rotate(cr, angle);
    // Ribbon and bow at the hook.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, 84);
    SetColour(cr, kRed);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    const double r = 128, cy = 230;
    CelBauble(cr, 0, cy, r, kRed, 3.5);
    // A gold band round its middle, then the day on it.
    cairo_save(cr);
    cairo_arc(cr, 0, cy, r - 1.5, 0, 2 * kPi);
    cairo_clip(cr);
    for (double dy : {-70.0, 70.0}) {
        cairo_move_to(cr, -r, cy + dy);
        cairo_curve_to(cr, -r * 0.5, cy + dy + 18, r * 0.5, cy + dy + 18, r, cy + dy);
        SetColour(cr, kGold);
        cairo_set_line_width(cr, 10);
        cairo_stroke(cr);
        for (int k = -3; k <= 3; ++k) {
            cairo_arc(cr, k * 32, cy + dy + 14 - std::fabs(k) * 1.8, 4, 0, 2 * kPi);
            SetColour(cr, kWhite);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    PaintedNumber(cr, Font::Script, 124, "9", 0, cy + 6, kGold, kWhite, 3.5);
    Bow(cr, 0, 30, 34, kRed);
    cairo_restore(cr);
}

// ---- Day 10: a reindeer with a shiny nose ---------------------------------------------------

void Antler(cairo_t* cr, double side) {
    cairo_save(cr);
    cairo_translate(cr, 400, 0);
    cairo_scale(cr, side, 1);
    auto branches = [cr] {
        cairo_move_to(cr, 50, 206);
        cairo_curve_to(cr, 70, 170, 90, 150, 130, 140);
        cairo_curve_to(cr, 160, 132, 180, 150, 190, 170);
        cairo_move_to(cr, 130, 140);
        cairo_curve_to(cr, 140, 120, 150, 100, 168, 96);
        cairo_move_to(cr, 86, 160);
        cairo_curve_to(cr, 80, 140, 82, 118, 96, 108);
    };
    branches();
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 22);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    branches();
    SetColour(cr, Hex(0xE8CFA0));
    cairo_set_line_width(cr, 16);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void Day10Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x2D6E7A), Hex(0x4C97A0), Hex(0x9ED0CF));
    Random rnd(1010);
    for (int i = 0; i < 50; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(140, 600);
        SetColour(cr, kWhite, 0.6);
        DrawSnowflake(cr, x, y, rnd.Uniform(4, 9), rnd.Uniform(0, 1), 1.6);
    }
    SnowGround(cr, 520, 400, 500, 520);
    const Rgb fur = Hex(0x9A6236), furDark = Hex(0x6E4222), muzzle = Hex(0xE9CBA4);
    Antler(cr, -1);
    Antler(cr, 1);
    // Neck and chest.
    cairo_move_to(cr, 320, 380);
    cairo_curve_to(cr, 300, 470, 260, 540, 230, 610);
    cairo_line_to(cr, 570, 610);
    cairo_curve_to(cr, 540, 540, 500, 470, 480, 380);
    cairo_close_path(cr);
    LinearSource(cr, 230, 0, 570, 0, {{0, furDark}, {0.5, fur}, {1, furDark}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    EllipsePath(cr, 400, 560, 90, 70);
    SetColour(cr, muzzle);
    cairo_fill(cr);
    // Ears.
    for (double s : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_translate(cr, 400 + s * 96, 220);
        cairo_rotate(cr, s * 0.5);
        EllipsePath(cr, s * 40, 0, 50, 22);
        FillThenStroke(cr, fur, kOutline, kLine);
        EllipsePath(cr, s * 44, 0, 34, 11);
        SetColour(cr, Hex(0xF2B8A0));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // Head: a rounded crown narrowing to the muzzle.
    cairo_move_to(cr, 400, 160);
    cairo_curve_to(cr, 480, 160, 510, 220, 506, 280);
    cairo_curve_to(cr, 502, 340, 480, 360, 470, 400);
    cairo_curve_to(cr, 460, 440, 340, 440, 330, 400);
    cairo_curve_to(cr, 320, 360, 298, 340, 294, 280);
    cairo_curve_to(cr, 290, 220, 320, 160, 400, 160);
    cairo_close_path(cr);
    RadialSource(cr, 390, 250, 20, 190, {{0, Lighten(fur, 0.15)}, {0.7, fur}, {1, furDark}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    // Muzzle.
    EllipsePath(cr, 400, 378, 76, 54);
    LinearSource(cr, 0, 324, 0, 432, {{0, Lighten(muzzle, 0.1)}, {1, Lighten(muzzle, -0.1)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    cairo_move_to(cr, 376, 398);
    cairo_curve_to(cr, 388, 412, 412, 412, 424, 398);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Tuft on the forehead.
    cairo_move_to(cr, 370, 170);
    cairo_curve_to(cr, 380, 140, 396, 150, 400, 130);
    cairo_curve_to(cr, 410, 150, 426, 140, 432, 170);
    cairo_close_path(cr);
    FillThenStroke(cr, furDark, kOutline, 2.5);
    // Eyes with lashes.
    for (double s : {-1.0, 1.0}) {
        const double ex = 400 + s * 50;
        EllipsePath(cr, ex, 272, 22, 27);
        FillThenStroke(cr, kWhite, kOutline, kLine);
        cairo_arc(cr, ex - s * 3, 278, 14, 0, 2 * kPi);
        SetColour(cr, Hex(0x2A1A10));
        cairo_fill(cr);
        cairo_arc(cr, ex - s * 8, 272, 5, 0, 2 * kPi);
        SetColour(cr, kWhite);
        cairo_fill(cr);
        cairo_move_to(cr, ex + s * 14, 252);
        cairo_line_to(cr, ex + s * 26, 242);
        SetColour(cr, kOutline);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    // The famous nose.
    DrawGlow(cr, 400, 356, 80, Hex(0xFF5A5A), 0.45);
    EllipsePath(cr, 400, 356, 36, 28);
    RadialSource(cr, 390, 346, 2, 40, {{0, Hex(0xFF8A8A)}, {0.5, Hex(0xE41E2E)}, {1, Hex(0x9A0F1C)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    EllipsePath(cr, 388, 344, 10, 6);
    SetColour(cr, kWhite, 0.85);
    cairo_fill(cr);
    // Collar of bells and the day's medal.
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
        cairo_fill_preserve(cr);
        SetColour(cr, kOutline);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_arc(cr, 400, 530, 66, 0, 2 * kPi);
    RadialSource(cr, 386, 512, 4, 72, {{0, Hex(0xFFF1A6)}, {0.6, kGold}, {1, kGoldShade}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 88, "10", 400, 532, kRed, kWhite, 2.5);
}

}  // namespace

DoorArt DoorDay6() { return {6, Day6Still, nullptr}; }
DoorArt DoorDay7() { return {7, Day7Still, Day7Moving}; }
DoorArt DoorDay8() { return {8, Day8Still, nullptr}; }
DoorArt DoorDay9() { return {9, Day9Still, Day9Moving}; }
DoorArt DoorDay10() { return {10, Day10Still, nullptr}; }

}  // namespace artgen
