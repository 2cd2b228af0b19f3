// The logo: "Quib" in a festive script with the letter Q wearing Quib's hat,
// "Advent" beside it and the product's kind in small capitals beneath.
#include "draw.h"
#include "elf_hat.h"
#include "fonts.h"
#include "layout.h"
#include "pictures.h"

#include <cmath>

namespace artgen {

namespace {

constexpr Rgb kRed = Hex(0xD01C34);
constexpr Rgb kGreen = Hex(0x178C44);
constexpr Rgb kInk = Hex(0x4B1A12);
constexpr Rgb kGold = Hex(0xF4C132);
constexpr double kSubtitleSize = 15;
constexpr double kLeastSpacing = 1;  // between the subtitle's letters

// Lettering with a two-tone fill, a dark edge and a soft shadow beneath.
void Lettering(cairo_t* cr, Font font, double size, const char* text, double x, double baseline, Rgb colour,
               double edge) {
    cairo_save(cr);
    cairo_translate(cr, 2, 3);
    UseFont(cr, font, size);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text);
    SetColour(cr, Hex(0xD9DDE4));
    cairo_fill(cr);
    cairo_restore(cr);
    UseFont(cr, font, size);
    cairo_move_to(cr, x, baseline);
    cairo_text_path(cr, text);
    SetColour(cr, Lighten(colour, -0.5));
    cairo_set_line_width(cr, 2 * edge);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    LinearSource(cr, 0, baseline - size * 0.7, 0, baseline,
                 {{0, Lighten(colour, 0.25)}, {0.55, colour}, {1, Lighten(colour, -0.15)}});
    cairo_fill(cr);
}

}  // namespace

RgbImage RenderLogo(const Language& language) {
    Surface s(kLogoWidth, kLogoHeight);
    cairo_t* cr = s.cr();
    constexpr double kQuibSize = 92, kQuibX = 26, kBaseline = 109;
    constexpr double kAdventSize = 66;

    const TextBox quib = MeasureText(cr, Font::Script, kQuibSize, "Quib");
    const TextBox q = MeasureText(cr, Font::Script, kQuibSize, "Q");
    Lettering(cr, Font::Script, kQuibSize, "Quib", kQuibX, kBaseline, kRed, 2.2);
    // The hat sits on the Q's crown, tipped back.
    DrawBrandHat(cr, kQuibX + q.x + q.width * 0.5, kBaseline + q.y + 8, 0.4, -0.26, 2.4);

    const double adventX = kQuibX + quib.advance + 14;
    Lettering(cr, Font::Script, kAdventSize, "Advent", adventX, 86, kGreen, 1.8);
    const TextBox advent = MeasureText(cr, Font::Script, kAdventSize, "Advent");

    // The product's kind ("SCREEN SAVER"), spaced out under "Advent" and as
    // wide as it; a kind too long for that is set smaller, barely spaced.
    const std::string& kind = language.Text("logo.subtitle");
    RequireGlyphs(Font::Rounded, kind);
    const std::vector<std::string> letters = Letters(kind);
    const int gaps = int(letters.size()) - 1;
    const TextBox plain = MeasureText(cr, Font::Rounded, kSubtitleSize, kind);
    double size = kSubtitleSize;
    if (advent.width - plain.width < gaps * kLeastSpacing)
        size = kSubtitleSize * (advent.width - gaps * kLeastSpacing) / plain.width;
    const double width = MeasureText(cr, Font::Rounded, size, kind).width;
    const double spacing = gaps > 0 ? (advent.width - width) / gaps : 0;
    UseFont(cr, Font::Rounded, size);
    SetColour(cr, kInk);
    double x = adventX + advent.x;
    for (const std::string& letter : letters) {
        cairo_move_to(cr, x, 112);
        cairo_show_text(cr, letter.c_str());
        cairo_text_extents_t e;
        cairo_text_extents(cr, letter.c_str(), &e);
        x += e.x_advance + spacing;
    }

    // A few gold sparkles around the lettering.
    const double sparkles[][3] = {{adventX + advent.x + advent.width + 16, 38, 11},
                                  {adventX + advent.x + advent.width + 2, 62, 6},
                                  {kQuibX - 12, 97, 7}};
    for (const auto& sp : sparkles) {
        StarPath(cr, sp[0], sp[1], sp[2], sp[2] * 0.32, 4, 0);
        FillThenStroke(cr, kGold, Hex(0xB07C0E), 1.4);
    }
    return s.Pixels();
}

}  // namespace artgen
