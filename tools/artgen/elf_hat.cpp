#include "elf_hat.h"

#include "draw.h"

#include <cmath>

namespace artgen {

namespace {
constexpr Rgb kOutline = Hex(0x3B2314);
constexpr Rgb kRed = Hex(0xD8283A);
constexpr Rgb kRedShade = Hex(0xA3172A);
constexpr Rgb kFurShade = Hex(0xD6E0EC);
}  // namespace

void DrawBrandHat(cairo_t* cr, double x, double y, double scale, double angle, double lineWidth) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, scale, scale);
    const double line = lineWidth / scale;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Cone, flopping over to the right.
    cairo_move_to(cr, -44, -4);
    cairo_curve_to(cr, -40, -50, -6, -80, 34, -78);
    cairo_curve_to(cr, 62, -76, 80, -56, 82, -26);
    cairo_curve_to(cr, 72, -40, 56, -42, 50, -32);
    cairo_curve_to(cr, 52, -22, 46, -12, 44, -4);
    cairo_close_path(cr);
    LinearSource(cr, -40, 0, 40, -80, {{0, kRedShade}, {0.5, kRed}, {1, Lighten(kRed, 0.15)}});
    FillSourceThenStroke(cr, kOutline, line);
    // Pompom.
    cairo_arc(cr, 80, -18, 15, 0, 2 * kPi);
    RadialSource(cr, 75, -23, 1, 17, {{0, Hex(0xFFFFFF)}, {0.6, Hex(0xFFFFFF)}, {1, kFurShade}});
    FillSourceThenStroke(cr, kOutline, line);
    // Fur band.
    RoundedRectPath(cr, -52, -14, 104, 26, 13);
    LinearSource(cr, 0, -14, 0, 12, {{0, Hex(0xFFFFFF)}, {0.6, Hex(0xFFFFFF)}, {1, kFurShade}});
    FillSourceThenStroke(cr, kOutline, line);
    cairo_restore(cr);
}

}  // namespace artgen
