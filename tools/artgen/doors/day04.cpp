// Day 4: the Christmas tree by the window, a big bauble with the 4; its lights
// twinkle.
#include "door_parts.h"
#include "door_rooms.h"

#include <array>
#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

const TreeShape kTree{430, 168, 548, 210, 4};
constexpr double kFloorY = 520;
// The rug under the tree.
constexpr double kRugX = 430, kRugY = 566;
// The big bauble that carries the day.
constexpr double kBigBaubleX = 436, kBigBaubleY = 392, kBigBaubleR = 64;

// Faint snowflakes on the wallpaper.
void WallSnowflakes(cairo_t* cr) {
    Random wall(404);
    for (int i = 0; i < 14; ++i) {
        SetColour(cr, Hex(0x4A6698), 0.5);
        DrawSnowflake(cr, wall.Uniform(220, 800), wall.Uniform(150, 500), wall.Uniform(14, 22), wall.Uniform(0, 1), 3);
    }
}

// A window on the snowy night, with its sill.
void NightWindow(cairo_t* cr) {
    constexpr Rgb kFrame = Hex(0xE8DCC4);
    constexpr WindowShape kWindow{46, 180, 150, 220, 8, Hex(0x0B1634), Hex(0x345B93), kFrame, 7};
    Window(cr, kWindow, [](cairo_t* pane) {
        Moon(pane, 150, 230, 18);
        SnowGround(pane, 350, 120, 340, 360);
        Fir(pane, 90, 372, 80, Hex(0x1E4A5C), true, 2);
    });
    RoundedRectPath(cr, kWindow.x - 16, kWindow.y + kWindow.height - 4, kWindow.width + 32, 16, 4);
    FillThenStroke(cr, kFrame, kOutline, 2.5);
}

// Floorboards and a rug with a gold border.
void FloorAndRug(cairo_t* cr) {
    Floor(cr, kFloorY, Hex(0x7A4B2A), Hex(0x5A3219));
    SetColour(cr, Hex(0x4A2814));
    cairo_set_line_width(cr, 2);
    for (double y : {540.0, 566.0, 594.0}) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    cairo_stroke(cr);
    EllipsePath(cr, kRugX, kRugY, 300, 30);
    FillThenStroke(cr, Hex(0xA3172A), kOutline, 2.5);
    EllipsePath(cr, kRugX, kRugY, 270, 22);
    SetColour(cr, Hex(0xF4C132));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
}

// Small baubles round the tree and the big one with the day on it.
void Baubles(cairo_t* cr) {
    const std::array<std::array<double, 3>, 7> baubles = {{{372, 276, 11},
                                                           {478, 300, 12},
                                                           {338, 354, 12},
                                                           {522, 420, 13},
                                                           {300, 452, 14},
                                                           {416, 470, 12},
                                                           {560, 480, 12}}};
    const Rgb colours[4] = {kGold, Hex(0x2D7BD8), Hex(0xB74BD0), kRed};
    for (size_t i = 0; i < baubles.size(); ++i) {
        Bauble(cr, baubles[i][0], baubles[i][1], baubles[i][2], colours[i % 4], 2);
    }
    Bauble(cr, kBigBaubleX, kBigBaubleY, kBigBaubleR, kRed, kLine);
    PaintedNumber(cr, Font::Script, 104, "4", kBigBaubleX, kBigBaubleY + 8, kGold, Hex(0xFFF3C4), 3);
}

// Where the k-th of `count` bulbs hangs on tier `tier`: along the tier's bead
// swag, or on the top tier, which has none, in a short arc below the star.
Point2D BulbPosition(int tier, int k, int count) {
    if (tier == 0) {
        return Point2D{kTree.cx - 40 + 80.0 * (k + 0.5) / count,
                       kTree.TierBottom(0) - 30 + 6 * std::sin(kPi * (k + 0.5) / count)};
    }
    Point2D p = TreeSwag(kTree, tier, (k + 0.5) / count);
    p.y += 16;
    return p;
}

}  // namespace

void Day4Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x182849), Hex(0x23375E), Hex(0x2E4675));
    WallSnowflakes(cr);
    NightWindow(cr);
    FloorAndRug(cr);
    ChristmasTree(cr, kTree);
    Baubles(cr);
    TreeTopStar(cr, kTree, 30, 13, 70, 0.55);
    // Presents under the tree.
    Present(cr, 250, 478, 96, 80, Hex(0x2D7BD8), kWhite);
    Present(cr, 520, 488, 110, 72, Hex(0xF4C132), kRed);
    Present(cr, 370, 506, 80, 58, Hex(0x2FA24D), kRed);
}

void Day4Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    const Rgb bulbs[5] = {Hex(0xFF4A4A), Hex(0xFFD23F), Hex(0x4FA8FF), Hex(0x52E07A), Hex(0xFF7AD9)};
    int n = 0;
    for (int tier = 0; tier < kTree.tiers; ++tier) {
        const int count = 5 + 2 * tier;
        for (int k = 0; k < count; ++k, ++n) {
            const Point2D p = BulbPosition(tier, k, count);
            // Each bulb peaks at its own sixth of the loop.
            const double offset = double((n * 5) % 6) / 6;
            const double b = 0.5 + 0.5 * std::cos(2 * kPi * (phase - offset));
            const Rgb c = bulbs[size_t(n % 5)];
            if (b > 0.3) DrawGlow(cr, p.x, p.y, 8 + 14 * b, c, 0.7 * b);
            EllipsePath(cr, p.x, p.y, 4.5, 6);
            FillThenStroke(cr, Mix(Lighten(c, -0.45), Lighten(c, 0.45), b), kOutline, 1.2);
        }
    }
}

}  // namespace artgen::doors
