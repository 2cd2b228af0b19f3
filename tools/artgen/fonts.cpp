#include "fonts.h"

#include "text/utf8.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace artgen {

namespace {

struct Loaded {
    FT_Library library = nullptr;
    std::array<FT_Face, 4> faces{};
    std::array<cairo_font_face_t*, 4> cairoFaces{};
};

Loaded& State() {
    static Loaded state;
    return state;
}

FT_Face FreeTypeFace(Font font) {
    Loaded& s = State();
    const size_t i = size_t(font);
    if (s.faces[i] != nullptr) return s.faces[i];
    if (s.library == nullptr && FT_Init_FreeType(&s.library) != 0) throw std::runtime_error("FreeType failed to start");
    const std::string path = FontFile(font);
    if (FT_New_Face(s.library, path.c_str(), 0, &s.faces[i]) != 0) throw std::runtime_error("cannot load font " + path);
    return s.faces[i];
}

cairo_font_face_t* Face(Font font) {
    Loaded& s = State();
    const size_t i = size_t(font);
    if (s.cairoFaces[i] == nullptr) s.cairoFaces[i] = cairo_ft_font_face_create_for_ft_face(FreeTypeFace(font), 0);
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
    // fonts-comfortaa, DejaVu from fonts-dejavu-core, Kaushan Script from
    // fonts-kaushanscript (all freely licensed).
    static const char* const kFiles[] = {
        "/usr/share/fonts/opentype/lobster/lobster.otf",
        "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
        "/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf",
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

std::u32string DecodeUtf8(const std::string& utf8) {
    std::u32string out;
    if (!text::DecodeUtf8(utf8, out)) throw std::runtime_error("not UTF-8: " + utf8);
    return out;
}

std::string EncodeUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
    return out;
}

std::vector<std::string> Letters(const std::string& text) {
    std::vector<std::string> letters;
    for (char32_t c : DecodeUtf8(text)) letters.push_back(EncodeUtf8(c));
    return letters;
}

std::u32string MissingGlyphs(Font font, const std::string& text) {
    FT_Face face = FreeTypeFace(font);
    std::u32string missing;
    for (char32_t c : DecodeUtf8(text))
        if (FT_Get_Char_Index(face, FT_ULong(c)) == 0 && missing.find(c) == std::u32string::npos) missing.push_back(c);
    return missing;
}

void RequireGlyphs(Font font, const std::string& text) {
    const std::u32string missing = MissingGlyphs(font, text);
    if (missing.empty()) return;
    std::string letters;
    for (char32_t c : missing) letters += EncodeUtf8(c);
    throw std::runtime_error(std::string(FontName(font)) + " has no glyph for \"" + letters + "\" in \"" + text +
                             "\": choose a typeface that has every letter of the language");
}

const char* FontName(Font font) {
    static const char* const kNames[] = {"Lobster", "Comfortaa Bold", "DejaVu Sans Bold", "Kaushan Script"};
    return kNames[size_t(font)];
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
