// The advert: a winter night poster. The title across the sky, a lit tree,
// Quib waving beside an advent calendar with some doors already open, and a
// line of invitation on the snow.
#include "draw.h"
#include "elf.h"
#include "elf_hat.h"
#include "fonts.h"
#include "layout.h"
#include "pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace artgen {

namespace {

constexpr Rgb kOutline = Hex(0x3B2314);
constexpr Rgb kSnow = Hex(0xF4F8FD);
constexpr Rgb kSnowShade = Hex(0xC9D9EC);
constexpr Rgb kGold = Hex(0xF4C132);
constexpr uint32_t kSeed = 20241201;
constexpr double kTaglineSize = 31;
constexpr double kTaglineWidth = 780;

void Sky(cairo_t* cr, Random& rnd) {
    LinearSource(cr, 0, 0, 0, 470, {{0, Hex(0x0A1536)}, {0.55, Hex(0x17356B)}, {1, Hex(0x3D6DA6)}});
    cairo_paint(cr);
    // Moon with a soft halo.
    DrawGlow(cr, 705, 92, 110, Hex(0xFFF3C4), 0.35);
    cairo_arc(cr, 705, 92, 34, 0, 2 * kPi);
    RadialSource(cr, 696, 84, 2, 36, {{0, Hex(0xFFFBE6)}, {1, Hex(0xF1E3AE)}});
    cairo_fill(cr);
    for (const auto& [x, y, r] :
         {std::array{693.0, 82.0, 6.0}, std::array{716.0, 104.0, 4.5}, std::array{712.0, 78.0, 3.0}}) {
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        SetColour(cr, Hex(0xE6D69C), 0.7);
        cairo_fill(cr);
    }
    // Stars: many faint dots and a few twinkles.
    for (int i = 0; i < 110; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(0, 400), size = rnd.Uniform(0.6, 1.8);
        cairo_arc(cr, x, y, size, 0, 2 * kPi);
        SetColour(cr, Hex(0xFFFFFF), rnd.Uniform(0.45, 0.95));
        cairo_fill(cr);
    }
    for (int i = 0; i < 9; ++i) {
        const double x = rnd.Uniform(20, 780), y = rnd.Uniform(20, 330), size = rnd.Uniform(5, 9);
        DrawGlow(cr, x, y, size * 2.2, Hex(0xFFF6D0), 0.5);
        StarPath(cr, x, y, size, size * 0.22, 4, 0);
        SetColour(cr, Hex(0xFFF9E6));
        cairo_fill(cr);
    }
}

void Land(cairo_t* cr, Random& rnd) {
    // Far hills with a few dark pines, then the near snow.
    cairo_move_to(cr, 0, 452);
    cairo_curve_to(cr, 140, 410, 260, 420, 380, 444);
    cairo_curve_to(cr, 500, 468, 640, 404, 800, 430);
    cairo_line_to(cr, 800, 600);
    cairo_line_to(cr, 0, 600);
    cairo_close_path(cr);
    LinearSource(cr, 0, 410, 0, 500, {{0, Hex(0xA9C1DE)}, {1, Hex(0x7E9CC4)}});
    cairo_fill(cr);
    for (int i = 0; i < 14; ++i) {
        const double x = rnd.Uniform(260, 800), base = 446 + rnd.Uniform(-14, 14), h = rnd.Uniform(18, 34);
        cairo_move_to(cr, x, base - h);
        cairo_line_to(cr, x + h * 0.32, base);
        cairo_line_to(cr, x - h * 0.32, base);
        cairo_close_path(cr);
        SetColour(cr, Hex(0x2D4C6E));
        cairo_fill(cr);
    }
    cairo_move_to(cr, 0, 486);
    cairo_curve_to(cr, 200, 462, 420, 500, 560, 488);
    cairo_curve_to(cr, 660, 480, 740, 470, 800, 476);
    cairo_line_to(cr, 800, 600);
    cairo_line_to(cr, 0, 600);
    cairo_close_path(cr);
    LinearSource(cr, 0, 470, 0, 600, {{0, Hex(0xE1EBF7)}, {0.4, kSnow}, {1, Hex(0xFFFFFF)}});
    cairo_fill(cr);
}

void Tree(cairo_t* cr) {
    constexpr double cx = 150, top = 196, base = 520;
    // Trunk and the tiers, widest at the bottom.
    cairo_rectangle(cr, cx - 16, base - 40, 32, 44);
    FillThenStroke(cr, Hex(0x6B3E1E), kOutline, 3);
    constexpr int kTiers = 4;
    for (int i = 0; i < kTiers; ++i) {
        const double t0 = double(i) / kTiers;
        const double y0 = top + (base - 36 - top) * t0 - (i == 0 ? 0 : 26);
        const double y1 = top + (base - 36 - top) * (t0 + 1.0 / kTiers) + 6;
        const double half = 46 + 30 * i + 22;
        cairo_move_to(cr, cx, y0);
        cairo_curve_to(cr, cx + half * 0.3, y0 + (y1 - y0) * 0.5, cx + half * 0.8, y1 - 12, cx + half, y1);
        // Scalloped lower edge.
        const int scallops = 4 + i;
        for (int k = 0; k < scallops; ++k) {
            const double xa = cx + half - 2 * half * (k + 1) / scallops;
            const double xm = (xa + (cx + half - 2 * half * k / scallops)) / 2;
            cairo_curve_to(cr, xm + 4, y1 + 12, xm - 4, y1 + 12, xa, y1);
        }
        cairo_curve_to(cr, cx - half * 0.8, y1 - 12, cx - half * 0.3, y0 + (y1 - y0) * 0.5, cx, y0);
        cairo_close_path(cr);
        LinearSource(cr, cx - half, y0, cx + half, y1, {{0, Hex(0x0F5A2E)}, {0.5, Hex(0x1E8A45)}, {1, Hex(0x126A35)}});
        FillSourceThenStroke(cr, Hex(0x0B3A1E), 3);
    }
    // Garland: a swag of gold beads across each of the lower tiers.
    for (int i = 1; i < kTiers; ++i) {
        const double t0 = double(i) / kTiers;
        const double y1 = top + (base - 36 - top) * (t0 + 1.0 / kTiers) + 6;
        const double half = 46 + 30 * i + 22;
        for (int k = 0; k <= 14; ++k) {
            const double t = double(k) / 14;
            const double x = cx - half * 0.55 + half * 1.3 * t;
            const double y = y1 - 40 + 26 * t + 9 * std::sin(kPi * t);
            cairo_arc(cr, x, y, 3.2, 0, 2 * kPi);
            SetColour(cr, kGold);
            cairo_fill(cr);
        }
    }
    // Baubles.
    const std::array<std::array<double, 3>, 12> baubles = {{{128, 262, 8},
                                                            {176, 300, 9},
                                                            {112, 322, 9},
                                                            {196, 356, 10},
                                                            {96, 384, 10},
                                                            {150, 372, 9},
                                                            {210, 428, 11},
                                                            {76, 446, 11},
                                                            {140, 448, 10},
                                                            {236, 474, 10},
                                                            {104, 488, 9},
                                                            {180, 486, 10}}};
    const Rgb colours[4] = {Hex(0xD8283A), Hex(0xF4C132), Hex(0x2D7BD8), Hex(0xB74BD0)};
    for (size_t i = 0; i < baubles.size(); ++i) {
        const auto& b = baubles[i];
        const Rgb c = colours[i % 4];
        cairo_arc(cr, b[0], b[1], b[2], 0, 2 * kPi);
        RadialSource(cr, b[0] - b[2] * 0.35, b[1] - b[2] * 0.35, 0.5, b[2] * 1.2,
                     {{0, Lighten(c, 0.6)}, {0.5, c}, {1, Lighten(c, -0.35)}});
        FillSourceThenStroke(cr, kOutline, 1.6);
    }
    // Star on top, glowing.
    DrawGlow(cr, cx, top - 8, 70, Hex(0xFFE58A), 0.55);
    StarPath(cr, cx, top - 8, 30, 13, 5, 0);
    LinearSource(cr, cx, top - 38, cx, top + 22, {{0, Hex(0xFFF1A6)}, {1, Hex(0xE9A616)}});
    FillSourceThenStroke(cr, Hex(0x9A6A08), 2.5);
    // Presents under the tree.
    const std::array<std::array<double, 4>, 3> boxes = {{{58, 500, 56, 44}, {198, 506, 48, 38}, {118, 522, 52, 32}}};
    const Rgb wraps[3] = {Hex(0xD8283A), Hex(0x2D7BD8), Hex(0xF4C132)};
    const Rgb ribbons[3] = {Hex(0xF4C132), Hex(0xFFFFFF), Hex(0xD8283A)};
    for (size_t i = 0; i < boxes.size(); ++i) {
        const auto& b = boxes[i];
        cairo_rectangle(cr, b[0], b[1], b[2], b[3]);
        LinearSource(cr, b[0], b[1], b[0] + b[2], b[1] + b[3],
                     {{0, Lighten(wraps[i], 0.15)}, {1, Lighten(wraps[i], -0.2)}});
        FillSourceThenStroke(cr, kOutline, 2.5);
        cairo_rectangle(cr, b[0] + b[2] / 2 - 4, b[1], 8, b[3]);
        cairo_rectangle(cr, b[0], b[1] + b[3] / 2 - 4, b[2], 8);
        SetColour(cr, ribbons[i]);
        cairo_fill(cr);
        for (double s : {-1.0, 1.0}) {
            EllipsePath(cr, b[0] + b[2] / 2 + s * 9, b[1] - 5, 9, 5.5);
            FillThenStroke(cr, ribbons[i], kOutline, 2);
        }
    }
}

// An advent calendar board: 25 doors, numbered out of order as such
// calendars are, with the first few opened.
void Calendar(cairo_t* cr, Random& rnd) {
    constexpr double x0 = 468, y0 = 214, w = 300, h = 290;
    constexpr int kSide = 5;
    constexpr std::array<int, 25> kNumbers = {17, 4,  22, 9,  13, 2,  19, 11, 24, 6,  14, 7, 25,
                                              1,  20, 10, 23, 3,  16, 8,  5,  12, 18, 21, 15};
    // Shadow on the snow.
    EllipsePath(cr, x0 + w / 2, y0 + h + 8, w * 0.58, 12);
    SetColour(cr, Hex(0x9FB4CE), 0.6);
    cairo_fill(cr);
    // Board with a gold frame and a roof-like crest.
    cairo_move_to(cr, x0 - 10, y0 + 10);
    cairo_line_to(cr, x0 + w / 2, y0 - 46);
    cairo_line_to(cr, x0 + w + 10, y0 + 10);
    cairo_close_path(cr);
    LinearSource(cr, 0, y0 - 46, 0, y0 + 10, {{0, Hex(0xE0394C)}, {1, Hex(0xA3172A)}});
    FillSourceThenStroke(cr, kOutline, 3);
    for (int i = 0; i < 9; ++i) {
        const double t = (i + 0.5) / 9;
        cairo_arc(cr, x0 - 10 + (w + 20) * t, y0 + 10 - 56 * (1 - std::fabs(2 * t - 1)) + 6, 4, 0, 2 * kPi);
        SetColour(cr, Hex(0xFFFFFF));
        cairo_fill(cr);
    }
    StarPath(cr, x0 + w / 2, y0 - 54, 14, 6, 5, 0);
    FillThenStroke(cr, kGold, Hex(0x9A6A08), 2);
    RoundedRectPath(cr, x0, y0, w, h, 10);
    LinearSource(cr, x0, y0, x0 + w, y0 + h, {{0, Hex(0x8E1B27)}, {1, Hex(0x5E0F18)}});
    cairo_fill_preserve(cr);
    SetColour(cr, Hex(0xD9A523));
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    const double pad = 14, gap = 7;
    const double dw = (w - 2 * pad - (kSide - 1) * gap) / kSide, dh = (h - 2 * pad - (kSide - 1) * gap) / kSide;
    const Rgb doors[4] = {Hex(0x1E8A45), Hex(0xF4F1E6), Hex(0x2D6FC4), Hex(0xE0A81C)};
    const Rgb ink[4] = {Hex(0xFFFFFF), Hex(0xC01E30), Hex(0xFFFFFF), Hex(0x5A2A0A)};
    for (int i = 0; i < kSide * kSide; ++i) {
        const double dx = x0 + pad + (i % kSide) * (dw + gap), dy = y0 + pad + (i / kSide) * (dh + gap);
        const int number = kNumbers[size_t(i)];
        const size_t style = size_t(i * 7 + i / kSide) % 4;
        const bool open = number <= 3;
        if (open) {
            // The lit inside, a small gift in it, and the door swung aside.
            RoundedRectPath(cr, dx, dy, dw, dh, 4);
            RadialSource(cr, dx + dw / 2, dy + dh / 2, 2, dw * 0.8, {{0, Hex(0xFFF4C8)}, {1, Hex(0xF0B43A)}});
            FillSourceThenStroke(cr, kOutline, 2);
            if (number == 1) {
                StarPath(cr, dx + dw / 2, dy + dh / 2, 13, 5.5, 5, 0);
                FillThenStroke(cr, Hex(0xF7C52E), Hex(0x9A6A08), 1.6);
            } else if (number == 2) {
                DrawHolly(cr, dx + dw / 2, dy + dh / 2 - 2, 0.55, 0);
            } else {
                SetColour(cr, Hex(0x2D6FC4));
                DrawSnowflake(cr, dx + dw / 2, dy + dh / 2, 13, 0, 2.4);
            }
            cairo_move_to(cr, dx, dy);
            cairo_line_to(cr, dx - dw * 0.32, dy + 5);
            cairo_line_to(cr, dx - dw * 0.32, dy + dh - 5);
            cairo_line_to(cr, dx, dy + dh);
            cairo_close_path(cr);
            FillThenStroke(cr, Lighten(doors[style], -0.15), kOutline, 2);
            continue;
        }
        RoundedRectPath(cr, dx, dy, dw, dh, 4);
        LinearSource(cr, dx, dy, dx, dy + dh, {{0, Lighten(doors[style], 0.12)}, {1, Lighten(doors[style], -0.1)}});
        FillSourceThenStroke(cr, kOutline, 2);
        const std::string label = std::to_string(number);
        CentredTextPath(cr, Font::Rounded, 22, label, dx + dw / 2, dy + dh / 2 + 8);
        SetColour(cr, ink[style]);
        cairo_fill(cr);
        // A knob on the door's opening side.
        cairo_arc(cr, dx + dw - 7, dy + dh / 2, 2.2, 0, 2 * kPi);
        SetColour(cr, ink[style], 0.8);
        cairo_fill(cr);
    }
    (void)rnd;
}

void Snowfall(cairo_t* cr, Random& rnd) {
    for (int i = 0; i < 46; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(0, 470), r = rnd.Uniform(3, 8);
        SetColour(cr, Hex(0xFFFFFF), rnd.Uniform(0.55, 0.9));
        if (r > 6)
            DrawSnowflake(cr, x, y, r, rnd.Uniform(0, 1), 1.4);
        else {
            cairo_arc(cr, x, y, r * 0.45, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
}

// Sticker-style headline: a thick white edge around coloured lettering.
void Headline(cairo_t* cr, const char* text, Font font, double size, double x, double baseline, Rgb colour,
              double edge) {
    UseFont(cr, font, size);
    cairo_move_to(cr, x + 3, baseline + 5);
    cairo_text_path(cr, text);
    SetColour(cr, Hex(0x050B1E), 0.45);
    cairo_set_line_width(cr, 2 * edge);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_stroke_preserve(cr);
    LinearSource(cr, 0, baseline - size * 0.7, 0, baseline,
                 {{0, Lighten(colour, 0.25)}, {0.6, colour}, {1, Lighten(colour, -0.2)}});
    cairo_fill(cr);
}

// How the subtitle's capitals are set. The calendar's roof rises to the
// right of it, so longer words than the English ones must not reach it:
// they close up, give up the lines and stars beside them, and only then get
// smaller.
struct SubtitleFit {
    std::vector<std::string> letters;
    double size = 24;
    double spacing = 7;
    double width = 0;
    bool ornaments = true;
};

constexpr double kSubtitleSize = 24, kSubtitleSpacing = 7;
constexpr double kTightestSpacing = 3, kTightestWithOrnaments = 4;
// The English words' width and a little: with the lines and stars beside
// them, the right star just meets the roof's edge.
constexpr double kWidthWithOrnaments = 272;
// Without them, the words alone end before the roof's slope at their
// baseline.
constexpr double kWidthAlone = 340;

double SubtitleWidth(cairo_t* cr, const std::vector<std::string>& letters, double size, double spacing) {
    UseFont(cr, Font::Rounded, size);
    double width = 0;
    for (size_t i = 0; i < letters.size(); ++i) {
        cairo_text_extents_t e;
        cairo_text_extents(cr, letters[i].c_str(), &e);
        width += e.x_advance + (i + 1 < letters.size() ? spacing : 0);
    }
    return width;
}

SubtitleFit FitSubtitle(cairo_t* cr, std::vector<std::string> letters) {
    SubtitleFit fit;
    fit.letters = std::move(letters);
    const auto set = [&](double size, double spacing) {
        fit.size = size;
        fit.spacing = spacing;
        fit.width = SubtitleWidth(cr, fit.letters, size, spacing);
    };
    for (double spacing = kSubtitleSpacing; spacing >= kTightestWithOrnaments; --spacing) {
        set(kSubtitleSize, spacing);
        if (fit.width <= kWidthWithOrnaments) return fit;
    }
    fit.ornaments = false;
    for (double spacing = kSubtitleSpacing; spacing >= kTightestSpacing; --spacing) {
        set(kSubtitleSize, spacing);
        if (fit.width <= kWidthAlone) return fit;
    }
    for (double size = kSubtitleSize; fit.width > kWidthAlone; size -= 0.5) set(size, kTightestSpacing);
    return fit;
}

void Title(cairo_t* cr, const std::string& kind) {
    constexpr double kSize = 104, kBaseline = 128;
    const TextBox quib = MeasureText(cr, Font::Script, kSize, "Quib ");
    const TextBox advent = MeasureText(cr, Font::Script, kSize, "Advent");
    const double x = 400 - (quib.advance + advent.x + advent.width) / 2;
    Headline(cr, "Quib", Font::Script, kSize, x, kBaseline, Hex(0xD01C34), 6);
    Headline(cr, "Advent", Font::Script, kSize, x + quib.advance, kBaseline, Hex(0x1A9A4B), 6);
    const TextBox q = MeasureText(cr, Font::Script, kSize, "Q");
    DrawBrandHat(cr, x + q.x + q.width * 0.5, kBaseline + q.y + 8, 0.46, -0.26, 2.6);

    // The product's kind ("SCREEN SAVER") in spaced capitals under the title.
    RequireGlyphs(Font::Rounded, kind);
    const SubtitleFit fit = FitSubtitle(cr, Letters(kind));
    UseFont(cr, Font::Rounded, fit.size);
    double lx = 400 - fit.width / 2;
    SetColour(cr, Hex(0xFFF1C2));
    for (const std::string& letter : fit.letters) {
        cairo_move_to(cr, lx, 176);
        cairo_show_text(cr, letter.c_str());
        cairo_text_extents_t e;
        cairo_text_extents(cr, letter.c_str(), &e);
        lx += e.x_advance + fit.spacing;
    }
    if (!fit.ornaments) return;
    for (double s : {-1.0, 1.0}) {
        cairo_move_to(cr, 400 + s * (fit.width / 2 + 14), 168);
        cairo_line_to(cr, 400 + s * (fit.width / 2 + 64), 168);
        SetColour(cr, Hex(0xFFF1C2), 0.8);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        StarPath(cr, 400 + s * (fit.width / 2 + 74), 168, 7, 2.2, 4, 0);
        cairo_fill(cr);
    }
}

void Quib(cairo_t* cr) {
    // Standing with the feet a little apart and the near arm raised to wave.
    const ElfPose pose = WavingPose(1.5, 0.2);
    cairo_save(cr);
    cairo_translate(cr, 300, 276);
    cairo_scale(cr, 0.8, 0.8);
    DrawElf(cr, pose);
    cairo_restore(cr);
}

void Tagline(cairo_t* cr, const Language& language) {
    const std::string& text = language.Text("advert.tagline");
    RequireGlyphs(language.script, text);
    // A longer line is set smaller rather than run off the poster.
    const double size = std::min(
        kTaglineSize, kTaglineSize * kTaglineWidth / MeasureText(cr, language.script, kTaglineSize, text).width);
    CentredTextPath(cr, language.script, size, text, 400, 576);
    SetColour(cr, Hex(0xFFFFFF));
    cairo_set_line_width(cr, 6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetColour(cr, Hex(0xB3192E));
    cairo_fill(cr);
}

}  // namespace

RgbImage RenderAdvert(const Language& language) {
    Surface s(kAdvertWidth, kAdvertHeight);
    cairo_t* cr = s.cr();
    Random rnd(kSeed);
    Sky(cr, rnd);
    Land(cr, rnd);
    Snowfall(cr, rnd);
    Tree(cr);
    Calendar(cr, rnd);
    Quib(cr);
    Title(cr, language.Text("logo.subtitle"));
    Tagline(cr, language);
    return s.Pixels();
}

}  // namespace artgen
