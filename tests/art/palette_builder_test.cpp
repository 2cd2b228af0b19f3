// The generator's palette builder and colour matching: the fixed entries stay
// where convention puts them, the free ones follow the pictures, and the
// mapping keeps flat areas flat and gradients smooth on average.
#ifdef QUIBAC_ARTGEN

#include "palette.h"
#include "quantize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace artgen {
namespace {

RgbImage Flat(int w, int h, Rgb c) { return RgbImage(w, h, c); }

TEST(ArtPalette, FixedEntriesSurviveAnyPictures) {
    RgbImage loud = Flat(64, 64, Rgb{250, 10, 200});
    for (int x = 0; x < 64; ++x) loud.at(x, 3) = Rgb{uint8_t(x * 4), 0, 0};
    const Palette built = BuildPalette({{&loud, 1}});
    const Palette fixed = FixedPalette();
    for (size_t i = 0; i < 256; ++i) {
        if (fixed.fixed[i]) {
            EXPECT_EQ(built.colours[i], fixed.colours[i]) << "entry " << i;
        }
    }
    EXPECT_EQ(built.colours[0], (Rgb{0, 0, 0}));
    EXPECT_EQ(built.colours[255], (Rgb{255, 255, 255}));
    EXPECT_EQ(built.colours[kBackgroundIndex], (Rgb{255, 255, 255}));
    EXPECT_FALSE(built.matchable[kMarkerIndex]);
    EXPECT_FALSE(built.matchable[kWhiteIndex]);
}

TEST(ArtPalette, FlatColoursOfThePicturesGetExactEntries) {
    const std::vector<Rgb> colours = {{12, 200, 90}, {240, 180, 150}, {60, 40, 30}, {100, 149, 237}};
    RgbImage picture(40, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) picture.at(x, y) = colours[size_t((x / 10 + y / 20) % 4)];
    const Palette p = BuildPalette({{&picture, 1}});
    for (const Rgb& c : colours) EXPECT_NE(std::find(p.colours.begin(), p.colours.end(), c), p.colours.end());
    ColourMatcher matcher(p);
    const IndexedImage q = Quantize(picture, matcher, Dither::ErrorDiffusion);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(p.colours[q.at(x, y)], picture.at(x, y)) << x << "," << y;
}

TEST(ArtPalette, SameInputSamePalette) {
    RgbImage a(50, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 50; ++x) a.at(x, y) = Rgb{uint8_t(x * 5), uint8_t(y * 8), uint8_t((x * y) & 0xFF)};
    const Palette p1 = BuildPalette({{&a, 1}});
    const Palette p2 = BuildPalette({{&a, 1}});
    EXPECT_EQ(p1.colours, p2.colours);
}

TEST(ArtPalette, WeightDecidesWhichPictureGetsTheEntries) {
    // Two pictures of many shades each; the heavier one's shades are matched
    // more closely.
    RgbImage reds(128, 128), blues(128, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            reds.at(x, y) = Rgb{uint8_t(128 + x), uint8_t(2 * y), 40};
            blues.at(x, y) = Rgb{40, uint8_t(2 * y), uint8_t(128 + x)};
        }
    const Palette p = BuildPalette({{&reds, 20}, {&blues, 1}});
    ColourMatcher matcher(p);
    auto error = [&](const RgbImage& img) {
        long total = 0;
        for (const Rgb& c : img.pixels) {
            const Rgb m = p.colours[matcher.Nearest(c.r, c.g, c.b)];
            total += ColourDistance(c.r, c.g, c.b, m.r, m.g, m.b);
        }
        return total;
    };
    EXPECT_LT(error(reds), error(blues));
}

TEST(ArtQuantize, WhiteIsBackgroundAndTheMarkerIsNeverChosen) {
    ColourMatcher matcher(FixedPalette());
    EXPECT_EQ(matcher.Nearest(255, 255, 255), kBackgroundIndex);
    // The marker's own colour matches some other entry.
    const Rgb marker = FixedPalette().colours[kMarkerIndex];
    EXPECT_NE(matcher.Nearest(marker.r, marker.g, marker.b), kMarkerIndex);
    for (int v = 0; v < 256; v += 5) {
        EXPECT_NE(matcher.Nearest(v, 0, 0), kMarkerIndex);
        EXPECT_NE(matcher.Nearest(v, v, v), kWhiteIndex);
    }
}

TEST(ArtQuantize, DitheredGradientKeepsItsAverageColour) {
    // A shallow grey ramp between two palette entries: without dithering it
    // would be two flat bands; dithered, each column averages near its grey.
    Palette p = FixedPalette();
    for (size_t i = 0; i < 256; ++i)
        if (!p.fixed[i]) p.matchable[i] = false;
    // Only system greys 128 and 160 (and others far away) are available here.
    RgbImage ramp(64, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            const uint8_t v = uint8_t(130 + x / 3);
            ramp.at(x, y) = Rgb{v, v, v};
        }
    for (Dither d : {Dither::ErrorDiffusion, Dither::Ordered}) {
        ColourMatcher matcher(p);
        const IndexedImage q = Quantize(ramp, matcher, d);
        std::set<uint8_t> used(q.pixels.begin(), q.pixels.end());
        EXPECT_GE(used.size(), 2u);
        for (int x = 8; x < 56; x += 8) {
            double sum = 0;
            for (int y = 0; y < 32; ++y) sum += p.colours[q.at(x, y)].g;
            EXPECT_NEAR(sum / 32, 130 + x / 3, d == Dither::Ordered ? 12.0 : 6.0) << "column " << x;
        }
    }
}

TEST(ArtQuantize, OrderedDitherIsTheSameInEveryFrame) {
    // Played frames must not shimmer: an unchanged area maps the same way
    // wherever it lies on the 8-pixel grid of the pattern.
    RgbImage frame(32, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) frame.at(x, y) = Rgb{uint8_t(100 + x), uint8_t(60 + y), 90};
    ColourMatcher matcher(FixedPalette());
    const IndexedImage a = Quantize(frame, matcher, Dither::Ordered);
    const IndexedImage b = Quantize(frame, matcher, Dither::Ordered);
    EXPECT_EQ(a.pixels, b.pixels);
}

}  // namespace
}  // namespace artgen

#endif
