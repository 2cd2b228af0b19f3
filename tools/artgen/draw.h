// Drawing helpers shared by the pictures: colours, paths of common festive
// shapes, outlined fills and a seeded random sequence.
#pragma once

#include "surface.h"

#include <cairo.h>

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace artgen {

constexpr double kPi = 3.14159265358979323846;

constexpr Rgb Hex(uint32_t rgb) { return Rgb{uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)}; }
Rgb Mix(Rgb a, Rgb b, double t);
// t > 0 towards white, t < 0 towards black.
Rgb Lighten(Rgb c, double t);

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void FillPreserveThenStroke(cairo_t* cr, Rgb fill, Rgb outline, double width);
void FillThenStroke(cairo_t* cr, Rgb fill, Rgb outline, double width);
// Fills the path with the source already set (a gradient, mostly), then
// strokes its outline over the fill; the path is used up. Unlike the two
// above it leaves the line join as it was.
void FillSourceThenStroke(cairo_t* cr, Rgb outline, double width);

// Gradients set as the source; stops are (offset, colour).
void LinearSource(cairo_t* cr, double x0, double y0, double x1, double y1,
                  std::initializer_list<std::pair<double, Rgb>> stops);
void RadialSource(cairo_t* cr, double cx, double cy, double r0, double r1,
                  std::initializer_list<std::pair<double, Rgb>> stops, double alphaOuter = 1.0);

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rotation = 0);
// The outline around two circles (a limb tapering from r1 to r2).
void CapsulePath(cairo_t* cr, double x1, double y1, double r1, double x2, double y2, double r2);
// A holly leaf from its stem along the angle, length and half-width.
void HollyLeafPath(cairo_t* cr, double x, double y, double angle, double length, double halfWidth);

// A sprig of two leaves and three berries centred on (x, y).
void DrawHolly(cairo_t* cr, double x, double y, double scale, double angle);
// A six-armed snowflake, stroked in the current source.
void DrawSnowflake(cairo_t* cr, double x, double y, double radius, double angle, double lineWidth);
// A soft glow of a colour fading out from its centre.
void DrawGlow(cairo_t* cr, double x, double y, double radius, Rgb colour, double alpha);

// The same numbers on every run: the artwork needs variety, not chance.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * double(Next() & 0xFFFFFF) / double(0x1000000); }

private:
    uint32_t state_;
};

}  // namespace artgen
