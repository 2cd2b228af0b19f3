// Every string of every language is drawn with glyphs its typeface has: no
// character falls back to a missing-glyph box. FreeType's character map of
// each font file is read here directly.
#ifdef QUIBAC_ARTGEN

#include "dates_header.h"
#include "fonts.h"
#include "languages.h"
#include "palette.h"
#include "pictures.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace artgen {
namespace {

class CharacterMaps {
public:
    CharacterMaps() { EXPECT_EQ(FT_Init_FreeType(&library_), 0); }
    ~CharacterMaps() {
        for (auto& [font, face] : faces_) FT_Done_Face(face);
        FT_Done_FreeType(library_);
    }
    CharacterMaps(const CharacterMaps&) = delete;
    CharacterMaps& operator=(const CharacterMaps&) = delete;

    // The characters of the text that the font's file has no glyph for.
    std::string Missing(Font font, const std::string& text) {
        FT_Face face = Face(font);
        std::string missing;
        if (face == nullptr) return "(no font file)";
        for (char32_t c : DecodeUtf8(text))
            if (FT_Get_Char_Index(face, FT_ULong(c)) == 0) missing += EncodeUtf8(c);
        return missing;
    }

private:
    FT_Face Face(Font font) {
        const auto it = faces_.find(font);
        if (it != faces_.end()) return it->second;
        FT_Face face = nullptr;
        if (FT_New_Face(library_, FontFile(font).c_str(), 0, &face) != 0) return nullptr;
        return faces_[font] = face;
    }

    FT_Library library_ = nullptr;
    std::map<Font, FT_Face> faces_;
};

// What each picture letters, and in which typeface: the header, the captions
// and the tagline in the language's script, the subtitle in Comfortaa.
std::vector<std::pair<Font, std::string>> LetteredStrings(const Language& language) {
    std::vector<std::pair<Font, std::string>> strings;
    for (int day = 1; day <= kHeaderDays; ++day) {
        const HeaderWords w = WordsOfDay(language, day);
        for (const std::string& text : {w.number, w.raised, w.month, w.lead, w.count, w.upper, w.lower})
            strings.push_back({language.script, text});
    }
    for (const std::string& caption : QuoteTexts(language)) strings.push_back({language.script, caption});
    strings.push_back({language.script, language.Text("advert.tagline")});
    strings.push_back({Font::Rounded, language.Text("logo.subtitle")});
    return strings;
}

TEST(ArtGlyphCoverage, EveryStringOfEveryLanguageHasItsGlyphs) {
    CharacterMaps maps;
    for (const Language& language : Languages())
        for (const auto& [font, text] : LetteredStrings(language))
            EXPECT_EQ(maps.Missing(font, text), "") << language.code << " in " << FontName(font) << ": " << text;
}

TEST(ArtGlyphCoverage, TheLettersOfTheIssueAreThere) {
    CharacterMaps maps;
    EXPECT_EQ(maps.Missing(LanguageWithCode("pl").script, "łżśćńŁŻŚĆŃąę"), "");
    EXPECT_EQ(maps.Missing(LanguageWithCode("cs").script, "řůěŘŮĚ"), "");
    for (const char* code : {"sv", "da", "nb"}) EXPECT_EQ(maps.Missing(LanguageWithCode(code).script, "åøæÅØÆ"), "");
    // The reason Czech is not set in the brand's script.
    EXPECT_EQ(maps.Missing(Font::Script, "ř ů ě"), "řůě");
}

TEST(ArtGlyphCoverage, ATypefaceWithoutALetterIsRefusedNotBoxed) {
    Language czechInLobster = LanguageWithCode("cs");
    czechInLobster.script = Font::Script;
    try {
        RenderQuotes(czechInLobster);
        ADD_FAILURE() << "captions were drawn with missing glyphs";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("Lobster has no glyph for"), std::string::npos) << e.what();
    }
    // "Vánoc" has every letter in Lobster; the 25th's "Veselé" too: the
    // header of a day whose words need ě is refused.
    Language czechNumbers = czechInLobster;
    czechNumbers.strings["count.lower"] = "Vánoc ě";
    EXPECT_THROW(RenderHeader(czechNumbers, 1, FixedPalette()), std::runtime_error);
}

}  // namespace
}  // namespace artgen

#endif
