#include "draw.h"

#include <algorithm>
#include <cmath>

namespace artgen {

Rgb Mix(Rgb a, Rgb b, double t) {
    auto m = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0))); };
    return Rgb{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Rgb Lighten(Rgb c, double t) { return t >= 0 ? Mix(c, Rgb{255, 255, 255}, t) : Mix(c, Rgb{0, 0, 0}, -t); }

void SetColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void FillPreserveThenStroke(cairo_t* cr, Rgb fill, Rgb outline, double width) {
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    SetColour(cr, outline);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
}

void FillThenStroke(cairo_t* cr, Rgb fill, Rgb outline, double width) {
    FillPreserveThenStroke(cr, fill, outline, width);
    cairo_new_path(cr);
}

void FillSourceThenStroke(cairo_t* cr, Rgb outline, double width) {
    cairo_fill_preserve(cr);
    SetColour(cr, outline);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

namespace {
cairo_pattern_t* AddStops(cairo_pattern_t* p, std::initializer_list<std::pair<double, Rgb>> stops, double alphaOuter) {
    size_t i = 0;
    for (const auto& [offset, c] : stops) {
        const double a = (i + 1 == stops.size()) ? alphaOuter : 1.0;
        cairo_pattern_add_color_stop_rgba(p, offset, c.r / 255.0, c.g / 255.0, c.b / 255.0, a);
        ++i;
    }
    return p;
}
}  // namespace

void LinearSource(cairo_t* cr, double x0, double y0, double x1, double y1,
                  std::initializer_list<std::pair<double, Rgb>> stops) {
    cairo_pattern_t* p = AddStops(cairo_pattern_create_linear(x0, y0, x1, y1), stops, 1.0);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void RadialSource(cairo_t* cr, double cx, double cy, double r0, double r1,
                  std::initializer_list<std::pair<double, Rgb>> stops, double alphaOuter) {
    cairo_pattern_t* p = AddStops(cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1), stops, alphaOuter);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rotation) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * points; ++i) {
        const double a = rotation - kPi / 2 + i * kPi / points;
        const double r = (i % 2 == 0) ? outer : inner;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void CapsulePath(cairo_t* cr, double x1, double y1, double r1, double x2, double y2, double r2) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double d = std::hypot(dx, dy);
    cairo_new_sub_path(cr);
    if (d <= std::fabs(r1 - r2) + 1e-6) {
        const bool first = r1 >= r2;
        cairo_arc(cr, first ? x1 : x2, first ? y1 : y2, std::max(r1, r2), 0, 2 * kPi);
        cairo_close_path(cr);
        return;
    }
    const double base = std::atan2(dy, dx);
    const double spread = std::acos((r1 - r2) / d);  // angle from the axis to the tangent points
    cairo_arc(cr, x2, y2, r2, base - spread, base + spread);
    cairo_arc(cr, x1, y1, r1, base + spread, base + 2 * kPi - spread);
    cairo_close_path(cr);
}

void HollyLeafPath(cairo_t* cr, double x, double y, double angle, double length, double halfWidth) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    // Spikes along each edge with concave scallops between them.
    constexpr double kSpikes[] = {0.0, 0.24, 0.48, 0.73, 1.0};
    constexpr int kCount = 5;
    auto width = [halfWidth](double t) { return halfWidth * std::sin(kPi * std::clamp(t, 0.0, 1.0)); };
    auto quad = [cr](double x0, double y0, double qx, double qy, double x2, double y2) {
        cairo_curve_to(cr, x0 + 2.0 / 3 * (qx - x0), y0 + 2.0 / 3 * (qy - y0), x2 + 2.0 / 3 * (qx - x2),
                       y2 + 2.0 / 3 * (qy - y2), x2, y2);
    };
    auto spikeY = [&](int i) { return (i == 0 || i == kCount - 1) ? 0.0 : width(kSpikes[i]) * 1.18; };
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 0, 0);
    for (int i = 1; i < kCount; ++i) {
        const double tm = (kSpikes[i - 1] + kSpikes[i]) / 2;
        const double inward = i == 1 ? 0.95 : 0.62;
        quad(length * kSpikes[i - 1], -spikeY(i - 1), length * tm, -width(tm) * inward, length * kSpikes[i],
             -spikeY(i));
    }
    for (int i = kCount - 1; i > 0; --i) {
        const double tm = (kSpikes[i - 1] + kSpikes[i]) / 2;
        const double inward = i == 1 ? 0.95 : 0.62;
        quad(length * kSpikes[i], spikeY(i), length * tm, width(tm) * inward, length * kSpikes[i - 1], spikeY(i - 1));
    }
    cairo_close_path(cr);
    cairo_restore(cr);
}

void DrawHolly(cairo_t* cr, double x, double y, double scale, double angle) {
    const Rgb leaf = Hex(0x1E7A3A), vein = Hex(0x0F4A22), berry = Hex(0xD0142C);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, scale, scale);
    for (int i = 0; i < 2; ++i) {
        const double a = i == 0 ? -2.6 : -0.55;
        HollyLeafPath(cr, 0, 0, a, 30, 10);
        FillThenStroke(cr, leaf, vein, 1.6);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 26 * std::cos(a), 26 * std::sin(a));
        SetColour(cr, vein);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    const double bx[3] = {-4.5, 4.5, 0}, by[3] = {2, 2, 8};
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, bx[i], by[i], 5.2, 0, 2 * kPi);
        FillThenStroke(cr, berry, Hex(0x7A0A18), 1.2);
        cairo_arc(cr, bx[i] - 1.6, by[i] - 1.8, 1.5, 0, 2 * kPi);
        SetColour(cr, Hex(0xFFD6DC));
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void DrawSnowflake(cairo_t* cr, double x, double y, double radius, double angle, double lineWidth) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int arm = 0; arm < 6; ++arm) {
        cairo_save(cr);
        cairo_rotate(cr, arm * kPi / 3);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 0, -radius);
        for (double t : {0.45, 0.72}) {
            const double b = radius * (t == 0.45 ? 0.32 : 0.22);
            cairo_move_to(cr, 0, -radius * t);
            cairo_line_to(cr, -b * 0.8, -radius * t - b * 0.7);
            cairo_move_to(cr, 0, -radius * t);
            cairo_line_to(cr, b * 0.8, -radius * t - b * 0.7);
        }
        cairo_restore(cr);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawGlow(cairo_t* cr, double x, double y, double radius, Rgb colour, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.4, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, alpha * 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, radius, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

}  // namespace artgen
