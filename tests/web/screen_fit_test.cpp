// The screen the saver is given for the page's canvas: the canvas itself
// while the saver can draw it, fewer pixels of the same shape beyond.
#include "screen_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace quibac::web {
namespace {

struct FitCase {
    const char* name;
    ScreenRequest wanted;
    ScreenRequest fitted;
};

class ScreenFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(ScreenFitTest, GivesTheSaverAScreenItCanDraw) {
    const FitCase& c = GetParam();
    const ScreenRequest fitted = FitScreen(c.wanted);
    EXPECT_EQ(fitted.width, c.fitted.width);
    EXPECT_EQ(fitted.height, c.fitted.height);
    EXPECT_EQ(fitted.stretch, c.wanted.stretch);
    if (fitted.width > 0) {
        EXPECT_LE(fitted.width, kMaxScreenSide);
        EXPECT_LE(fitted.height, kMaxScreenSide);
        EXPECT_LE(int64_t(fitted.width) * fitted.height, kMaxScreenPixels);
    }
}

INSTANTIATE_TEST_SUITE_P(Canvases, ScreenFitTest,
                         ::testing::Values(FitCase{"Artwork", {800, 600, false}, {800, 600}},
                                           FitCase{"PhoneAtThreeDevicePixels", {1170, 2532, true}, {1170, 2532}},
                                           FitCase{"FourK", {3840, 2160, false}, {3840, 2160}},
                                           FitCase{"OnePixel", {1, 1, false}, {1, 1}},
                                           // Too many pixels: the shape is kept at the most allowed.
                                           FitCase{"EightK", {7680, 4320, true}, {3840, 2160}},
                                           // A thin strip keeps both sides within bounds.
                                           FitCase{"TooWide", {20000, 100, false}, {7680, 38}},
                                           FitCase{"TooTallAndThin", {1, 30000, false}, {1, 7680}},
                                           // The limit divides these exactly, but the arithmetic
                                           // lands a hair short of the whole number.
                                           FitCase{"SquareJustUnderAWholeSide", {3876, 3876, false}, {2880, 2880}},
                                           // Rounded up on both sides, the area is over the limit.
                                           FitCase{"RoundedOverTheArea", {3848, 2160, false}, {3843, 2158}},
                                           // Sides whose product overflows 32 bits.
                                           FitCase{"HugeSquare", {65536, 65536, false}, {2880, 2880}},
                                           FitCase{"NoWidth", {0, 600, false}, {0, 0}},
                                           FitCase{"NegativeHeight", {800, -600, true}, {0, 0}}),
                         [](const ::testing::TestParamInfo<FitCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace quibac::web
