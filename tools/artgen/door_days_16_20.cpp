// Doors 16 to 20: a front door with its wreath, a Christmas cracker, the
// present that Quib pops out of, a snow globe and a toy train under steam.
#include "door_art.h"
#include "door_parts.h"
#include "elf_face.h"

#include <array>
#include <cmath>
#include <string>

namespace artgen {

using namespace parts;

namespace {

// ---- Day 16: a front door with its wreath ----------------------------------------------------

void Wreath(cairo_t* cr, double x, double y, double r) {
    Random rnd(1616);
    // A ring of needle tufts in three greens, berries and cones, a bow below.
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    SetColour(cr, Hex(0x0E3F22));
    cairo_set_line_width(cr, r * 0.55);
    cairo_stroke(cr);
    const Rgb greens[3] = {Hex(0x145530), Hex(0x1E6B3A), Hex(0x2E8A4A)};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int layer = 0; layer < 3; ++layer) {
        for (int i = 0; i < 90; ++i) {
            const double a = rnd.Uniform(0, 2 * kPi), rr = r + rnd.Uniform(-r * 0.22, r * 0.22);
            const double px = x + rr * std::cos(a), py = y + rr * std::sin(a);
            const double d = a + kPi / 2 + rnd.Uniform(-0.6, 0.6), len = r * rnd.Uniform(0.14, 0.26);
            cairo_move_to(cr, px, py);
            cairo_line_to(cr, px + len * std::cos(d), py + len * std::sin(d));
        }
        SetColour(cr, greens[layer]);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 9; ++i) {
        const double a = 2 * kPi * i / 9 + 0.3;
        const double px = x + r * 1.05 * std::cos(a), py = y + r * 1.05 * std::sin(a);
        if (i % 3 == 0) {
            EllipsePath(cr, px, py, 9, 12);
            FillThenStroke(cr, Hex(0x7A4A26), kOutline, 1.5);
        } else {
            for (int b = 0; b < 3; ++b) {
                cairo_arc(cr, px + (b - 1) * 8, py + (b == 1 ? -6 : 2), 6, 0, 2 * kPi);
                FillThenStroke(cr, Hex(0xD0142C), Hex(0x7A0A18), 1.5);
            }
        }
    }
    Bow(cr, x, y + r, r * 0.55, kRed);
}

void Day16Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x1A2456), Hex(0x283A78), Hex(0x3A4E8E), 300);
    // Brick front of the house.
    cairo_rectangle(cr, 0, 0, 800, 600);
    SetColour(cr, Hex(0x9A4432));
    cairo_fill(cr);
    Random rnd(160);
    for (int row = 0; row < 22; ++row) {
        for (double x = -(row % 2) * 40.0; x < 800; x += 80) {
            RoundedRectPath(cr, x + 2, row * 28 + 2, 76, 24, 3);
            SetColour(cr, Mix(Hex(0xB0523C), Hex(0x8A3A2A), rnd.Uniform(0, 1)));
            cairo_fill(cr);
        }
    }
    // A lamp on either side lights the wall.
    for (double lx : {180.0, 620.0}) DrawGlow(cr, lx, lx < 400 ? 250 : 190, 170, Hex(0xFFD98A), 0.45);
    // Stone surround, fanlight and the door.
    cairo_move_to(cr, 270, 600);
    cairo_line_to(cr, 270, 230);
    cairo_arc(cr, 400, 230, 130, kPi, 2 * kPi);
    cairo_line_to(cr, 530, 600);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0xE8E0D2), kOutline, kLine);
    cairo_move_to(cr, 300, 230);
    cairo_arc(cr, 400, 230, 100, kPi, 2 * kPi);
    cairo_close_path(cr);
    RadialSource(cr, 400, 230, 10, 100, {{0, Hex(0xFFF1C4)}, {1, Hex(0xF5B04A)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    for (int k = 1; k < 6; ++k) {
        const double a = kPi + kPi * k / 6;
        cairo_move_to(cr, 400, 230);
        cairo_line_to(cr, 400 + 100 * std::cos(a), 230 + 100 * std::sin(a));
    }
    SetColour(cr, Hex(0xE8E0D2));
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_rectangle(cr, 300, 240, 200, 330);
    LinearSource(cr, 300, 0, 500, 0, {{0, Hex(0x124A2C)}, {0.5, Hex(0x1E6B40)}, {1, Hex(0x114428)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    for (const auto& [px, py, pw, ph] : {std::array{318.0, 260.0, 72.0, 120.0}, std::array{410.0, 260.0, 72.0, 120.0},
                                         std::array{318.0, 400.0, 72.0, 150.0}, std::array{410.0, 400.0, 72.0, 150.0}}) {
        RoundedRectPath(cr, px, py, pw, ph, 4);
        SetColour(cr, Hex(0x0C3A20));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    // Brass knocker, letterbox and knob.
    cairo_arc(cr, 476, 420, 9, 0, 2 * kPi);
    FillThenStroke(cr, kGold, kOutline, 2);
    RoundedRectPath(cr, 360, 470, 80, 16, 4);
    FillThenStroke(cr, kGold, kOutline, 2);
    // Steps dusted with snow.
    cairo_rectangle(cr, 250, 570, 300, 30);
    FillThenStroke(cr, Hex(0xBFB6A8), kOutline, kLine);
    cairo_move_to(cr, 250, 572);
    cairo_curve_to(cr, 300, 560, 500, 562, 550, 572);
    cairo_line_to(cr, 550, 580);
    cairo_line_to(cr, 250, 580);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kSnowShade, 1.5);
    Wreath(cr, 400, 330, 62);
    // The house number beside the door, on a painted plate.
    RoundedRectPath(cr, 560, 236, 156, 110, 16);
    LinearSource(cr, 0, 236, 0, 346, {{0, kWhite}, {1, Hex(0xE4E9F0)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    RoundedRectPath(cr, 570, 246, 136, 90, 10);
    SetColour(cr, Hex(0x1E6B40));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 96, "16", 638, 290, Hex(0x1E6B40), kWhite, 2, Hex(0x0C3A20));
    // Lanterns.
    for (double lx : {180.0, 620.0}) {
        const double ly = lx < 400 ? 250 : 190;
        cairo_move_to(cr, lx - 22, ly - 36);
        cairo_line_to(cr, lx + 22, ly - 36);
        cairo_line_to(cr, lx + 16, ly + 26);
        cairo_line_to(cr, lx - 16, ly + 26);
        cairo_close_path(cr);
        RadialSource(cr, lx, ly, 2, 32, {{0, Hex(0xFFF6D2)}, {1, Hex(0xFFC55A)}});
        cairo_fill_preserve(cr);
        SetColour(cr, Hex(0x22303D));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        cairo_move_to(cr, lx - 30, ly - 34);
        cairo_line_to(cr, lx, ly - 60);
        cairo_line_to(cr, lx + 30, ly - 34);
        cairo_close_path(cr);
        FillThenStroke(cr, Hex(0x22303D), kOutline, 2.5);
    }
    // Potted firs with lights on the step.
    for (double px : {170.0, 630.0}) {
        Fir(cr, px, 530, 170, Hex(0x24704A), false, 2.5);
        cairo_move_to(cr, px - 44, 520);
        cairo_line_to(cr, px + 44, 520);
        cairo_line_to(cr, px + 34, 590);
        cairo_line_to(cr, px - 34, 590);
        cairo_close_path(cr);
        FillThenStroke(cr, Hex(0x8A5128), kOutline, kLine);
        for (int i = 0; i < 9; ++i) {
            const double t = (i + 0.5) / 9;
            const double ly = 390 + 120 * t, lxx = px + (i % 2 ? 1 : -1) * (14 + 50 * t) * 0.8;
            DrawGlow(cr, lxx, ly, 10, Hex(0xFFE08A), 0.7);
            cairo_arc(cr, lxx, ly, 3.5, 0, 2 * kPi);
            SetColour(cr, Hex(0xFFF3C4));
            cairo_fill(cr);
        }
    }
}

// ---- Day 17: a Christmas cracker ----------------------------------------------------------------

void Day17Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x0E4A52), Hex(0x16646C), Hex(0x0E4A52));
    Random rnd(1717);
    for (int i = 0; i < 60; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(140, 600), s = rnd.Uniform(4, 10);
        StarPath(cr, x, y, s, s * 0.45, 5, rnd.Uniform(0, 1));
        SetColour(cr, kGold, rnd.Uniform(0.3, 0.6));
        cairo_fill(cr);
    }
    // The paper crown that came out of it.
    cairo_save(cr);
    cairo_translate(cr, 560, 210);
    cairo_rotate(cr, 0.18);
    cairo_move_to(cr, -90, 40);
    cairo_line_to(cr, -90, -10);
    for (int k = 0; k < 5; ++k) {
        cairo_line_to(cr, -90 + 36 * k + 18, -50);
        cairo_line_to(cr, -90 + 36 * (k + 1), -10);
    }
    cairo_line_to(cr, 90, 40);
    cairo_close_path(cr);
    LinearSource(cr, 0, -50, 0, 40, {{0, Hex(0xFFE27A)}, {1, Hex(0xF0B22E)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The cracker across the picture: a tube with gathered, frilled ends.
    cairo_save(cr);
    cairo_translate(cr, 390, 390);
    cairo_rotate(cr, -0.2);
    const Rgb foil = Hex(0x8A2BB8), foilDark = Hex(0x5E1A82), foilLight = Hex(0xC27AE6);
    for (double s : {-1.0, 1.0}) {
        // Gathered neck and frilled end.
        cairo_move_to(cr, s * 150, -52);
        cairo_curve_to(cr, s * 180, -30, s * 190, -24, s * 200, -26);
        cairo_line_to(cr, s * 200, 26);
        cairo_curve_to(cr, s * 190, 24, s * 180, 30, s * 150, 52);
        cairo_close_path(cr);
        FillThenStroke(cr, foilDark, kOutline, kLine);
        cairo_move_to(cr, s * 196, -30);
        cairo_curve_to(cr, s * 230, -60, s * 270, -80, s * 300, -80);
        for (int k = 0; k < 8; ++k) {
            const double y0 = -80 + 160.0 * k / 8, y1 = -80 + 160.0 * (k + 1) / 8;
            cairo_line_to(cr, s * (k % 2 ? 300 : 286), (y0 + y1) / 2);
            cairo_line_to(cr, s * 300, y1);
        }
        cairo_curve_to(cr, s * 270, 80, s * 230, 60, s * 196, 30);
        cairo_close_path(cr);
        LinearSource(cr, 0, -80, 0, 80, {{0, foilLight}, {0.5, foil}, {1, foilDark}});
        cairo_fill_preserve(cr);
        SetColour(cr, kOutline);
        cairo_stroke(cr);
        cairo_rectangle(cr, s > 0 ? 150 : -164, -56, 14, 112);
        FillThenStroke(cr, kGold, kOutline, 2.5);
    }
    RoundedRectPath(cr, -150, -62, 300, 124, 24);
    LinearSource(cr, 0, -62, 0, 62, {{0, foilLight}, {0.35, foil}, {1, foilDark}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    for (int k = 0; k < 6; ++k) {
        StarPath(cr, -125 + k * 50, k % 2 ? -38 : 40, 7, 3, 5, 0);
        SetColour(cr, kGold);
        cairo_fill(cr);
    }
    // Label with the day.
    RoundedRectPath(cr, -80, -46, 160, 92, 14);
    LinearSource(cr, 0, -46, 0, 46, {{0, Hex(0xFFF8E6)}, {1, Hex(0xEADFC6)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kGoldShade);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 84, "17", 0, 0, kRed, kWhite, 2.5);
    cairo_restore(cr);
    // The bang: a burst of stars and a slip of paper.
    for (const auto& [x, y, s] : {std::array{110.0, 250.0, 30.0}, std::array{70.0, 330.0, 16.0}, std::array{170.0, 200.0, 14.0},
                                  std::array{700.0, 470.0, 24.0}, std::array{740.0, 390.0, 14.0}}) {
        StarPath(cr, x, y, s, s * 0.45, 5, 0.2);
        FillThenStroke(cr, Hex(0xFFE27A), kOutline, 2);
    }
    cairo_save(cr);
    cairo_translate(cr, 210, 520);
    cairo_rotate(cr, -0.3);
    RoundedRectPath(cr, -60, -20, 120, 40, 4);
    FillThenStroke(cr, kWhite, kOutline, 2.5);
    SetColour(cr, Hex(0x9AA6B8));
    cairo_set_line_width(cr, 3);
    for (double ly : {-6.0, 6.0}) {
        cairo_move_to(cr, -44, ly);
        cairo_line_to(cr, 44, ly);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ---- Day 18: the present that Quib pops out of -----------------------------------------------------

constexpr double kBoxX = 400, kBoxTop = 392, kBoxW = 280, kBoxH = 180;

void Day18Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x3A2A6E), Hex(0x54408E), Hex(0x6C54A6), 480);
    // Window with falling snow and a garland, floor, a tree at the side.
    RoundedRectPath(cr, 560, 150, 180, 240, 90);
    LinearSource(cr, 0, 150, 0, 390, {{0, Hex(0x101B3C)}, {1, Hex(0x3A5A94)}});
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xF2E8D8));
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
    Random rnd(1818);
    for (int i = 0; i < 20; ++i) {
        cairo_arc(cr, rnd.Uniform(575, 725), rnd.Uniform(170, 380), rnd.Uniform(1.5, 3.2), 0, 2 * kPi);
        SetColour(cr, kWhite, 0.9);
        cairo_fill(cr);
    }
    cairo_move_to(cr, 650, 150);
    cairo_line_to(cr, 650, 390);
    SetColour(cr, Hex(0xF2E8D8));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_rectangle(cr, 0, 480, 800, 120);
    LinearSource(cr, 0, 480, 0, 600, {{0, Hex(0x8A5A36)}, {1, Hex(0x5E3A20)}});
    cairo_fill(cr);
    cairo_move_to(cr, 0, 480);
    cairo_line_to(cr, 800, 480);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    EllipsePath(cr, kBoxX, 572, 300, 24);
    FillThenStroke(cr, Hex(0x2E8A4A), kOutline, 2.5);
    TreeShape tree{110, 170, 520, 150, 4};
    ChristmasTree(cr, tree);
    for (int i = 0; i < 8; ++i) {
        const Point2D p = TreeSwag(tree, 1 + i % 3, (i * 0.37) - std::floor(i * 0.37));
        Bauble(cr, p.x, p.y + 18, 9, i % 2 ? kGold : kRed, 2);
    }
    StarPath(cr, tree.cx, tree.top - 4, 24, 10, 5, 0);
    FillThenStroke(cr, kGold, kGoldShade, 2.5);
    GroundShadow(cr, kBoxX + 10, kBoxTop + kBoxH, 190, 18, 0.35);
}

// The box without its lid; `tilt` rocks it about its bottom centre.
void StoryBox(cairo_t* cr, double tilt, double lidLift, double lidTurn, bool lidOff) {
    const Rgb wrap = kRed, ribbon = kGold;
    const double l = kBoxX - kBoxW / 2, r = kBoxX + kBoxW / 2, bottom = kBoxTop + kBoxH;
    cairo_save(cr);
    cairo_translate(cr, kBoxX, bottom);
    cairo_rotate(cr, tilt);
    cairo_translate(cr, -kBoxX, -bottom);
    // Inside of the box, seen through the gap under a lifted lid.
    if (lidLift > 0 || lidOff) {
        cairo_move_to(cr, l + 6, kBoxTop + 8);
        cairo_line_to(cr, l + 30, kBoxTop - 10);
        cairo_line_to(cr, r + 30, kBoxTop - 10);
        cairo_line_to(cr, r - 6, kBoxTop + 8);
        cairo_close_path(cr);
        SetColour(cr, Hex(0x2A0C12));
        cairo_fill(cr);
    }
    // Side and front.
    cairo_move_to(cr, r, kBoxTop + 10);
    cairo_line_to(cr, r + 30, kBoxTop - 10);
    cairo_line_to(cr, r + 30, bottom - 22);
    cairo_line_to(cr, r, bottom);
    cairo_close_path(cr);
    FillThenStroke(cr, Lighten(wrap, -0.35), kOutline, kLine);
    cairo_rectangle(cr, l, kBoxTop + 10, kBoxW, kBoxH - 10);
    SetColour(cr, wrap);
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    cairo_rectangle(cr, kBoxX - 16, kBoxTop + 10, 32, kBoxH - 10);
    FillThenStroke(cr, ribbon, kOutline, 2.5);
    // Spots on the paper.
    for (int row = 0; row < 3; ++row)
        for (int c = 0; c < 5; ++c) {
            const double x = l + 30 + c * 56 + (row % 2) * 20, y = kBoxTop + 44 + row * 46;
            if (std::fabs(x - kBoxX) < 30) continue;
            cairo_arc(cr, x, y, 8, 0, 2 * kPi);
            SetColour(cr, Hex(0xFFD0D6));
            cairo_fill(cr);
        }
    // The tag with the day, on the front.
    cairo_save(cr);
    cairo_translate(cr, l + 70, kBoxTop + 98);
    cairo_rotate(cr, -0.12);
    RoundedRectPath(cr, -62, -44, 124, 88, 12);
    SetColour(cr, Hex(0xFFF6E2));
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 88, "18", 0, 2, Hex(0x1F5FB8), kWhite, 2);
    cairo_restore(cr);
    // The lid, lifted and turned about its left edge.
    if (!lidOff) {
        cairo_save(cr);
        cairo_translate(cr, l - 8, kBoxTop + 10 - lidLift);
        cairo_rotate(cr, -lidTurn);
        const double w = kBoxW + 16;
        cairo_move_to(cr, 0, -4);
        cairo_line_to(cr, 30, -26);
        cairo_line_to(cr, w + 30, -26);
        cairo_line_to(cr, w, -4);
        cairo_close_path(cr);
        FillThenStroke(cr, Lighten(wrap, 0.25), kOutline, kLine);
        cairo_rectangle(cr, 0, -4, w, 34);
        SetColour(cr, Lighten(wrap, 0.08));
        cairo_fill_preserve(cr);
        SetColour(cr, kOutline);
        cairo_stroke(cr);
        cairo_move_to(cr, w, -4);
        cairo_line_to(cr, w + 30, -26);
        cairo_line_to(cr, w + 30, 8);
        cairo_line_to(cr, w, 30);
        cairo_close_path(cr);
        FillThenStroke(cr, Lighten(wrap, -0.3), kOutline, kLine);
        cairo_rectangle(cr, w / 2 - 18, -4, 36, 34);
        FillThenStroke(cr, ribbon, kOutline, 2.5);
        Bow(cr, w / 2 + 12, -16, 62, ribbon);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

// Two eyes peering out of the dark gap, looking by `look` (-1 left .. 1 right).
void PeepingEyes(cairo_t* cr, double y, double look) {
    for (double s : {-1.0, 1.0}) {
        const double ex = kBoxX + 10 + s * 26;
        EllipsePath(cr, ex, y, 12, 9);
        SetColour(cr, kWhite);
        cairo_fill(cr);
        cairo_arc(cr, ex + look * 5, y + 1, 5, 0, 2 * kPi);
        SetColour(cr, Hex(0x1E130C));
        cairo_fill(cr);
    }
}

void Day18Moving(cairo_t* cr, int frame, int /*frames*/) {
    // The story, a frame a tick: the box jiggles, its lid lifts, someone
    // peeks out and looks around; a held breath of three ticks (the same
    // picture, stored as empty frames); then Quib bursts out.
    constexpr int kLastBeat = 10;  // frames 11..13 repeat it
    constexpr int kFinale = 14;
    const int beat = frame >= kFinale ? kFinale : std::min(frame, kLastBeat);
    if (beat < kFinale) {
        constexpr std::array<double, 11> kTilt = {0, 0.05, -0.05, 0.035, -0.02, 0, 0, 0, 0, 0, 0};
        constexpr std::array<double, 11> kLift = {0, 4, 8, 4, 0, 14, 26, 40, 44, 44, 46};
        constexpr std::array<double, 11> kTurn = {0, 0, 0.02, 0, 0, 0.03, 0.06, 0.1, 0.1, 0.1, 0.11};
        const size_t b = size_t(beat);
        StoryBox(cr, kTilt[b], kLift[b], kTurn[b], false);
        if (beat >= 7) PeepingEyes(cr, kBoxTop - 4, beat == 8 ? -1.0 : beat == 9 ? 1.0 : 0.0);
        if (beat >= 1 && beat <= 4) {
            // Jiggle marks beside the box.
            SetColour(cr, kWhite, 0.9);
            cairo_set_line_width(cr, 5);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            for (double s : {-1.0, 1.0}) {
                const double x = kBoxX + s * (kBoxW / 2 + 40 + (beat % 2) * 6) + (s > 0 ? 30 : 0);
                for (int k = 0; k < 3; ++k) {
                    cairo_move_to(cr, x, kBoxTop + 20 + k * 26);
                    cairo_line_to(cr, x + s * 22, kBoxTop + 14 + k * 26);
                }
            }
            cairo_stroke(cr);
        }
        return;
    }
    // Finale: a burst of light, Quib with his arms up, the lid flying off.
    cairo_save(cr);
    constexpr int kRays = 18;
    for (int i = 0; i < kRays; ++i) {
        const double a0 = 2 * kPi * i / kRays, a1 = a0 + kPi / kRays;
        cairo_move_to(cr, kBoxX, kBoxTop);
        cairo_line_to(cr, kBoxX + 330 * std::cos(a0), kBoxTop - 10 + 260 * std::sin(a0));
        cairo_line_to(cr, kBoxX + 330 * std::cos(a1), kBoxTop - 10 + 260 * std::sin(a1));
        cairo_close_path(cr);
    }
    cairo_rectangle(cr, 0, 136, 800, 344);
    cairo_clip(cr);
    SetColour(cr, Hex(0xFFE9A0), 0.45);
    cairo_fill(cr);
    cairo_restore(cr);
    // Confetti and stars.
    Random rnd(1860);
    const Rgb confetti[4] = {kGold, kWhite, Hex(0x2FA24D), Hex(0x6FC8FF)};
    for (int i = 0; i < 40; ++i) {
        const double a = rnd.Uniform(-kPi, 0), d = rnd.Uniform(150, 330);
        const double x = kBoxX + d * std::cos(a) * 1.2, y = kBoxTop - 20 + d * std::sin(a) * 0.8;
        if (y < 140) continue;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rnd.Uniform(0, kPi));
        cairo_rectangle(cr, -7, -3.5, 14, 7);
        SetColour(cr, confetti[i % 4]);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    StoryBox(cr, 0, 0, 0, true);
    // Arms up in a cheer, behind the face.
    for (double s : {-1.0, 1.0}) {
        CapsulePath(cr, kBoxX + s * 70, kBoxTop + 10, 26, kBoxX + s * 168, kBoxTop - 150, 20);
        FillThenStroke(cr, Hex(0x2FA24D), kOutline, kLine);
        cairo_arc(cr, kBoxX + s * 176, kBoxTop - 168, 22, 0, 2 * kPi);
        FillThenStroke(cr, Hex(0xF8D3B6), kOutline, kLine);
        RoundedRectPath(cr, kBoxX + s * 170 - 22, kBoxTop - 150, 44, 18, 8);
        FillThenStroke(cr, kRed, kOutline, 2.5);
    }
    cairo_save(cr);
    constexpr double kScale = 0.78;
    cairo_translate(cr, kBoxX - 151.5 * kScale, kBoxTop + 24 - 390 * kScale);
    cairo_scale(cr, kScale, kScale);
    cairo_rectangle(cr, -200, -200, 703, 590 - 24 / kScale);
    cairo_clip(cr);
    DrawQuibFace(cr, 0);
    cairo_restore(cr);
    // The front of the box again, over his middle.
    cairo_save(cr);
    cairo_rectangle(cr, 0, kBoxTop + 8, 800, 600);
    cairo_clip(cr);
    StoryBox(cr, 0, 0, 0, true);
    cairo_restore(cr);
    // The lid, tumbling away to the right.
    cairo_save(cr);
    cairo_translate(cr, 660, 300);
    cairo_rotate(cr, 0.5);
    RoundedRectPath(cr, -90, -18, 180, 36, 4);
    FillThenStroke(cr, Lighten(kRed, 0.1), kOutline, kLine);
    cairo_rectangle(cr, -14, -18, 28, 36);
    FillThenStroke(cr, kGold, kOutline, 2.5);
    Bow(cr, 0, -22, 40, kGold);
    cairo_restore(cr);
    for (const auto& [x, y, s] : {std::array{220.0, 300.0, 18.0}, std::array{590.0, 200.0, 14.0}, std::array{250.0, 190.0, 12.0}}) {
        StarPath(cr, x, y, s, s * 0.45, 5, 0.1);
        FillThenStroke(cr, Hex(0xFFE27A), kOutline, 2);
    }
}

// ---- Day 19: a snow globe ------------------------------------------------------------------------

void Day19Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x2A1748), Hex(0x3E2466), Hex(0x2A1748));
    Random rnd(1919);
    const Rgb lights[3] = {Hex(0xFFD36B), Hex(0xC9A0FF), Hex(0xFFB0C8)};
    for (int i = 0; i < 22; ++i) {
        cairo_arc(cr, rnd.Uniform(0, 800), rnd.Uniform(150, 560), rnd.Uniform(16, 40), 0, 2 * kPi);
        SetColour(cr, lights[i % 3], rnd.Uniform(0.12, 0.25));
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 520, 800, 80);
    LinearSource(cr, 0, 520, 0, 600, {{0, Hex(0x7A4A2A)}, {1, Hex(0x4E2C16)}});
    cairo_fill(cr);
    GroundShadow(cr, 400, 548, 200, 20, 0.4);
    constexpr double cx = 400, cy = 320, r = 170;
    // Inside the glass: sky, a mound of snow, a cottage and firs, snow.
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_clip(cr);
    LinearSource(cr, 0, cy - r, 0, cy + r, {{0, Hex(0x6FA8DC)}, {1, Hex(0xCFE6F8)}});
    cairo_paint(cr);
    cairo_move_to(cr, cx - r, cy + 70);
    cairo_curve_to(cr, cx - 80, cy + 30, cx + 80, cy + 30, cx + r, cy + 70);
    cairo_line_to(cr, cx + r, cy + r);
    cairo_line_to(cr, cx - r, cy + r);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kSnowShade, 2);
    Fir(cr, cx - 100, cy + 70, 120, Hex(0x24704A), true, 2.5);
    Fir(cr, cx + 110, cy + 74, 100, Hex(0x24704A), true, 2.5);
    cairo_rectangle(cr, cx - 46, cy - 10, 92, 70);
    FillThenStroke(cr, Hex(0xE8C9A0), kOutline, 2.5);
    cairo_move_to(cr, cx - 62, cy - 6);
    cairo_line_to(cr, cx, cy - 56);
    cairo_line_to(cr, cx + 62, cy - 6);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, Hex(0x7F93B5), 2.5);
    RoundedRectPath(cr, cx - 14, cy + 20, 28, 40, 4);
    FillThenStroke(cr, kRed, kOutline, 2);
    RoundedRectPath(cr, cx + 20, cy + 6, 18, 18, 2);
    FillThenStroke(cr, Hex(0xFFD66B), kOutline, 2);
    for (int i = 0; i < 70; ++i) {
        cairo_arc(cr, rnd.Uniform(cx - r, cx + r), rnd.Uniform(cy - r, cy + 60), rnd.Uniform(1.5, 4), 0, 2 * kPi);
        SetColour(cr, kWhite, 0.9);
        cairo_fill(cr);
    }
    // Glass: a darker rim and highlights.
    RadialSource(cr, cx, cy, r * 0.7, r, {{0, Hex(0xFFFFFF)}, {1, Hex(0x9FC6EC)}}, 0.5);
    cairo_paint_with_alpha(cr, 0.35);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    cairo_arc(cr, cx - 20, cy - 20, r - 28, kPi * 1.05, kPi * 1.45);
    SetColour(cr, kWhite, 0.85);
    cairo_set_line_width(cr, 10);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_arc(cr, cx + 90, cy - 96, 10, 0, 2 * kPi);
    SetColour(cr, kWhite, 0.85);
    cairo_fill(cr);
    // Base with a brass plate.
    cairo_move_to(cr, cx - 150, cy + 110);
    cairo_curve_to(cr, cx - 100, cy + 140, cx + 100, cy + 140, cx + 150, cy + 110);
    cairo_line_to(cr, cx + 190, cy + 232);
    cairo_curve_to(cr, cx + 100, cy + 250, cx - 100, cy + 250, cx - 190, cy + 232);
    cairo_close_path(cr);
    LinearSource(cr, cx - 190, 0, cx + 190, 0, {{0, Hex(0x5A2E16)}, {0.45, Hex(0x9A5A30)}, {1, Hex(0x4A2410)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    RoundedRectPath(cr, cx - 80, cy + 142, 160, 84, 12);
    LinearSource(cr, 0, cy + 142, 0, cy + 226, {{0, Hex(0xFFE9A0)}, {1, kGoldShade}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 86, "19", cx, cy + 184, kRed, Hex(0xFFF6D6), 2.5);
}

// ---- Day 20: a toy train under steam ---------------------------------------------------------------

constexpr double kRail = 520;
constexpr double kChimneyX = 520, kChimneyTop = 318;

void Day20Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x3E8A8E), Hex(0x5BA6A4), Hex(0x7FBFB8), 460);
    // Wallpaper of small stars and a skirting board.
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 12; ++c) {
            StarPath(cr, 30 + c * 68 + (r % 2) * 34, 160 + r * 48, 7, 3, 5, 0);
            SetColour(cr, kWhite, 0.3);
            cairo_fill(cr);
        }
    cairo_rectangle(cr, 0, 440, 800, 30);
    FillThenStroke(cr, Hex(0xF2E8D8), kOutline, 2.5);
    cairo_rectangle(cr, 0, 470, 800, 130);
    LinearSource(cr, 0, 470, 0, 600, {{0, Hex(0x9A6238)}, {1, Hex(0x6B3E1E)}});
    cairo_fill(cr);
    // Presents waiting by the wall.
    Present(cr, 40, 380, 100, 90, Hex(0xB74BD0), kWhite);
    Present(cr, 660, 360, 110, 110, Hex(0xF4C132), kRed);
    // Track: sleepers and two rails.
    for (double x = -10; x < 810; x += 40) {
        cairo_rectangle(cr, x, kRail + 6, 26, 12);
        FillThenStroke(cr, Hex(0x5A3219), kOutline, 1.5);
    }
    for (double y : {kRail + 4.0, kRail + 16.0}) {
        cairo_move_to(cr, -10, y);
        cairo_line_to(cr, 810, y);
    }
    SetColour(cr, Hex(0x8A8F9A));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // A wagon full of presents behind the engine.
    RoundedRectPath(cr, 120, 420, 190, 70, 6);
    FillThenStroke(cr, Hex(0x2D6FC4), kOutline, kLine);
    Present(cr, 132, 350, 70, 68, kRed, kGold, 2.5);
    Present(cr, 212, 362, 60, 56, Hex(0x2FA24D), kWhite, 2.5);
    cairo_rectangle(cr, 310, 452, 40, 10);
    FillThenStroke(cr, Hex(0x3A3A44), kOutline, 2);
    // The engine's body.
    RoundedRectPath(cr, 350, 410, 300, 80, 10);
    FillThenStroke(cr, Hex(0x1E1E28), kOutline, kLine);
    RoundedRectPath(cr, 430, 346, 200, 80, 38);
    LinearSource(cr, 0, 346, 0, 426, {{0, Hex(0xF0505E)}, {0.5, kRed}, {1, kRedShade}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    for (double bx : {480.0, 560.0}) {
        cairo_rectangle(cr, bx, 346, 12, 80);
        FillThenStroke(cr, kGold, kOutline, 2);
    }
    // Cab with a window and the day on its side.
    cairo_rectangle(cr, 350, 290, 110, 136);
    LinearSource(cr, 350, 0, 460, 0, {{0, Hex(0x1A6B3A)}, {1, Hex(0x2E8A4A)}});
    cairo_fill_preserve(cr);
    SetColour(cr, kOutline);
    cairo_stroke(cr);
    RoundedRectPath(cr, 338, 276, 134, 22, 8);
    FillThenStroke(cr, kRedShade, kOutline, kLine);
    RoundedRectPath(cr, 372, 306, 66, 44, 6);
    FillThenStroke(cr, Hex(0xFFE9A0), kOutline, 2.5);
    PaintedNumber(cr, Font::Script, 62, "20", 405, 390, kGold, kWhite, 2.5);
    // Chimney and dome.
    cairo_move_to(cr, kChimneyX - 20, 350);
    cairo_line_to(cr, kChimneyX - 28, kChimneyTop);
    cairo_line_to(cr, kChimneyX + 28, kChimneyTop);
    cairo_line_to(cr, kChimneyX + 20, 350);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x1E1E28), kOutline, kLine);
    RoundedRectPath(cr, kChimneyX - 32, kChimneyTop - 8, 64, 14, 5);
    FillThenStroke(cr, kGold, kOutline, 2);
    EllipsePath(cr, 596, 346, 22, 16);
    FillThenStroke(cr, kGold, kOutline, 2.5);
    // Lamp and cow-catcher at the front.
    cairo_arc(cr, 648, 380, 14, 0, 2 * kPi);
    FillThenStroke(cr, Hex(0xFFE9A0), kOutline, 2.5);
    cairo_move_to(cr, 650, 440);
    cairo_line_to(cr, 690, 500);
    cairo_line_to(cr, 650, 500);
    cairo_close_path(cr);
    FillThenStroke(cr, kRedShade, kOutline, kLine);
}

void Wheel(cairo_t* cr, double x, double y, double r, double angle) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    FillThenStroke(cr, kRed, kOutline, kLine);
    cairo_arc(cr, x, y, r * 0.72, 0, 2 * kPi);
    SetColour(cr, Hex(0x1E1E28));
    cairo_fill(cr);
    SetColour(cr, kGold);
    cairo_set_line_width(cr, 4);
    for (int k = 0; k < 6; ++k) {
        const double a = angle + k * kPi / 3;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + r * 0.72 * std::cos(a), y + r * 0.72 * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_arc(cr, x, y, r * 0.2, 0, 2 * kPi);
    FillThenStroke(cr, kGold, kOutline, 2);
}

void Day20Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    // Wheels turn a sixth of a turn per loop (the spokes look the same), the
    // coupling rod goes once round.
    const double spin = phase * kPi / 3;
    for (const auto& [x, r] : {std::pair{170.0, 26.0}, std::pair{260.0, 26.0}}) Wheel(cr, x, kRail - 22, r, spin);
    const std::array<double, 3> drivers = {400, 480, 560};
    for (double x : drivers) Wheel(cr, x, kRail - 32, 36, spin);
    Wheel(cr, 630, kRail - 20, 22, spin);
    const double crank = 2 * kPi * phase;
    const double rx = 14 * std::cos(crank), ry = 14 * std::sin(crank);
    cairo_move_to(cr, drivers[0] + rx, kRail - 32 + ry);
    cairo_line_to(cr, drivers[2] + rx, kRail - 32 + ry);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 11);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, drivers[0] + rx, kRail - 32 + ry);
    cairo_line_to(cr, drivers[2] + rx, kRail - 32 + ry);
    SetColour(cr, Hex(0xC9CED8));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    // Puffs of smoke rising from the chimney: each grows, drifts back and
    // shrinks away, and the next takes its place, once round per loop.
    constexpr int kPuffs = 3;
    for (int i = kPuffs - 1; i >= 0; --i) {
        const double t = std::fmod(phase + double(i) / kPuffs, 1.0);
        const double x = kChimneyX - 10 - 180 * t, y = kChimneyTop - 20 - 200 * t + 60 * t * t;
        const double size = 14 + 50 * std::sin(kPi * std::min(1.0, t * 1.1));
        if (size < 16) continue;
        cairo_new_sub_path(cr);
        for (const auto& [dx, dy, f] : {std::array{0.0, 0.0, 1.0}, std::array{-0.7, 0.2, 0.7}, std::array{0.7, 0.25, 0.65}}) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x + dx * size, y + dy * size, size * f, 0, 2 * kPi);
        }
        SetColour(cr, Hex(0x8A9AAE));
        cairo_set_line_width(cr, 2 * 2.5);
        cairo_stroke_preserve(cr);
        SetColour(cr, Mix(kWhite, Hex(0xDCE4EE), t));
        cairo_fill(cr);
    }
}

}  // namespace

DoorArt DoorDay16() { return {16, Day16Still, nullptr}; }
DoorArt DoorDay17() { return {17, Day17Still, nullptr}; }
DoorArt DoorDay18() { return {18, Day18Still, Day18Moving}; }
DoorArt DoorDay19() { return {19, Day19Still, nullptr}; }
DoorArt DoorDay20() { return {20, Day20Still, Day20Moving}; }

}  // namespace artgen
