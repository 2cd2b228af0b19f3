#include "fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <filesystem>
#include <stdexcept>

namespace artgen {

namespace {

struct Loaded {
    FT_Library library = nullptr;
    std::array<FT_Face, 3> faces{};
    std::array<cairo_font_face_t*, 3> cairoFaces{};
};

Loaded& State() {
    static Loaded state;
    return state;
}

cairo_font_face_t* Face(Font font) {
    Loaded& s = State();
    const size_t i = size_t(font);
    if (s.cairoFaces[i] != nullptr) return s.cairoFaces[i];
    if (s.library == nullptr && FT_Init_FreeType(&s.library) != 0) throw std::runtime_error("FreeType failed to start");
    const std::string path = FontFile(font);
    if (FT_New_Face(s.library, path.c_str(), 0, &s.faces[i]) != 0) throw std::runtime_error("cannot load font " + path);
    s.cairoFaces[i] = cairo_ft_font_face_create_for_ft_face(s.faces[i], 0);
    return s.cairoFaces[i];
}

void ApplyOptions(cairo_t* cr) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

}  // namespace

std::string FontFile(Font font) {
    // Lobster and Comfortaa come from Debian's fonts-lobster and
    // fonts-comfortaa, DejaVu from fonts-dejavu-core (all freely licensed).
    static const char* const kFiles[] = {
        "/usr/share/fonts/opentype/lobster/lobster.otf",
        "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    };
    const std::string path = kFiles[size_t(font)];
    if (!std::filesystem::exists(path)) throw std::runtime_error("font file missing: " + path);
    return path;
}

void UseFont(cairo_t* cr, Font font, double size) {
    cairo_set_font_face(cr, Face(font));
    cairo_set_font_size(cr, size);
    ApplyOptions(cr);
}

TextBox MeasureText(cairo_t* cr, Font font, double size, const std::string& text) {
    UseFont(cr, font, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return TextBox{e.x_bearing, e.y_bearing, e.width, e.height, e.x_advance};
}

void CentredTextPath(cairo_t* cr, Font font, double size, const std::string& text, double cx, double baseline) {
    const TextBox box = MeasureText(cr, font, size, text);
    cairo_move_to(cr, cx - box.x - box.width / 2, baseline);
    cairo_text_path(cr, text.c_str());
}

void ReleaseFonts() {
    Loaded& s = State();
    for (size_t i = 0; i < s.faces.size(); ++i) {
        if (s.cairoFaces[i] != nullptr) cairo_font_face_destroy(s.cairoFaces[i]);
        s.cairoFaces[i] = nullptr;
    }
    // Cairo may keep a face's scaled fonts cached past the last reference;
    // dropping its static data first lets the FreeType faces go safely.
    cairo_debug_reset_static_data();
    for (FT_Face& f : s.faces) {
        if (f != nullptr) FT_Done_Face(f);
        f = nullptr;
    }
    if (s.library != nullptr) FT_Done_FreeType(s.library);
    s.library = nullptr;
}

}  // namespace artgen
