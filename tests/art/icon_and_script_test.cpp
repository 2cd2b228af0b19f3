// The icon group and the resource script fragment that names the pictures
// and the two animations.
#include "asset_files.h"

#include <gtest/gtest.h>

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

TEST(ArtScript, NamesEveryPictureAndTheIconGroup) {
    std::ifstream in(AssetsDir() / "art.rc");
    std::stringstream text;
    text << in.rdbuf();
    const std::string script = text.str();
    for (const char* line :
         {"WALKANIM BITMAP \"walkanim.bmp\"", "WINKANIM BITMAP \"winkanim.bmp\"", "QUOTES BITMAP \"quotes.bmp\"",
          "ADVERT BITMAP \"advert.bmp\"", "QUIBLOGO BITMAP \"quiblogo.bmp\"", "1 ICON \"quibac.ico\"",
          "DATESFLIC FLIC \"datesflic.flc\"", "ADVENTFLIC FLIC \"adventflic.flc\""})
        EXPECT_NE(script.find(std::string(line) + "\n"), std::string::npos) << line;
    // Every file the script names is there.
    int named = 0;
    for (size_t open = script.find('"'); open != std::string::npos; open = script.find('"', open + 1)) {
        const size_t close = script.find('"', open + 1);
        ASSERT_NE(close, std::string::npos) << "unbalanced quotes";
        const std::string file = script.substr(open + 1, close - open - 1);
        EXPECT_TRUE(std::filesystem::exists(AssetsDir() / file)) << file;
        ++named;
        open = close;
    }
    EXPECT_EQ(named, 8);
}

}  // namespace
}  // namespace quibac::art
