// Pieces that several door pictures share: skies, snow, trees, presents,
// flames, falling snow and the day's number on a surface. All in the
// artwork's style: flat colours with soft shading and dark outlines.
#pragma once

#include "draw.h"
#include "fonts.h"

#include <cairo.h>

#include <string>

namespace artgen::parts {

struct Point2D {
    double x = 0, y = 0;
};

constexpr Rgb kOutline = Hex(0x3B2314);
constexpr double kLine = 3.0;

constexpr Rgb kRed = Hex(0xD8283A);
constexpr Rgb kRedShade = Hex(0xA3172A);
constexpr Rgb kGreen = Hex(0x1E8A45);
constexpr Rgb kGreenDark = Hex(0x0F5A2E);
constexpr Rgb kGold = Hex(0xF4C132);
constexpr Rgb kGoldShade = Hex(0xC28A12);
constexpr Rgb kSnow = Hex(0xF4F8FD);
constexpr Rgb kSnowShade = Hex(0xC9D9EC);
constexpr Rgb kWhite = Hex(0xFFFFFF);

// Phase in [0, 1) of frame `frame` of a looping day with `frames` frames:
// frame 0 and the last frame are phase 0, the loop runs 1/(frames-1) .. 1.
double LoopPhase(int frame, int frames);

// A vertical gradient over the whole canvas.
void SkyGradient(cairo_t* cr, Rgb top, Rgb middle, Rgb bottom, double bottomY = 600);
// Dots and a few four-pointed twinkles, seeded, above maxY.
void StarField(cairo_t* cr, uint32_t seed, int dots, int twinkles, double minY, double maxY);
// A four-pointed twinkle with a glow; brightness 0..1.
void Twinkle(cairo_t* cr, double x, double y, double size, double brightness, Rgb colour = Hex(0xFFF9E6));
// Snow-covered ground from the line through the given heights (left, a
// middle bump, right) down to the bottom of the canvas.
void SnowGround(cairo_t* cr, double leftY, double midX, double midY, double rightY, Rgb top = kSnow,
                Rgb bottom = kWhite);
// A stylised fir of stacked tiers, base centre (x, baseY), optionally with
// snow on its tiers.
void Fir(cairo_t* cr, double x, double baseY, double height, Rgb colour, bool snowy, double line = kLine);
// A round moon with a halo.
void Moon(cairo_t* cr, double x, double y, double r);
// A wrapped box with a ribbon cross and a bow on its lid, seen from the front
// with its top visible.
void Present(cairo_t* cr, double x, double y, double w, double h, Rgb wrap, Rgb ribbon, double line = kLine);
// A bow of two loops and tails centred on (x, y).
void Bow(cairo_t* cr, double x, double y, double size, Rgb colour, double line = kLine);
// A glossy round bauble with a cap, centre (x, y).
void Bauble(cairo_t* cr, double x, double y, double r, Rgb colour, double line = kLine);
// The same bauble shaded in flat steps instead of a gradient: for baubles
// that move, whose flat areas then stay put in the frame-to-frame deltas.
void CelBauble(cairo_t* cr, double x, double y, double r, Rgb colour, double line = kLine);
// A candle flame whose tip sways with `sway` (-1..1) and height by `stretch`.
// The flame alone; its light on the surroundings is FlameGlow, drawn once
// with the still picture so that a flickering flame changes little.
void Flame(cairo_t* cr, double x, double baseY, double height, double sway, double stretch);
void FlameGlow(cairo_t* cr, double x, double baseY, double height);
// A garland of fir tufts hanging in a swag from (x0, y) to (x1, y), sagging
// by `sag` in the middle.
void PineGarland(cairo_t* cr, double x0, double x1, double y, double sag, uint32_t seed, double thickness = 22);
// A point on that swag's centre line, t in 0..1.
Point2D SwagPoint(double x0, double x1, double y, double sag, double t);

// A decorated fir: tiers with scalloped edges, a trunk and a pot, gold bead
// swags; top is the tip, base the bottom of the pot.
struct TreeShape {
    double cx, top, base, halfWidth;
    int tiers = 4;
    // Row of the lower edge of tier i and its half width there.
    double TierBottom(int i) const;
    double TierHalf(int i) const;
    double TierTop(int i) const;
};
void ChristmasTree(cairo_t* cr, const TreeShape& tree);
// A point on the swag of bead garland across tier i, t in 0..1.
Point2D TreeSwag(const TreeShape& tree, int tier, double t);
// A glowing gold star on the tree's tip, its points `outer` from its centre.
void TreeTopStar(cairo_t* cr, const TreeShape& tree, double outer, double inner, double glowRadius, double glowAlpha);

// A star-shaped biscuit with a line of icing round inside its edge, centred
// on (x, y) and turned by `angle`.
struct StarBiscuitShape {
    double outer, inner;            // the biscuit's points and notches
    double icingOuter, icingInner;  // the icing line's
    Rgb dough;
    double line, icingLine;
};
void StarBiscuit(cairo_t* cr, double x, double y, double angle, const StarBiscuitShape& shape);

// A piece of confetti `length` long and half as wide, centred on (x, y) and
// turned by `angle`.
void Confetto(cairo_t* cr, double x, double y, double angle, double length, Rgb colour);

// A soft elliptical shadow on the ground.
void GroundShadow(cairo_t* cr, double x, double y, double rx, double ry, double alpha = 0.25);

// Snow falling through a region, periodic in phase: each frame moves the flakes
// down and a little sideways, and phase 1 draws the same picture as phase 0.
struct SnowLayer {
    uint32_t seed;
    int flakesPerBand;  // in each band of `period` rows
    double period;      // rows the field falls in one loop
    double drift;       // columns it drifts in one loop
    double minRadius, maxRadius;
    double alpha;
};
void Snowfall(cairo_t* cr, const SnowLayer& layer, double phase, double top, double bottom);

// Adds the outline of text to the path with its ink centred on (cx, cy).
void CentredNumberPath(cairo_t* cr, Font font, double size, const std::string& text, double cx, double cy);
// The day's number as painted lettering: a fill, a light rim and a dark edge.
void PaintedNumber(cairo_t* cr, Font font, double size, const std::string& text, double cx, double cy, Rgb fill,
                   Rgb rim, double rimWidth, Rgb edge = kOutline);

}  // namespace artgen::parts
