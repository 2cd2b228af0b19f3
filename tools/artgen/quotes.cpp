// Five short captions, one of which sits beside the winking Quib.
#include "draw.h"
#include "fonts.h"
#include "layout.h"
#include "pictures.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {

enum class Trim { Holly, Stars, Snowflakes };

// Each caption's colour and trim; its words come from the language.
struct Caption {
    Rgb colour;
    Trim trim;
};

const Caption kCaptions[kQuoteCount] = {
    {Hex(0xCC1A30), Trim::Holly}, {Hex(0xCC1A30), Trim::Stars}, {Hex(0x1F5FB8), Trim::Snowflakes},
    {Hex(0x168A43), Trim::Stars}, {Hex(0x168A43), Trim::Holly},
};

constexpr double kTrimSpace = 48;  // room for the trim at each end
constexpr double kMaxSize = 40;    // type size, reduced for long captions
constexpr double kBaseline = 42;

void DrawTrim(cairo_t* cr, Trim trim, double x, double side) {
    const double y = kQuoteHeight / 2.0;
    switch (trim) {
    case Trim::Holly: DrawHolly(cr, x, y + 2, 0.62, side > 0 ? 0.5 : -0.5); break;
    case Trim::Stars:
        StarPath(cr, x, y - 2, 12, 5, 5, side * 0.2);
        FillThenStroke(cr, Hex(0xF6C531), Hex(0xB07C0E), 1.6);
        StarPath(cr, x + side * 13, y + 13, 5.5, 2.3, 5, 0);
        FillThenStroke(cr, Hex(0xF6C531), Hex(0xB07C0E), 1.2);
        break;
    case Trim::Snowflakes:
        SetColour(cr, Hex(0x7FB2E5));
        DrawSnowflake(cr, x, y - 3, 12, 0.2, 2.4);
        SetColour(cr, Hex(0xA9CBEE));
        DrawSnowflake(cr, x + side * 12, y + 14, 6, 0.5, 1.6);
        break;
    }
}

}  // namespace

std::vector<std::string> QuoteTexts(const Language& language) {
    std::vector<std::string> texts;
    for (int q = 1; q <= kQuoteCount; ++q) texts.push_back(language.Text("caption." + std::to_string(q)));
    return texts;
}

RgbImage RenderQuotes(const Language& language) {
    const std::vector<std::string> texts = QuoteTexts(language);
    const Font font = language.script;
    Surface s(kQuoteWidth, kQuoteCount * kQuoteHeight);
    cairo_t* cr = s.cr();
    for (int q = 0; q < kQuoteCount; ++q) {
        const Caption& c = kCaptions[q];
        const std::string& text = texts[size_t(q)];
        RequireGlyphs(font, text);
        cairo_save(cr);
        cairo_rectangle(cr, 0, q * kQuoteHeight, kQuoteWidth, kQuoteHeight);
        cairo_clip(cr);
        cairo_translate(cr, 0, q * kQuoteHeight);

        const double room = kQuoteWidth - 2 * kTrimSpace;
        const TextBox natural = MeasureText(cr, font, kMaxSize, text);
        const double size = std::min(kMaxSize, kMaxSize * room / natural.width);
        const TextBox box = MeasureText(cr, font, size, text);
        const double cx = kQuoteWidth / 2.0;

        // Soft shadow, then the lettering with a light top and a fine edge.
        cairo_save(cr);
        cairo_translate(cr, 1.5, 2.5);
        CentredTextPath(cr, font, size, text, cx, kBaseline);
        SetColour(cr, Hex(0xD5D9E0));
        cairo_fill(cr);
        cairo_restore(cr);
        CentredTextPath(cr, font, size, text, cx, kBaseline);
        LinearSource(cr, 0, kBaseline - size * 0.75, 0, kBaseline,
                     {{0, Lighten(c.colour, 0.22)}, {1, Lighten(c.colour, -0.12)}});
        FillSourceThenStroke(cr, Lighten(c.colour, -0.45), 1.0);

        const double half = box.width / 2;
        DrawTrim(cr, c.trim, cx - half - 24, -1);
        DrawTrim(cr, c.trim, cx + half + 24, 1);
        cairo_restore(cr);
    }
    return s.Pixels();
}

}  // namespace artgen
