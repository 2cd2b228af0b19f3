// The generator's typefaces, loaded from their files by path so that the
// output does not depend on which fonts a machine's font configuration
// prefers. Hinting is off and metrics unrounded: glyph shapes depend only on
// the font file and the size.
#pragma once

#include <cairo.h>

#include <string>

namespace artgen {

enum class Font {
    Script,   // Lobster: headlines, captions, the logo
    Rounded,  // Comfortaa Bold: friendly secondary text, door numbers
    Sans,     // DejaVu Sans Bold: small print
};

// Full path of a font's file (fails loudly if it is missing).
std::string FontFile(Font font);

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

// Releases the loaded faces (before Cairo's own clean-up at exit).
void ReleaseFonts();

}  // namespace artgen
