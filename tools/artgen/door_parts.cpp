#include "door_parts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace artgen::parts {

double LoopPhase(int frame, int frames) {
    if (frames <= 1) return 0;
    const int cycle = frames - 1;
    return double(frame % cycle) / cycle;
}

void SkyGradient(cairo_t* cr, Rgb top, Rgb middle, Rgb bottom, double bottomY) {
    LinearSource(cr, 0, 0, 0, bottomY, {{0, top}, {0.55, middle}, {1, bottom}});
    cairo_paint(cr);
}

void StarField(cairo_t* cr, uint32_t seed, int dots, int twinkles, double minY, double maxY) {
    Random rnd(seed);
    for (int i = 0; i < dots; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(minY, maxY), size = rnd.Uniform(0.7, 1.8);
        cairo_arc(cr, x, y, size, 0, 2 * kPi);
        SetColour(cr, kWhite, rnd.Uniform(0.5, 0.95));
        cairo_fill(cr);
    }
    for (int i = 0; i < twinkles; ++i) {
        const double x = rnd.Uniform(20, 780), y = rnd.Uniform(minY, maxY), size = rnd.Uniform(5, 9);
        Twinkle(cr, x, y, size, 1.0);
    }
}

void Twinkle(cairo_t* cr, double x, double y, double size, double brightness, Rgb colour) {
    if (brightness <= 0) return;
    DrawGlow(cr, x, y, size * 2.2, Hex(0xFFF6D0), 0.5 * brightness);
    StarPath(cr, x, y, size * (0.55 + 0.45 * brightness), size * 0.22, 4, 0);
    SetColour(cr, colour);
    cairo_fill(cr);
}

void SnowGround(cairo_t* cr, double leftY, double midX, double midY, double rightY, Rgb top, Rgb bottom) {
    cairo_move_to(cr, -10, leftY);
    cairo_curve_to(cr, midX * 0.5, leftY + (midY - leftY) * 0.2, midX * 0.7, midY, midX, midY);
    cairo_curve_to(cr, midX + (800 - midX) * 0.3, midY, midX + (800 - midX) * 0.6, rightY, 810, rightY);
    cairo_line_to(cr, 810, 610);
    cairo_line_to(cr, -10, 610);
    cairo_close_path(cr);
    const double y0 = std::min({leftY, midY, rightY});
    LinearSource(cr, 0, y0, 0, 600, {{0, top}, {1, bottom}});
    FillSourceThenStroke(cr, Lighten(kSnowShade, -0.25), 2);
}

void Fir(cairo_t* cr, double x, double baseY, double height, Rgb colour, bool snowy, double line) {
    const double trunkH = height * 0.1, trunkW = height * 0.09;
    cairo_rectangle(cr, x - trunkW / 2, baseY - trunkH - 2, trunkW, trunkH + 2);
    FillThenStroke(cr, Hex(0x6B3E1E), kOutline, line);
    constexpr int kTiers = 3;
    const double top = baseY - height;
    for (int i = 0; i < kTiers; ++i) {
        const double y0 = top + (height - trunkH) * i * 0.27;
        const double y1 = top + (height - trunkH) * (0.42 + i * 0.29);
        const double half = height * (0.2 + 0.085 * i);
        cairo_move_to(cr, x, y0);
        cairo_curve_to(cr, x + half * 0.3, y0 + (y1 - y0) * 0.45, x + half * 0.75, y1 - (y1 - y0) * 0.12, x + half, y1);
        cairo_curve_to(cr, x + half * 0.5, y1 + height * 0.035, x - half * 0.5, y1 + height * 0.035, x - half, y1);
        cairo_curve_to(cr, x - half * 0.75, y1 - (y1 - y0) * 0.12, x - half * 0.3, y0 + (y1 - y0) * 0.45, x, y0);
        cairo_close_path(cr);
        LinearSource(cr, x - half, y0, x + half, y1,
                     {{0, Lighten(colour, -0.25)}, {0.55, colour}, {1, Lighten(colour, 0.12)}});
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        FillSourceThenStroke(cr, Lighten(colour, -0.6), line);
        if (snowy) {
            // A cap of snow along the tier's lower edge and on its tip.
            const double sy = y1 - (y1 - y0) * 0.22;
            cairo_move_to(cr, x - half * 0.86, y1 - 2);
            cairo_curve_to(cr, x - half * 0.5, y1 + height * 0.02, x + half * 0.5, y1 + height * 0.02, x + half * 0.86,
                           y1 - 2);
            cairo_curve_to(cr, x + half * 0.6, sy, x + half * 0.25, sy + 6, x, sy);
            cairo_curve_to(cr, x - half * 0.25, sy + 6, x - half * 0.6, sy, x - half * 0.86, y1 - 2);
            cairo_close_path(cr);
            FillThenStroke(cr, kSnow, Lighten(kSnowShade, -0.35), line * 0.6);
        }
    }
}

void Moon(cairo_t* cr, double x, double y, double r) {
    DrawGlow(cr, x, y, r * 3.2, Hex(0xFFF3C4), 0.35);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    RadialSource(cr, x - r * 0.25, y - r * 0.25, r * 0.05, r * 1.05, {{0, Hex(0xFFFBE6)}, {1, Hex(0xF1E3AE)}});
    cairo_fill(cr);
    const double spots[][3] = {{-0.3, -0.2, 0.18}, {0.32, 0.35, 0.13}, {0.2, -0.4, 0.09}, {-0.15, 0.42, 0.1}};
    for (const auto& s : spots) {
        cairo_arc(cr, x + s[0] * r, y + s[1] * r, s[2] * r, 0, 2 * kPi);
        SetColour(cr, Hex(0xE6D69C), 0.7);
        cairo_fill(cr);
    }
}

void Bow(cairo_t* cr, double x, double y, double size, Rgb colour, double line) {
    const Rgb shade = Lighten(colour, -0.3);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, size / 40, size / 40);
    const double lw = line * 40 / size;
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // Tails.
    for (double s : {-1.0, 1.0}) {
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, s * 8, 14, s * 14, 26, s * 22, 38);
        cairo_line_to(cr, s * 12, 36);
        cairo_line_to(cr, s * 8, 44);
        cairo_curve_to(cr, s * 4, 30, s * 0, 16, 0, 0);
        cairo_close_path(cr);
        FillThenStroke(cr, shade, kOutline, lw);
    }
    // Loops.
    for (double s : {-1.0, 1.0}) {
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, s * 10, -26, s * 44, -30, s * 40, -6);
        cairo_curve_to(cr, s * 38, 8, s * 14, 8, 0, 0);
        cairo_close_path(cr);
        LinearSource(cr, 0, -26, 0, 8, {{0, Lighten(colour, 0.2)}, {1, colour}});
        FillSourceThenStroke(cr, kOutline, lw);
        cairo_move_to(cr, s * 8, -4);
        cairo_curve_to(cr, s * 16, -16, s * 28, -18, s * 32, -10);
        SetColour(cr, shade);
        cairo_set_line_width(cr, lw * 0.8);
        cairo_stroke(cr);
    }
    EllipsePath(cr, 0, -1, 8, 9);
    FillThenStroke(cr, colour, kOutline, lw);
    cairo_restore(cr);
}

void Present(cairo_t* cr, double x, double y, double w, double h, Rgb wrap, Rgb ribbon, double line) {
    const double lidH = std::min(h * 0.22, 34.0), depth = std::min(h * 0.18, 26.0);
    const double band = std::max(8.0, w * 0.12);
    // Top face, seen a little from above.
    cairo_move_to(cr, x, y + depth);
    cairo_line_to(cr, x + depth * 0.8, y);
    cairo_line_to(cr, x + w + depth * 0.8, y);
    cairo_line_to(cr, x + w, y + depth);
    cairo_close_path(cr);
    FillThenStroke(cr, Lighten(wrap, 0.25), kOutline, line);
    // Body under the lid.
    cairo_rectangle(cr, x + 4, y + depth + lidH, w - 8, h - depth - lidH);
    LinearSource(cr, x, 0, x + w, 0, {{0, Lighten(wrap, -0.15)}, {0.6, wrap}, {1, Lighten(wrap, -0.1)}});
    FillSourceThenStroke(cr, kOutline, line);
    // Side face.
    cairo_move_to(cr, x + w - 4, y + depth + lidH);
    cairo_line_to(cr, x + w + depth * 0.8 - 4, y + lidH);
    cairo_line_to(cr, x + w + depth * 0.8 - 4, y + h - depth);
    cairo_line_to(cr, x + w - 4, y + h);
    cairo_close_path(cr);
    FillThenStroke(cr, Lighten(wrap, -0.35), kOutline, line);
    // Lid front.
    cairo_rectangle(cr, x, y + depth, w, lidH);
    LinearSource(cr, x, 0, x + w, 0, {{0, Lighten(wrap, -0.05)}, {0.6, Lighten(wrap, 0.12)}, {1, wrap}});
    FillSourceThenStroke(cr, kOutline, line);
    cairo_move_to(cr, x + w, y + depth);
    cairo_line_to(cr, x + w + depth * 0.8, y);
    cairo_line_to(cr, x + w + depth * 0.8, y + lidH);
    cairo_line_to(cr, x + w, y + depth + lidH);
    cairo_close_path(cr);
    FillThenStroke(cr, Lighten(wrap, -0.3), kOutline, line);
    // Ribbon: down the front and across the top.
    const double cx = x + w / 2;
    cairo_rectangle(cr, cx - band / 2, y + depth, band, h - depth);
    LinearSource(cr, cx - band / 2, 0, cx + band / 2, 0, {{0, ribbon}, {0.5, Lighten(ribbon, 0.3)}, {1, ribbon}});
    FillSourceThenStroke(cr, kOutline, line * 0.8);
    cairo_move_to(cr, cx - band / 2, y + depth);
    cairo_line_to(cr, cx - band / 2 + depth * 0.8, y);
    cairo_line_to(cr, cx + band / 2 + depth * 0.8, y);
    cairo_line_to(cr, cx + band / 2, y + depth);
    cairo_close_path(cr);
    FillThenStroke(cr, Lighten(ribbon, 0.15), kOutline, line * 0.8);
    Bow(cr, cx + depth * 0.4, y + depth * 0.5, std::max(18.0, w * 0.28), ribbon, line);
}

void Bauble(cairo_t* cr, double x, double y, double r, Rgb colour, double line) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    RadialSource(cr, x - r * 0.35, y - r * 0.4, r * 0.05, r * 1.15,
                 {{0, Lighten(colour, 0.55)}, {0.45, colour}, {1, Lighten(colour, -0.45)}});
    FillSourceThenStroke(cr, kOutline, line);
    // Highlight.
    EllipsePath(cr, x - r * 0.38, y - r * 0.42, r * 0.2, r * 0.12);
    SetColour(cr, kWhite, 0.8);
    cairo_fill(cr);
    // Cap.
    RoundedRectPath(cr, x - r * 0.22, y - r - r * 0.2, r * 0.44, r * 0.26, r * 0.05);
    LinearSource(cr, x - r * 0.22, 0, x + r * 0.22, 0, {{0, kGoldShade}, {0.5, Hex(0xFFE9A0)}, {1, kGoldShade}});
    FillSourceThenStroke(cr, kOutline, line * 0.8);
}

void CelBauble(cairo_t* cr, double x, double y, double r, Rgb colour, double line) {
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    SetColour(cr, colour);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_clip(cr);
    // A shadow crescent low on the right, a lighter cap high on the left.
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_arc_negative(cr, x - r * 0.22, y - r * 0.22, r * 0.98, 2 * kPi, 0);
    SetColour(cr, Lighten(colour, -0.35));
    cairo_fill(cr);
    cairo_arc(cr, x - r * 0.3, y - r * 0.3, r * 0.55, 0, 2 * kPi);
    SetColour(cr, Lighten(colour, 0.18));
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, line);
    cairo_stroke(cr);
    EllipsePath(cr, x - r * 0.4, y - r * 0.44, r * 0.2, r * 0.12);
    SetColour(cr, kWhite);
    cairo_fill(cr);
    RoundedRectPath(cr, x - r * 0.22, y - r - r * 0.2, r * 0.44, r * 0.26, r * 0.05);
    FillThenStroke(cr, kGold, kOutline, line * 0.8);
}

void Flame(cairo_t* cr, double x, double baseY, double height, double sway, double stretch) {
    const double h = height * stretch, w = height * 0.36;
    const double tipX = x + sway * w * 0.6;
    cairo_move_to(cr, tipX, baseY - h);
    cairo_curve_to(cr, x + w * 0.2 + sway * w * 0.3, baseY - h * 0.6, x + w, baseY - h * 0.25, x + w * 0.8,
                   baseY - h * 0.08);
    cairo_curve_to(cr, x + w * 0.5, baseY + h * 0.08, x - w * 0.5, baseY + h * 0.08, x - w * 0.8, baseY - h * 0.08);
    cairo_curve_to(cr, x - w, baseY - h * 0.25, x - w * 0.2 + sway * w * 0.3, baseY - h * 0.6, tipX, baseY - h);
    cairo_close_path(cr);
    LinearSource(cr, 0, baseY - h, 0, baseY, {{0, Hex(0xFFB52E)}, {0.55, Hex(0xFFD45C)}, {1, Hex(0xFF8A1E)}});
    FillSourceThenStroke(cr, Hex(0xC9530E), 1.6);
    // Bright core.
    const double ch = h * 0.5, cw = w * 0.45;
    cairo_move_to(cr, x + sway * cw * 0.5, baseY - ch);
    cairo_curve_to(cr, x + cw, baseY - ch * 0.5, x + cw, baseY - 2, x, baseY - 2);
    cairo_curve_to(cr, x - cw, baseY - 2, x - cw, baseY - ch * 0.5, x + sway * cw * 0.5, baseY - ch);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xFFF6D6));
    cairo_fill(cr);
}

void PineGarland(cairo_t* cr, double x0, double x1, double y, double sag, uint32_t seed, double thickness) {
    Random rnd(seed);
    const Rgb needles[3] = {Hex(0x1E6B3A), Hex(0x2E8A4A), Hex(0x145530)};
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // A dark core first, so that gaps between tufts do not show the wall.
    cairo_move_to(cr, x0, y);
    for (int k = 1; k <= 24; ++k) {
        const Point2D p = SwagPoint(x0, x1, y, sag, k / 24.0);
        cairo_line_to(cr, p.x, p.y);
    }
    SetColour(cr, Hex(0x0E3F22));
    cairo_set_line_width(cr, thickness * 0.9);
    cairo_stroke(cr);
    const int tufts = int(std::fabs(x1 - x0) / 7);
    for (int layer = 0; layer < 3; ++layer) {
        for (int i = 0; i <= tufts; ++i) {
            const Point2D p = SwagPoint(x0, x1, y, sag, (i + rnd.Uniform(0, 1)) / (tufts + 1));
            for (int k = 0; k < 3; ++k) {
                const double a = rnd.Uniform(0, 2 * kPi), len = thickness * rnd.Uniform(0.35, 0.7);
                cairo_move_to(cr, p.x, p.y);
                cairo_line_to(cr, p.x + len * std::cos(a), p.y + len * 0.8 * std::sin(a));
            }
            SetColour(cr, needles[size_t(layer)]);
            cairo_set_line_width(cr, 3.2);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

Point2D SwagPoint(double x0, double x1, double y, double sag, double t) {
    return Point2D{x0 + (x1 - x0) * t, y + sag * std::sin(kPi * t)};
}

double TreeShape::TierTop(int i) const {
    const double span = base - 50 - top;
    return i == 0 ? top : top + span * i / tiers - span * 0.1;
}
double TreeShape::TierBottom(int i) const {
    const double span = base - 50 - top;
    return top + span * (i + 1) / tiers + 6;
}
double TreeShape::TierHalf(int i) const { return halfWidth * (0.45 + 0.55 * (i + 1) / tiers); }

namespace {

// The tree's trunk standing in a red pot with a gold rim.
void TreePot(cairo_t* cr, double cx, double base) {
    constexpr double kRimHalf = 54, kPotTopHalf = 48, kPotFootHalf = 38;
    cairo_rectangle(cr, cx - 16, base - 70, 32, 40);
    FillThenStroke(cr, Hex(0x6B3E1E), kOutline, kLine);
    cairo_move_to(cr, cx - kPotTopHalf, base - 46);
    cairo_line_to(cr, cx + kPotTopHalf, base - 46);
    cairo_line_to(cr, cx + kPotFootHalf, base);
    cairo_line_to(cr, cx - kPotFootHalf, base);
    cairo_close_path(cr);
    LinearSource(cr, cx - kPotTopHalf, 0, cx + kPotTopHalf, 0, {{0, kRedShade}, {0.5, kRed}, {1, kRedShade}});
    FillSourceThenStroke(cr, kOutline, kLine);
    RoundedRectPath(cr, cx - kRimHalf, base - 52, 2 * kRimHalf, 14, 5);
    FillThenStroke(cr, kGold, kOutline, 2.5);
}

// Tier i of the tree: a cone with a scalloped lower edge and strokes of
// lighter needles along it.
void TreeTier(cairo_t* cr, const TreeShape& tree, int i) {
    const double cx = tree.cx;
    const double y0 = tree.TierTop(i), y1 = tree.TierBottom(i), half = tree.TierHalf(i);
    cairo_move_to(cr, cx, y0);
    cairo_curve_to(cr, cx + half * 0.3, y0 + (y1 - y0) * 0.5, cx + half * 0.8, y1 - 12, cx + half, y1);
    const int scallops = 4 + i;
    for (int k = 0; k < scallops; ++k) {
        const double xa = cx + half - 2 * half * (k + 1) / scallops;
        const double xm = (xa + (cx + half - 2 * half * k / scallops)) / 2;
        cairo_curve_to(cr, xm + 6, y1 + 14, xm - 6, y1 + 14, xa, y1);
    }
    cairo_curve_to(cr, cx - half * 0.8, y1 - 12, cx - half * 0.3, y0 + (y1 - y0) * 0.5, cx, y0);
    cairo_close_path(cr);
    LinearSource(cr, cx - half, y0, cx + half, y1, {{0, Hex(0x0F5A2E)}, {0.5, Hex(0x1E8A45)}, {1, Hex(0x126A35)}});
    FillSourceThenStroke(cr, Hex(0x0B3A1E), kLine);
    cairo_save(cr);
    SetColour(cr, Hex(0x2FA25A), 0.7);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 1; k < scallops; ++k) {
        const double xb = cx + half - 2 * half * k / scallops;
        cairo_move_to(cr, xb, y1 - 2);
        cairo_line_to(cr, xb + (cx - xb) * 0.2, y1 - (y1 - y0) * 0.3);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

void ChristmasTree(cairo_t* cr, const TreeShape& tree) {
    TreePot(cr, tree.cx, tree.base);
    for (int i = 0; i < tree.tiers; ++i) TreeTier(cr, tree, i);
    // Gold bead garlands across every tier but the top one.
    for (int i = 1; i < tree.tiers; ++i) {
        for (int k = 0; k <= 16; ++k) {
            const Point2D p = TreeSwag(tree, i, k / 16.0);
            cairo_arc(cr, p.x, p.y, 3.4, 0, 2 * kPi);
            FillThenStroke(cr, kGold, kGoldShade, 1);
        }
    }
}

Point2D TreeSwag(const TreeShape& tree, int tier, double t) {
    const double y1 = tree.TierBottom(tier), half = tree.TierHalf(tier);
    const double x = tree.cx - half * 0.62 + half * 1.3 * t;
    return Point2D{x, y1 - 44 + 28 * t + 10 * std::sin(kPi * t)};
}

void TreeTopStar(cairo_t* cr, const TreeShape& tree, double outer, double inner, double glowRadius, double glowAlpha) {
    const double y = tree.top - 4;
    DrawGlow(cr, tree.cx, y, glowRadius, Hex(0xFFE58A), glowAlpha);
    StarPath(cr, tree.cx, y, outer, inner, 5, 0);
    LinearSource(cr, 0, y - outer, 0, y + outer, {{0, Hex(0xFFF1A6)}, {1, Hex(0xE9A616)}});
    FillSourceThenStroke(cr, Hex(0x9A6A08), 2.5);
}

void FlameGlow(cairo_t* cr, double x, double baseY, double height) {
    DrawGlow(cr, x, baseY - height * 0.45, height * 2.6, Hex(0xFFC96B), 0.4);
}

void StarBiscuit(cairo_t* cr, double x, double y, double angle, const StarBiscuitShape& shape) {
    StarPath(cr, x, y, shape.outer, shape.inner, 5, angle);
    FillThenStroke(cr, shape.dough, kOutline, shape.line);
    StarPath(cr, x, y, shape.icingOuter, shape.icingInner, 5, angle);
    SetColour(cr, kWhite);
    cairo_set_line_width(cr, shape.icingLine);
    cairo_stroke(cr);
}

void Confetto(cairo_t* cr, double x, double y, double angle, double length, Rgb colour) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_rectangle(cr, -length / 2, -length / 4, length, length / 2);
    SetColour(cr, colour);
    cairo_fill(cr);
    cairo_restore(cr);
}

void GroundShadow(cairo_t* cr, double x, double y, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, ry / rx);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, rx);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.1, 0.15, 0.3, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.6, 0.1, 0.15, 0.3, alpha * 0.6);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.15, 0.3, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, rx, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void Snowfall(cairo_t* cr, const SnowLayer& layer, double phase, double top, double bottom) {
    // The field repeats every `period` rows shifted by `drift` columns, so
    // moving it by one period and one drift maps it onto itself.
    Random rnd(layer.seed);
    const double dy = phase * layer.period, dx = phase * layer.drift;
    const int bands = int(std::ceil((bottom - top) / layer.period)) + 2;
    std::vector<std::array<double, 3>> flakes;
    for (int i = 0; i < layer.flakesPerBand; ++i)
        flakes.push_back(
            {rnd.Uniform(0, 800), rnd.Uniform(0, layer.period), rnd.Uniform(layer.minRadius, layer.maxRadius)});
    cairo_save(cr);
    cairo_rectangle(cr, 0, top, 800, bottom - top);
    cairo_clip(cr);
    for (int b = -1; b < bands; ++b) {
        for (const auto& f : flakes) {
            double x = std::fmod(f[0] + b * layer.drift + dx, 800.0);
            if (x < 0) x += 800;
            const double y = top + f[1] + b * layer.period + dy;
            if (y < top - 10 || y > bottom + 10) continue;
            for (double wrap : {-800.0, 0.0, 800.0}) {
                const double px = x + wrap;
                if (px < -10 || px > 810) continue;
                cairo_arc(cr, px, y, f[2], 0, 2 * kPi);
                SetColour(cr, kWhite, layer.alpha);
                cairo_fill(cr);
            }
        }
    }
    cairo_restore(cr);
}

void CentredNumberPath(cairo_t* cr, Font font, double size, const std::string& text, double cx, double cy) {
    const TextBox box = MeasureText(cr, font, size, text);
    cairo_move_to(cr, cx - box.x - box.width / 2, cy - box.y - box.height / 2);
    cairo_text_path(cr, text.c_str());
}

void PaintedNumber(cairo_t* cr, Font font, double size, const std::string& text, double cx, double cy, Rgb fill,
                   Rgb rim, double rimWidth, Rgb edge) {
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    CentredNumberPath(cr, font, size, text, cx, cy);
    SetColour(cr, edge);
    cairo_set_line_width(cr, 2 * rimWidth + 5);
    cairo_stroke_preserve(cr);
    SetColour(cr, rim);
    cairo_set_line_width(cr, 2 * rimWidth);
    cairo_stroke_preserve(cr);
    const TextBox box = MeasureText(cr, font, size, text);
    LinearSource(cr, 0, cy - box.height / 2, 0, cy + box.height / 2,
                 {{0, Lighten(fill, 0.2)}, {0.6, fill}, {1, Lighten(fill, -0.15)}});
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace artgen::parts
