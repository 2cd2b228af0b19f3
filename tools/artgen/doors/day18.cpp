// Day 18: a present tagged 18 under the tree; it jiggles, its lid lifts, eyes
// peep out, and Quib bursts out in a shower of confetti.
#include "door_parts.h"
#include "door_rooms.h"
#include "elf_face.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

// The present: its front face's centre line, top, width and height; its top
// and side recede kBoxDepth to the right and 20 rows up.
constexpr double kBoxX = 400, kBoxTop = 392, kBoxW = 280, kBoxH = 180, kBoxDepth = 30;
constexpr double kBoxLeft = kBoxX - kBoxW / 2, kBoxRight = kBoxX + kBoxW / 2, kBoxBottom = kBoxTop + kBoxH;
constexpr Rgb kWrap = kRed, kRibbon = kGold;
constexpr Rgb kStarGold = Hex(0xFFE27A);
constexpr double kFloorY = 480;

// The dark inside of the box, seen through the gap under a lifted lid.
void BoxInside(cairo_t* cr) {
    cairo_move_to(cr, kBoxLeft + 6, kBoxTop + 8);
    cairo_line_to(cr, kBoxLeft + kBoxDepth, kBoxTop - 10);
    cairo_line_to(cr, kBoxRight + kBoxDepth, kBoxTop - 10);
    cairo_line_to(cr, kBoxRight - 6, kBoxTop + 8);
    cairo_close_path(cr);
    SetColour(cr, Hex(0x2A0C12));
    cairo_fill(cr);
}

// The box's side and front, the ribbon down the front and spots on the paper.
void BoxBody(cairo_t* cr) {
    cairo_move_to(cr, kBoxRight, kBoxTop + 10);
    cairo_line_to(cr, kBoxRight + kBoxDepth, kBoxTop - 10);
    cairo_line_to(cr, kBoxRight + kBoxDepth, kBoxBottom - 22);
    cairo_line_to(cr, kBoxRight, kBoxBottom);
    cairo_close_path(cr);
    FillThenStroke(cr, Lighten(kWrap, -0.35), kOutline, kLine);
    cairo_rectangle(cr, kBoxLeft, kBoxTop + 10, kBoxW, kBoxH - 10);
    FillThenStroke(cr, kWrap, kOutline, kLine);
    cairo_rectangle(cr, kBoxX - 16, kBoxTop + 10, 32, kBoxH - 10);
    FillThenStroke(cr, kRibbon, kOutline, 2.5);
    for (int row = 0; row < 3; ++row)
        for (int c = 0; c < 5; ++c) {
            const double x = kBoxLeft + 30 + c * 56 + (row % 2) * 20, y = kBoxTop + 44 + row * 46;
            if (std::fabs(x - kBoxX) < 30) continue;
            cairo_arc(cr, x, y, 8, 0, 2 * kPi);
            SetColour(cr, Hex(0xFFD0D6));
            cairo_fill(cr);
        }
}

// The tag with the day, on the front.
void BoxTag(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, kBoxLeft + 70, kBoxTop + 98);
    cairo_rotate(cr, -0.12);
    RoundedRectPath(cr, -62, -44, 124, 88, 12);
    FillThenStroke(cr, Hex(0xFFF6E2), kOutline, kLine);
    PaintedNumber(cr, Font::Script, 88, "18", 0, 2, Hex(0x1F5FB8), kWhite, 2);
    cairo_restore(cr);
}

// The lid, lifted by `lift` and turned by `turn` about its left edge: its
// top, front and side, the ribbon over it and the bow.
void BoxLid(cairo_t* cr, double lift, double turn) {
    cairo_save(cr);
    cairo_translate(cr, kBoxLeft - 8, kBoxTop + 10 - lift);
    cairo_rotate(cr, -turn);
    const double w = kBoxW + 16;
    cairo_move_to(cr, 0, -4);
    cairo_line_to(cr, kBoxDepth, -26);
    cairo_line_to(cr, w + kBoxDepth, -26);
    cairo_line_to(cr, w, -4);
    cairo_close_path(cr);
    FillThenStroke(cr, Lighten(kWrap, 0.25), kOutline, kLine);
    cairo_rectangle(cr, 0, -4, w, 34);
    FillThenStroke(cr, Lighten(kWrap, 0.08), kOutline, kLine);
    cairo_move_to(cr, w, -4);
    cairo_line_to(cr, w + kBoxDepth, -26);
    cairo_line_to(cr, w + kBoxDepth, 8);
    cairo_line_to(cr, w, 30);
    cairo_close_path(cr);
    FillThenStroke(cr, Lighten(kWrap, -0.3), kOutline, kLine);
    cairo_rectangle(cr, w / 2 - 18, -4, 36, 34);
    FillThenStroke(cr, kRibbon, kOutline, 2.5);
    Bow(cr, w / 2 + 12, -16, 62, kRibbon);
    cairo_restore(cr);
}

// The box, rocked by `tilt` about its bottom centre, with its lid lifted and
// turned, or without its lid once it has flown off.
void StoryBox(cairo_t* cr, double tilt, double lidLift, double lidTurn, bool lidOff) {
    cairo_save(cr);
    cairo_translate(cr, kBoxX, kBoxBottom);
    cairo_rotate(cr, tilt);
    cairo_translate(cr, -kBoxX, -kBoxBottom);
    if (lidLift > 0 || lidOff) BoxInside(cr);
    BoxBody(cr);
    BoxTag(cr);
    if (!lidOff) BoxLid(cr, lidLift, lidTurn);
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

// Marks either side of the box as it jiggles, shifted on odd beats.
void JiggleMarks(cairo_t* cr, int beat) {
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

// An arched window with snow falling outside.
void SnowyWindow(cairo_t* cr) {
    constexpr Rgb kFrame = Hex(0xF2E8D8);
    constexpr double kLeft = 560, kTop = 150, kWidth = 180, kHeight = 240;
    RoundedRectPath(cr, kLeft, kTop, kWidth, kHeight, kWidth / 2);
    LinearSource(cr, 0, kTop, 0, kTop + kHeight, {{0, Hex(0x101B3C)}, {1, Hex(0x3A5A94)}});
    FillSourceThenStroke(cr, kFrame, 10);
    Random rnd(1818);
    for (int i = 0; i < 20; ++i) {
        cairo_arc(cr, rnd.Uniform(575, 725), rnd.Uniform(170, 380), rnd.Uniform(1.5, 3.2), 0, 2 * kPi);
        SetColour(cr, kWhite, 0.9);
        cairo_fill(cr);
    }
    cairo_move_to(cr, kLeft + kWidth / 2, kTop);
    cairo_line_to(cr, kLeft + kWidth / 2, kTop + kHeight);
    SetColour(cr, kFrame);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
}

// The tree at the side, hung with baubles, a star on its tip.
void SideTree(cairo_t* cr) {
    TreeShape tree{110, 170, 520, 150, 4};
    ChristmasTree(cr, tree);
    for (int i = 0; i < 8; ++i) {
        const Point2D p = TreeSwag(tree, 1 + i % 3, (i * 0.37) - std::floor(i * 0.37));
        Bauble(cr, p.x, p.y + 18, 9, i % 2 ? kGold : kRed, 2);
    }
    StarPath(cr, tree.cx, tree.top - 4, 24, 10, 5, 0);
    FillThenStroke(cr, kGold, kGoldShade, 2.5);
}

// The story's first beats: the box jiggles, its lid lifts and eyes look out.
void BeforeTheBurst(cairo_t* cr, int beat) {
    constexpr std::array<double, 11> kTilt = {0, 0.05, -0.05, 0.035, -0.02, 0, 0, 0, 0, 0, 0};
    constexpr std::array<double, 11> kLift = {0, 4, 8, 4, 0, 14, 26, 40, 44, 44, 46};
    constexpr std::array<double, 11> kTurn = {0, 0, 0.02, 0, 0, 0.03, 0.06, 0.1, 0.1, 0.1, 0.11};
    const size_t b = size_t(beat);
    StoryBox(cr, kTilt[b], kLift[b], kTurn[b], false);
    if (beat >= 7) PeepingEyes(cr, kBoxTop - 4, beat == 8 ? -1.0 : beat == 9 ? 1.0 : 0.0);
    if (beat >= 1 && beat <= 4) JiggleMarks(cr, beat);
}

// Rays of light bursting from the open box, kept below the header.
void BurstOfLight(cairo_t* cr) {
    cairo_save(cr);
    constexpr int kRays = 18;
    for (int i = 0; i < kRays; ++i) {
        const double a0 = 2 * kPi * i / kRays, a1 = a0 + kPi / kRays;
        cairo_move_to(cr, kBoxX, kBoxTop);
        cairo_line_to(cr, kBoxX + 330 * std::cos(a0), kBoxTop - 10 + 260 * std::sin(a0));
        cairo_line_to(cr, kBoxX + 330 * std::cos(a1), kBoxTop - 10 + 260 * std::sin(a1));
        cairo_close_path(cr);
    }
    cairo_rectangle(cr, 0, 136, 800, kFloorY - 136);
    cairo_clip(cr);
    SetColour(cr, Hex(0xFFE9A0), 0.45);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Confetti thrown up in an arc over the box.
void Confetti(cairo_t* cr) {
    Random rnd(1860);
    const Rgb confetti[4] = {kGold, kWhite, Hex(0x2FA24D), Hex(0x6FC8FF)};
    for (int i = 0; i < 40; ++i) {
        const double a = rnd.Uniform(-kPi, 0), d = rnd.Uniform(150, 330);
        const double x = kBoxX + d * std::cos(a) * 1.2, y = kBoxTop - 20 + d * std::sin(a) * 0.8;
        if (y < 140) continue;
        Confetto(cr, x, y, rnd.Uniform(0, kPi), 14, confetti[i % 4]);
    }
}

// Quib in the box: his arms up in a cheer, behind his face, which is cut off
// at the box's rim.
void CheeringQuib(cairo_t* cr) {
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
}

// The lid, tumbling away to the right.
void TumblingLid(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 660, 300);
    cairo_rotate(cr, 0.5);
    RoundedRectPath(cr, -90, -18, 180, 36, 4);
    FillThenStroke(cr, Lighten(kRed, 0.1), kOutline, kLine);
    cairo_rectangle(cr, -14, -18, 28, 36);
    FillThenStroke(cr, kGold, kOutline, 2.5);
    Bow(cr, 0, -22, 40, kGold);
    cairo_restore(cr);
}

// The finale: a burst of light and confetti, Quib cheering in the open box,
// the lid flying off and stars.
void Finale(cairo_t* cr) {
    BurstOfLight(cr);
    Confetti(cr);
    StoryBox(cr, 0, 0, 0, true);
    CheeringQuib(cr);
    // The front of the box again, over his middle.
    cairo_save(cr);
    cairo_rectangle(cr, 0, kBoxTop + 8, 800, 600);
    cairo_clip(cr);
    StoryBox(cr, 0, 0, 0, true);
    cairo_restore(cr);
    TumblingLid(cr);
    for (const auto& [x, y, s] :
         {std::array{220.0, 300.0, 18.0}, std::array{590.0, 200.0, 14.0}, std::array{250.0, 190.0, 12.0}}) {
        StarPath(cr, x, y, s, s * 0.45, 5, 0.1);
        FillThenStroke(cr, kStarGold, kOutline, 2);
    }
}

}  // namespace

void Day18Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x3A2A6E), Hex(0x54408E), Hex(0x6C54A6), kFloorY);
    SnowyWindow(cr);
    TableTop(cr, kFloorY, Hex(0x8A5A36), Hex(0x5E3A20));
    // A rug for the present.
    EllipsePath(cr, kBoxX, kBoxBottom, 300, 24);
    FillThenStroke(cr, Hex(0x2E8A4A), kOutline, 2.5);
    SideTree(cr);
    GroundShadow(cr, kBoxX + 10, kBoxBottom, 190, 18, 0.35);
}

void Day18Moving(cairo_t* cr, int frame, int /*frames*/) {
    // The story, a frame a tick: the box jiggles, its lid lifts, someone
    // peeks out and looks around; a held breath of three ticks (the same
    // picture, stored as empty frames); then Quib bursts out.
    constexpr int kLastBeat = 10;  // frames 11..13 repeat it
    constexpr int kFinale = 14;
    const int beat = frame >= kFinale ? kFinale : std::min(frame, kLastBeat);
    if (beat < kFinale) {
        BeforeTheBurst(cr, beat);
    } else {
        Finale(cr);
    }
}

}  // namespace artgen::doors
