// The icon group and the resource script fragment that names the pictures
// and the two animations.
#include "asset_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace quibac::art {
namespace {

TEST(ArtIcon, HoldsA16AndA256ColourImageOf32Pixels) {
    const std::vector<uint8_t> ico = ReadBytes(AssetsDir() / "quibac.ico");
    ASSERT_GE(ico.size(), 6u + 2 * 16u);
    EXPECT_EQ(Le16(ico, 0), 0);
    EXPECT_EQ(Le16(ico, 2), 1);  // icon, not cursor
    ASSERT_EQ(Le16(ico, 4), 2);
    const Bitmap palette = LoadBitmap("walkanim.bmp");
    size_t expectedOffset = 6 + 2 * 16;
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const size_t entry = 6 + size_t(i) * 16;
        const int bits = i == 0 ? 4 : 8;
        EXPECT_EQ(ico[entry], 32);
        EXPECT_EQ(ico[entry + 1], 32);
        EXPECT_EQ(ico[entry + 2], i == 0 ? 16 : 0);
        EXPECT_EQ(Le16(ico, entry + 6), bits);
        const uint32_t size = Le32(ico, entry + 8), offset = Le32(ico, entry + 12);
        EXPECT_EQ(offset, expectedOffset);  // images follow each other without gaps
        const size_t colours = size_t(1) << bits;
        const size_t xorBytes = 32 * 32 * size_t(bits) / 8, andBytes = 32 * 4;
        ASSERT_EQ(size, 40 + 4 * colours + xorBytes + andBytes);
        ASSERT_LE(size_t(offset) + size, ico.size());
        expectedOffset += size;
        EXPECT_EQ(Le32(ico, offset), 40u);
        EXPECT_EQ(Le32(ico, offset + 4), 32u);
        EXPECT_EQ(Le32(ico, offset + 8), 64u);  // colour and mask rows together
        EXPECT_EQ(Le16(ico, offset + 14), bits);
        if (bits == 8) {
            // The 256-colour image uses the artwork's own table.
            for (size_t k = 0; k < 256; ++k) {
                const size_t at = offset + 40 + 4 * k;
                EXPECT_EQ((Colour{ico[at + 2], ico[at + 1], ico[at]}), palette.table[k]) << "entry " << k;
            }
        } else {
            // The 16-colour image: black first and white last, as the display has them.
            EXPECT_EQ(Le32(ico, offset + 40), 0u);
            EXPECT_EQ(Le32(ico, offset + 40 + 60) & 0xFFFFFF, 0xFFFFFFu);
        }
        // Mask: the corners show the desktop, the middle is the picture.
        const size_t mask = offset + 40 + 4 * colours + xorBytes;
        auto transparent = [&](int x, int y) {
            const size_t row = mask + size_t(31 - y) * 4;
            return (ico[row + size_t(x / 8)] >> (7 - x % 8)) & 1;
        };
        EXPECT_TRUE(transparent(0, 31));
        EXPECT_TRUE(transparent(31, 31));
        EXPECT_FALSE(transparent(16, 20));
        int opaque = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) opaque += !transparent(x, y);
        EXPECT_GT(opaque, 300);
    }
    EXPECT_EQ(expectedOffset, ico.size());
}

std::string ScriptText() {
    std::ifstream in(AssetsDir() / "art.rc");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ArtScript, NamesEveryPictureAndTheIconGroup) {
    const std::string script = ScriptText();
    for (const char* line :
         {"WALKANIM BITMAP \"walkanim.bmp\"", "WINKANIM BITMAP \"winkanim.bmp\"", "QUOTES BITMAP \"quotes.bmp\"",
          "ADVERT BITMAP \"advert.bmp\"", "QUIBLOGO BITMAP \"quiblogo.bmp\"", "1 ICON \"quibac.ico\"",
          "DATESFLIC FLIC \"datesflic.flc\"", "ADVENTFLIC FLIC \"adventflic.flc\""})
        EXPECT_NE(script.find(std::string(line) + "\n"), std::string::npos) << line;
    // Every file the script names is there: the lines NAME TYPE "file".
    int named = 0;
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string name, type, file;
        if (!(words >> name >> type >> file) || file.size() < 2 || file.front() != '"') continue;
        if (type != "BITMAP" && type != "ICON" && type != "FLIC") continue;
        EXPECT_TRUE(std::filesystem::exists(AssetsDir() / file.substr(1, file.size() - 2))) << file;
        ++named;
    }
    // The shared and English ones, and four more for each of ten languages.
    EXPECT_EQ(named, 8 + 10 * 4);
}

TEST(ArtScript, EachLanguagesPicturesNameAndDialogStandUnderItsLanguage) {
    const std::string script = ScriptText();
    const size_t firstNonAscii =
        std::find_if(script.begin(), script.end(), [](char c) { return c & 0x80; }) - script.begin();
    EXPECT_LT(script.find("#pragma code_page(65001)\n"), firstNonAscii) << "the texts are UTF-8, and say so first";
    const std::pair<const char*, const char*> languages[] = {
        {"LANG_GERMAN, SUBLANG_NEUTRAL", "de"},  {"LANG_FRENCH, SUBLANG_NEUTRAL", "fr"},
        {"LANG_DUTCH, SUBLANG_NEUTRAL", "nl"},   {"LANG_SWEDISH, SUBLANG_NEUTRAL", "sv"},
        {"LANG_DANISH, SUBLANG_NEUTRAL", "da"},  {"LANG_NORWEGIAN, SUBLANG_NEUTRAL", "nb"},
        {"LANG_POLISH, SUBLANG_NEUTRAL", "pl"},  {"LANG_CZECH, SUBLANG_NEUTRAL", "cs"},
        {"LANG_SPANISH, SUBLANG_NEUTRAL", "es"}, {"LANG_ITALIAN, SUBLANG_NEUTRAL", "it"},
    };
    for (const auto& [statement, code] : languages) {
        SCOPED_TRACE(code);
        const size_t at = script.find(std::string("LANGUAGE ") + statement + "\n");
        ASSERT_NE(at, std::string::npos);
        const size_t next = script.find("\nLANGUAGE ", at + 1);
        const std::string block = script.substr(at, next == std::string::npos ? std::string::npos : next - at);
        for (const char* resource : {"QUOTES BITMAP", "ADVERT BITMAP", "QUIBLOGO BITMAP", "DATESFLIC FLIC"})
            EXPECT_NE(block.find(std::string(resource) + " \"" + code + "/"), std::string::npos) << resource;
        EXPECT_NE(block.find("STRINGTABLE\nBEGIN\n    1 \""), std::string::npos);
        EXPECT_NE(block.find("2003 DIALOG 0, 0, 234, 136\n"), std::string::npos);
        EXPECT_NE(block.find("\", 1001, \"Button\","), std::string::npos) << "the every-monitor box";
    }
    // What every language shares, once, under the neutral language before
    // any other.
    const size_t neutral = script.find("LANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL\n");
    const size_t english = script.find("LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US\n");
    ASSERT_NE(neutral, std::string::npos);
    ASSERT_NE(english, std::string::npos);
    for (const char* shared : {"WALKANIM BITMAP", "WINKANIM BITMAP", "1 ICON", "ADVENTFLIC FLIC"}) {
        const size_t at = script.find(shared);
        EXPECT_GT(at, neutral) << shared;
        EXPECT_LT(at, english) << shared;
        EXPECT_EQ(script.find(shared, at + 1), std::string::npos) << shared << " once";
    }
}

}  // namespace
}  // namespace quibac::art
