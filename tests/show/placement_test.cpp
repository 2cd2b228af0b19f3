// Sprite placements: the rules where the output is large enough, and ending
// with every sprite inside the frame where it is not.
#include "show/placement.h"

#include "assets/bitmap_assets.h"
#include "display/geometry.h"

#include <gtest/gtest.h>

namespace quibac {
namespace {

struct Size {
    int32_t width, height;
};

TEST(WalkerSizes, FourScalesAtFullScreen) {
    EXPECT_EQ(WalkerHeight(0.25f), 82);
    EXPECT_EQ(WalkerWidth(0.25f), 67);
    EXPECT_EQ(WalkerStep(0.25f), 8);
    EXPECT_EQ(WalkerHeight(0.75f), 247);
    EXPECT_EQ(WalkerWidth(0.75f), 201);
    EXPECT_EQ(WalkerStep(1.0f), 32);
    EXPECT_EQ(WalkerHeight(1.0f), 330);
}

TEST(WalkPlacement, WalkerAndLogoNeverShareARow) {
    RandomGenerator random{12345};
    const OutputGeometry g = ComputeOutputGeometry(800, 600, false);
    for (int i = 0; i < 2000; ++i) {
        const WalkPlacement p = PlaceWalker(g, random);
        ASSERT_TRUE(p.ShowLogo);
        const int32_t h = WalkerHeight(p.SpriteScale);
        EXPECT_TRUE(p.SpriteY > p.LogoY + kLogoHeight || p.SpriteY + h < p.LogoY);
        EXPECT_GE(p.SpriteY, 0);
        EXPECT_LE(p.SpriteY + h, 600);
        EXPECT_GE(p.LogoX, 0);
        EXPECT_LE(p.LogoX + kLogoWidth, 800);
        EXPECT_LE(p.LogoY + kLogoHeight, 600);
    }
}

TEST(WalkPlacement, SameDrawsAsTheUnguardedRuleOnAFullScreen) {
    // LogoY, k, SpriteY per attempt until apart, then LogoX.
    RandomGenerator a{99}, b{99};
    const OutputGeometry g = ComputeOutputGeometry(1024, 768, true);
    const WalkPlacement p = PlaceWalker(g, a);
    int32_t logoY, spriteY, h;
    float scale;
    do {
        logoY = RandomValue(b) % (768 - 128);
        scale = float(RandomValue(b) % 4 + 1) * 0.25f;
        h = int32_t(scale * 330);
        spriteY = RandomValue(b) % (768 - h);
    } while (!(spriteY > logoY + 128 || spriteY + h < logoY));
    EXPECT_EQ(p.LogoY, logoY);
    EXPECT_EQ(p.SpriteY, spriteY);
    EXPECT_EQ(p.SpriteScale, scale);
    EXPECT_EQ(p.LogoX, RandomValue(b) % (1024 - 504));
    EXPECT_EQ(a.State, b.State);
}

TEST(WalkPlacement, SmallScreenScalesWithTheWidthAndShowsNoLogo) {
    RandomGenerator random{7};
    const OutputGeometry g = ComputeOutputGeometry(152, 112, false);
    bool seen[5] = {};
    for (int i = 0; i < 200; ++i) {
        const WalkPlacement p = PlaceWalker(g, random);
        EXPECT_FALSE(p.ShowLogo);
        const int k = int(p.SpriteScale / 0.0475f + 0.5f);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 4);
        seen[k] = true;
        EXPECT_LE(p.SpriteY + WalkerHeight(p.SpriteScale), 112);
    }
    EXPECT_TRUE(seen[1] && seen[2] && seen[3] && seen[4]);
    EXPECT_EQ(WalkerHeight(0.0475f), 15);
    EXPECT_EQ(WalkerWidth(0.19f), 50);
    EXPECT_EQ(WalkerStep(0.1425f), 4);
}

class SmallOutputs : public ::testing::TestWithParam<Size> {};

TEST_P(SmallOutputs, PlacementsEndWithEverySpriteInside) {
    const Size size = GetParam();
    const OutputGeometry g = ComputeOutputGeometry(size.width, size.height, true);
    RandomGenerator random{2024};
    for (int i = 0; i < 50; ++i) {
        const WalkPlacement walk = PlaceWalker(g, random);
        const int32_t h = WalkerHeight(walk.SpriteScale);
        EXPECT_GE(walk.SpriteY, 0);
        // A preview's walker keeps its width-based size; in a window lower
        // than that it starts at the top and is cut off below.
        if (g.SmallScreen == 0 || h <= size.height) {
            EXPECT_LE(walk.SpriteY + h, size.height) << "walker inside the rows";
        } else {
            EXPECT_EQ(walk.SpriteY, 0);
        }
        if (walk.ShowLogo) {
            EXPECT_GE(walk.LogoX, 0);
            EXPECT_LE(walk.LogoX + kLogoWidth, size.width);
            EXPECT_GE(walk.LogoY, 0);
            EXPECT_LE(walk.LogoY + kLogoHeight, size.height);
            EXPECT_TRUE(walk.SpriteY > walk.LogoY + kLogoHeight || walk.SpriteY + h < walk.LogoY);
        }
        const WinkPlacement wink = PlaceWinker(g, random);
        if (!wink.ShowWinker) continue;
        EXPECT_GE(wink.SpriteX, 0);
        EXPECT_GE(wink.SpriteY, 0);
        EXPECT_LE(wink.SpriteX + kWinkFrameWidth, size.width);
        EXPECT_LE(wink.SpriteY + kWinkStripHeight, size.height);
        if (wink.ShowCaption) {
            EXPECT_GE(wink.QuoteX, 0);
            EXPECT_LE(wink.QuoteX + kQuoteStripWidth, size.width);
            EXPECT_LE(wink.QuoteY + kQuoteHeight, size.height);
            EXPECT_TRUE(wink.SpriteY > wink.QuoteY + kQuoteHeight || wink.SpriteY + kWinkStripHeight < wink.QuoteY);
            EXPECT_TRUE(wink.SpriteX > wink.QuoteX + kQuoteStripWidth || wink.SpriteX + kWinkFrameWidth < wink.QuoteX);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SmallOutputs,
                         ::testing::Values(Size{320, 240}, Size{320, 100}, Size{504, 128}, Size{505, 129},
                                           Size{633, 452}, Size{634, 453}, Size{640, 480}, Size{319, 60},
                                           Size{1366, 768}, Size{3840, 2160}, Size{1000, 330}, Size{2000, 20}));

TEST(WinkPlacement, CaptionKeepsClearOfTheWinkerAt800x600) {
    RandomGenerator random{5};
    const OutputGeometry g = ComputeOutputGeometry(800, 600, false);
    for (int i = 0; i < 300; ++i) {
        const WinkPlacement p = PlaceWinker(g, random);
        ASSERT_TRUE(p.ShowCaption);
        EXPECT_LE(p.SpriteX, 496);
        EXPECT_LE(p.SpriteY, 209);
        EXPECT_LE(p.QuoteX, 471);
        EXPECT_LE(p.QuoteY, 539);
        if (p.SpriteX == 0 && p.SpriteY == 0) {
            EXPECT_GE(p.QuoteX, 304);
            EXPECT_GE(p.QuoteY, 391);
        }
    }
}

TEST(WinkPlacement, OutputsTooSmallForTheWinkerHaveNone) {
    RandomGenerator random{1};
    EXPECT_FALSE(PlaceWinker(ComputeOutputGeometry(640, 389, true), random).ShowWinker);
    EXPECT_FALSE(PlaceWinker(ComputeOutputGeometry(302, 600, true), random).ShowWinker);
    const WinkPlacement narrow = PlaceWinker(ComputeOutputGeometry(632, 600, true), random);
    EXPECT_TRUE(narrow.ShowWinker);
    EXPECT_FALSE(narrow.ShowCaption) << "no diagonal place for a caption";
}

}  // namespace
}  // namespace quibac

namespace quibac {
namespace {

// Draws between two states of the generator.
int DrawsBetween(RandomGenerator from, const RandomGenerator& to) {
    int draws = 0;
    for (; from.State != to.State && draws < 100000000; ++draws) RandomValue(from);
    return draws;
}

TEST(Placements, AClearedRunFlagEndsTheSearchWithinOneCheckInterval) {
    // 640 x 480 leaves a wink with a caption about one chance in 60000; 140
    // rows never hold a walker beside the logo.
    const RunFlag stopped{false};
    RandomGenerator random{7};
    const RandomGenerator start = random;
    const WinkPlacement wink = PlaceWinker(ComputeOutputGeometry(640, 480, true), random, &stopped);
    EXPECT_TRUE(wink.ShowWinker);
    EXPECT_LE(DrawsBetween(start, random), 4 * kPlacementAttemptsPerCheck);
    EXPECT_EQ(wink.QuoteX, 640 - kQuoteStripWidth) << "the fallback's opposite corners";

    const RandomGenerator beforeWalk = random;
    const WalkPlacement walk = PlaceWalker(ComputeOutputGeometry(800, 140, true), random, &stopped);
    EXPECT_LE(DrawsBetween(beforeWalk, random), 3 * kPlacementAttemptsPerCheck + 1);
    EXPECT_FALSE(walk.ShowLogo);
    EXPECT_LT(WalkerHeight(walk.SpriteScale), 140);
}

}  // namespace
}  // namespace quibac
