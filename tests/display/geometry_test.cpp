// Where the canvas lands in windows of the sizes a saver meets.
#include "display/geometry.h"

#include <gtest/gtest.h>

namespace quibac {
namespace {

TEST(OutputGeometry, CentredCanvasKeepsItsSizeWithTheOddMarginPixelRightAndBelow) {
    const OutputGeometry exact = ComputeOutputGeometry(800, 600, false);
    EXPECT_EQ(exact.OutputWidth, 800);
    EXPECT_EQ(exact.OutputHeight, 600);
    EXPECT_EQ(exact.OriginX, 0);
    EXPECT_EQ(exact.OriginY, 0);

    const OutputGeometry xga = ComputeOutputGeometry(1024, 768, false);
    EXPECT_EQ(xga.OutputWidth, 800);
    EXPECT_EQ(xga.OriginX, 112);
    EXPECT_EQ(xga.OriginY, 84);

    const OutputGeometry odd = ComputeOutputGeometry(1025, 769, false);
    EXPECT_EQ(odd.OriginX, 112);
    EXPECT_EQ(odd.OriginY, 84);
}

TEST(OutputGeometry, WindowsSmallerThanTheCanvasAreAlwaysStretched) {
    for (auto [w, h] : {std::pair{799, 600}, std::pair{800, 599}, std::pair{152, 112}}) {
        const OutputGeometry g = ComputeOutputGeometry(w, h, false);
        EXPECT_TRUE(g.Stretch) << w << "x" << h;
        EXPECT_EQ(g.OutputWidth, w);
        EXPECT_EQ(g.OutputHeight, h);
        EXPECT_EQ(g.OriginX, 0);
        EXPECT_EQ(g.OriginY, 0);
    }
    const OutputGeometry big = ComputeOutputGeometry(1280, 1024, true);
    EXPECT_EQ(big.OutputWidth, 1280);
    EXPECT_EQ(big.OutputHeight, 1024);
    EXPECT_EQ(big.OriginX, 0);
}

TEST(OutputGeometry, SmallScreenBelow320PixelsWide) {
    EXPECT_TRUE(ComputeOutputGeometry(319, 240, false).SmallScreen);
    EXPECT_FALSE(ComputeOutputGeometry(320, 240, false).SmallScreen);
}

TEST(OutputGeometry, StridePadsRowsToFourBytes) {
    EXPECT_EQ(ComputeOutputGeometry(800, 600, true).Stride(), 800);
    EXPECT_EQ(ComputeOutputGeometry(1366, 768, true).Stride(), 1368);
    EXPECT_EQ(ComputeOutputGeometry(153, 112, true).Stride(), 156);
}

}  // namespace
}  // namespace quibac
