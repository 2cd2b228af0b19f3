// Day 19: a snow globe with a tiny snowy cottage, the 19 on its brass plate.
#include "door_parts.h"
#include "door_rooms.h"

namespace artgen::doors {

using namespace parts;

namespace {

// The glass globe's centre and radius; the scene inside it stands on a mound
// of snow kMoundDrop below the centre.
constexpr double kGlobeX = 400, kGlobeY = 320, kGlobeR = 170, kMoundDrop = 70;

// Out-of-focus lights in the room behind.
void BlurredLights(cairo_t* cr, Random& rnd) {
    const Rgb lights[3] = {Hex(0xFFD36B), Hex(0xC9A0FF), Hex(0xFFB0C8)};
    for (int i = 0; i < 22; ++i) {
        cairo_arc(cr, rnd.Uniform(0, 800), rnd.Uniform(150, 560), rnd.Uniform(16, 40), 0, 2 * kPi);
        SetColour(cr, lights[i % 3], rnd.Uniform(0.12, 0.25));
        cairo_fill(cr);
    }
}

// A tiny cottage on the mound: walls, a snowy roof, a red door and a lit
// window.
void TinyCottage(cairo_t* cr) {
    constexpr double cx = kGlobeX, cy = kGlobeY;
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
}

// Inside the glass: sky, a mound of snow with the cottage between two firs,
// snow in the water, and the glass's sheen over it all.
void SceneInTheGlobe(cairo_t* cr, Random& rnd) {
    constexpr double cx = kGlobeX, cy = kGlobeY, r = kGlobeR;
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_clip(cr);
    LinearSource(cr, 0, cy - r, 0, cy + r, {{0, Hex(0x6FA8DC)}, {1, Hex(0xCFE6F8)}});
    cairo_paint(cr);
    cairo_move_to(cr, cx - r, cy + kMoundDrop);
    cairo_curve_to(cr, cx - 80, cy + 30, cx + 80, cy + 30, cx + r, cy + kMoundDrop);
    cairo_line_to(cr, cx + r, cy + r);
    cairo_line_to(cr, cx - r, cy + r);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kSnowShade, 2);
    Fir(cr, cx - 100, cy + kMoundDrop, 120, Hex(0x24704A), true, 2.5);
    Fir(cr, cx + 110, cy + 74, 100, Hex(0x24704A), true, 2.5);
    TinyCottage(cr);
    for (int i = 0; i < 70; ++i) {
        cairo_arc(cr, rnd.Uniform(cx - r, cx + r), rnd.Uniform(cy - r, cy + 60), rnd.Uniform(1.5, 4), 0, 2 * kPi);
        SetColour(cr, kWhite, 0.9);
        cairo_fill(cr);
    }
    RadialSource(cr, cx, cy, r * 0.7, r, {{0, Hex(0xFFFFFF)}, {1, Hex(0x9FC6EC)}}, 0.5);
    cairo_paint_with_alpha(cr, 0.35);
    cairo_restore(cr);
}

// The glass's outline and the light glinting on it.
void GlassHighlights(cairo_t* cr) {
    constexpr double cx = kGlobeX, cy = kGlobeY, r = kGlobeR;
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
}

// The wooden base the globe sits in, and the brass plate with the day.
void BaseAndPlate(cairo_t* cr) {
    constexpr double cx = kGlobeX, cy = kGlobeY, kPlateTop = cy + 142, kPlateH = 84;
    cairo_move_to(cr, cx - 150, cy + 110);
    cairo_curve_to(cr, cx - 100, cy + 140, cx + 100, cy + 140, cx + 150, cy + 110);
    cairo_line_to(cr, cx + 190, cy + 232);
    cairo_curve_to(cr, cx + 100, cy + 250, cx - 100, cy + 250, cx - 190, cy + 232);
    cairo_close_path(cr);
    LinearSource(cr, cx - 190, 0, cx + 190, 0, {{0, Hex(0x5A2E16)}, {0.45, Hex(0x9A5A30)}, {1, Hex(0x4A2410)}});
    FillSourceThenStroke(cr, kOutline, 10);
    RoundedRectPath(cr, cx - 80, kPlateTop, 160, kPlateH, 12);
    LinearSource(cr, 0, kPlateTop, 0, kPlateTop + kPlateH, {{0, Hex(0xFFE9A0)}, {1, kGoldShade}});
    FillSourceThenStroke(cr, kOutline, 2.5);
    PaintedNumber(cr, Font::Script, 86, "19", cx, kPlateTop + 42, kRed, Hex(0xFFF6D6), 2.5);
}

}  // namespace

void Day19Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x2A1748), Hex(0x3E2466), Hex(0x2A1748));
    Random rnd(1919);
    BlurredLights(cr, rnd);
    Floor(cr, 520, Hex(0x7A4A2A), Hex(0x4E2C16));
    GroundShadow(cr, kGlobeX, 548, 200, 20, 0.4);
    SceneInTheGlobe(cr, rnd);
    GlassHighlights(cr);
    BaseAndPlate(cr);
}

}  // namespace artgen::doors
