// The generator's typefaces, loaded from their files by path so that the
// output does not depend on which fonts a machine's font configuration
// prefers. Hinting is off and metrics unrounded: glyph shapes depend only on
// the font file and the size.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

namespace artgen {

enum class Font {
    Script,   // Lobster: headlines, captions, the logo
    Rounded,  // Comfortaa Bold: friendly secondary text, door numbers
    Sans,     // DejaVu Sans Bold: small print
    Brush,    // Kaushan Script: lettering of the languages Lobster lacks letters of
};

// Full path of a font's file (fails loudly if it is missing).
std::string FontFile(Font font);
// The typeface's own name, for messages and review sheets.
const char* FontName(Font font);

// Selects the font at a size (pixels of em) for the next text operation.
void UseFont(cairo_t* cr, Font font, double size);

struct TextBox {
    double x, y, width, height;  // ink bounds relative to the origin
    double advance;
};
TextBox MeasureText(cairo_t* cr, Font font, double size, const std::string& text);

// Adds the outline of text to the current path, with the ink's horizontal
// centre at cx and the baseline at y.
void CentredTextPath(cairo_t* cr, Font font, double size, const std::string& text, double cx, double baseline);

// The characters of UTF-8 text that the font's character map has no glyph
// for (Cairo would draw them as boxes); empty when it has them all. Throws
// for text that is not UTF-8.
std::u32string MissingGlyphs(Font font, const std::string& text);

// Throws, naming the font, the character and the text, unless the font has
// every glyph of the text.
void RequireGlyphs(Font font, const std::string& text);

// The characters of UTF-8 text, each as its own UTF-8 text.
std::vector<std::string> Letters(const std::string& text);

// UTF-8 text as code points, and one code point as UTF-8.
std::u32string DecodeUtf8(const std::string& text);
std::string EncodeUtf8(char32_t c);

// Releases the loaded faces (before Cairo's own clean-up at exit).
void ReleaseFonts();

}  // namespace artgen
