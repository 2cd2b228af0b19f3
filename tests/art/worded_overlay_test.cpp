// A language's pictures are English's with other words: mapped onto the
// palette they must differ from English's mapping only around those words,
// or the dithering carries the change across the picture and every language
// stores most of it again.
#ifdef QUIBAC_ARTGEN

#include "asset_files.h"
#include "languages.h"
#include "pictures.h"
#include "quantize.h"

#include "assets/dib_rle8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace artgen {
namespace {

using quibac::art::Le16;
using quibac::art::Le32;

constexpr int kWidth = 240, kHeight = 160;
constexpr Rgb kCream = {255, 241, 194};

// A few blues far apart, so that a sky between them is all dithering.
ColourMatcher Blues() {
    Palette p;
    const Rgb entries[] = {{10, 21, 54}, {23, 53, 107}, {61, 109, 166}, {120, 160, 210}, kCream};
    for (size_t i = 0; i < std::size(entries); ++i) {
        p.colours[i + 20] = entries[i];
        p.matchable[i + 20] = true;
    }
    return ColourMatcher(p);
}

RgbImage Sky() {
    RgbImage sky(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            sky.at(x, y) =
                Rgb{uint8_t(10 + y * 110 / kHeight), uint8_t(21 + y * 139 / kHeight), uint8_t(54 + y * 156 / kHeight)};
    return sky;
}

struct Box {
    int x, y, w, h;
    bool Near(int u, int v, int margin) const {
        return u >= x - margin && u < x + w + margin && v >= y - margin && v < y + h + margin;
    }
};

void Paint(RgbImage& image, const Box& box, Rgb colour) {
    for (int v = box.y; v < box.y + box.h; ++v)
        for (int u = box.x; u < box.x + box.w; ++u) image.at(u, v) = colour;
}

TEST(ArtQuantizeOver, OnlyTheRepaintedWordsAndTheirMarginLeaveTheGroundsMapping) {
    ColourMatcher matcher = Blues();
    const Box oldWord{30, 40, 90, 7}, newWord{110, 44, 100, 12};
    RgbImage ground = Sky(), picture = Sky();
    Paint(ground, oldWord, kCream);
    Paint(picture, newWord, kCream);
    const IndexedImage under = Quantize(ground, matcher, Dither::ErrorDiffusion);
    const IndexedImage over = QuantizeOver(picture, ground, matcher);
    int elsewhere = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if (newWord.Near(x, y, 0)) {
                ASSERT_EQ(matcher.palette().colours[over.at(x, y)], kCream) << x << "," << y;
            }
            if (oldWord.Near(x, y, kRepaintMargin) || newWord.Near(x, y, kRepaintMargin)) continue;
            ++elsewhere;
            ASSERT_EQ(over.at(x, y), under.at(x, y)) << "the dithering spread to " << x << "," << y;
        }
    EXPECT_GT(elsewhere, kWidth * kHeight / 2);
}

// A word's error darkens the dithered sky beneath it in the ground's
// mapping; with the word gone, that sky is dithered again, so no dark
// shadow of the ground's word is left in the picture.
TEST(ArtQuantizeOver, NoShadowOfTheGroundsWordsIsLeft) {
    Palette p;
    constexpr Rgb kDark = {20, 40, 100}, kLight = {20, 40, 140}, kSky = {20, 40, 110};
    constexpr uint8_t kLightIndex = 31;
    p.colours[kLightIndex - 1] = kDark;
    p.colours[kLightIndex] = kLight;
    p.colours[kLightIndex + 1] = kCream;
    for (size_t i = kLightIndex - 1; i <= kLightIndex + 1u; ++i) p.matchable[i] = true;
    ColourMatcher matcher(p);
    const Box word{20, 40, 200, 6};
    const RgbImage sky(kWidth, kHeight, kSky);
    RgbImage ground = sky;
    Paint(ground, word, Rgb{200, 200, 150});
    // How many pixels of the two rows beneath the word take the lighter blue.
    auto lightBeneath = [&](const IndexedImage& image) {
        int light = 0;
        for (int y = word.y + word.h; y < word.y + word.h + 2; ++y)
            for (int x = word.x; x < word.x + word.w; ++x) light += image.at(x, y) == kLightIndex ? 1 : 0;
        return light;
    };
    ASSERT_GE(lightBeneath(Quantize(sky, matcher, Dither::ErrorDiffusion)), word.w / 8) << "the sky is not dithered";
    ASSERT_LT(lightBeneath(Quantize(ground, matcher, Dither::ErrorDiffusion)), word.w / 16)
        << "the word casts no shadow";
    EXPECT_GE(lightBeneath(QuantizeOver(sky, ground, matcher)), word.w / 8);
}

TEST(ArtQuantizeOver, APictureIsMappedOnlyOverAGroundOfItsSize) {
    ColourMatcher matcher = Blues();
    EXPECT_THROW(QuantizeOver(RgbImage(8, 4), RgbImage(8, 5), matcher), std::logic_error);
    EXPECT_THROW(QuantizeOver(RgbImage(8, 4), RgbImage(12, 4), matcher), std::logic_error);
}

// The committed file of a language's picture, drawn as the saver draws it:
// its BI_RLE8 stream over English's picture.
IndexedImage DrawnOverEnglish(const std::string& file, const quibac::art::Bitmap& english) {
    const std::vector<uint8_t> b = quibac::art::ReadBytes(quibac::art::AssetsDir() / file);
    IndexedImage drawn{english.width, english.height, english.pixels};
    if (b.size() < 1078 || Le16(b, 28) != 8 || Le32(b, 30) != quibac::kCompressionRle8 ||
        int32_t(Le32(b, 18)) != english.width || int32_t(Le32(b, 22)) != english.height || Le32(b, 10) > b.size()) {
        ADD_FAILURE() << file << " is not a BI_RLE8 picture of English's size";
        return drawn;
    }
    const size_t at = Le32(b, 10);
    quibac::DecodeRle8(quibac::ByteView(b.data() + at, b.size() - at), drawn.pixels.data(), drawn.width, drawn.height);
    return drawn;
}

struct WordedRow {
    const char* file;
    RgbImage (*render)(const Language&);
};

const WordedRow kWorded[] = {{"advert.bmp", RenderAdvert}, {"quotes.bmp", RenderQuotes}, {"quiblogo.bmp", RenderLogo}};

TEST(ArtWordedPictures, EachLanguageDiffersFromEnglishOnlyAroundItsWords) {
    for (const WordedRow& row : kWorded) {
        const quibac::art::Bitmap english = quibac::art::LoadBitmap(row.file);
        ASSERT_FALSE(english.pixels.empty());
        const RgbImage englishColours = row.render(ReferenceLanguage());
        for (const Language& language : Languages()) {
            if (language.IsReference()) continue;
            SCOPED_TRACE(language.code + "/" + row.file);
            const IndexedImage drawn = DrawnOverEnglish(language.code + "/" + row.file, english);
            const RgbImage colours = row.render(language);
            // The pixels near a colour that differs from English's: no index
            // may change outside them.
            std::vector<bool> nearWords(colours.pixels.size(), false);
            for (int y = 0; y < colours.height; ++y)
                for (int x = 0; x < colours.width; ++x) {
                    if (colours.at(x, y) == englishColours.at(x, y)) continue;
                    for (int v = std::max(0, y - kRepaintMargin); v <= std::min(colours.height - 1, y + kRepaintMargin);
                         ++v)
                        for (int u = std::max(0, x - kRepaintMargin);
                             u <= std::min(colours.width - 1, x + kRepaintMargin); ++u)
                            nearWords[size_t(v) * size_t(colours.width) + size_t(u)] = true;
                }
            int stray = 0;
            std::string first;
            for (int y = 0; y < english.height; ++y)
                for (int x = 0; x < english.width; ++x)
                    if (drawn.at(x, y) != english.at(x, y) &&
                        !nearWords[size_t(y) * size_t(english.width) + size_t(x)] && stray++ == 0)
                        first = std::to_string(x) + "," + std::to_string(y);
            EXPECT_EQ(stray, 0) << "pixels changed away from the words, the first at " << first;
        }
    }
}

// Longer words than English's close up or get smaller rather than run into
// the calendar's roof, which rises to the right of the advert's subtitle.
TEST(ArtWordedPictures, EveryAdvertSubtitleKeepsClearOfTheRoof) {
    constexpr Rgb kSubtitleCream = {255, 241, 194};
    constexpr int kFirstRow = 150, kLastRow = 180, kRoofFrom = 450, kClearance = 8;
    const auto isRoof = [](Rgb c) { return c.r > 150 && c.g < 90 && c.b < 100; };
    for (const Language& language : Languages()) {
        SCOPED_TRACE(language.code);
        const RgbImage advert = RenderAdvert(language);
        int lettersSeen = 0;
        for (int y = kFirstRow; y <= kLastRow; ++y) {
            int roof = advert.width;
            for (int x = kRoofFrom; x < advert.width && roof == advert.width; ++x)
                if (isRoof(advert.at(x, y))) roof = x;
            for (int x = 0; x < advert.width; ++x) {
                if (!(advert.at(x, y) == kSubtitleCream)) continue;
                ++lettersSeen;
                EXPECT_LT(x, roof - kClearance) << "a letter at " << x << "," << y << ", the roof at " << roof;
            }
        }
        EXPECT_GT(lettersSeen, 0) << "no subtitle was found where it is drawn";
    }
}

}  // namespace
}  // namespace artgen

#endif
