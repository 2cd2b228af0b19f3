// Where the canvas lands in windows of the sizes a saver meets.
#include "display/geometry.h"

#include <gtest/gtest.h>

namespace quibac {
namespace {

TEST(OutputGeometry, CentredCanvasKeepsItsSizeWithTheOddMarginPixelRightAndBelow) {
    const OutputGeometry exact = ComputeOutputGeometry(800, 600, 0);
    EXPECT_EQ(exact.OutputWidth, 800);
    EXPECT_EQ(exact.OutputHeight, 600);
    EXPECT_EQ(exact.OriginX, 0);
    EXPECT_EQ(exact.OriginY, 0);

    const OutputGeometry xga = ComputeOutputGeometry(1024, 768, 0);
    EXPECT_EQ(xga.OutputWidth, 800);
    EXPECT_EQ(xga.OriginX, 112);
    EXPECT_EQ(xga.OriginY, 84);

    const OutputGeometry odd = ComputeOutputGeometry(1025, 769, 0);
    EXPECT_EQ(odd.OriginX, 112);
    EXPECT_EQ(odd.OriginY, 84);
}

TEST(OutputGeometry, WindowsSmallerThanTheCanvasAreAlwaysStretched) {
    for (auto [w, h] : {std::pair{799, 600}, std::pair{800, 599}, std::pair{152, 112}}) {
        const OutputGeometry g = ComputeOutputGeometry(w, h, 0);
        EXPECT_EQ(g.Stretch, 1) << w << "x" << h;
        EXPECT_EQ(g.OutputWidth, w);
        EXPECT_EQ(g.OutputHeight, h);
        EXPECT_EQ(g.OriginX, 0);
        EXPECT_EQ(g.OriginY, 0);
    }
    const OutputGeometry big = ComputeOutputGeometry(1280, 1024, 1);
    EXPECT_EQ(big.OutputWidth, 1280);
    EXPECT_EQ(big.OutputHeight, 1024);
    EXPECT_EQ(big.OriginX, 0);
    // Any non-zero setting stretches.
    EXPECT_EQ(ComputeOutputGeometry(1280, 1024, 7).OutputWidth, 1280);
}

TEST(OutputGeometry, SmallScreenBelow320PixelsWide) {
    EXPECT_EQ(ComputeOutputGeometry(319, 240, 0).SmallScreen, 1);
    EXPECT_EQ(ComputeOutputGeometry(320, 240, 0).SmallScreen, 0);
}

TEST(OutputGeometry, StridePadsRowsToFourBytes) {
    EXPECT_EQ(ComputeOutputGeometry(800, 600, 1).Stride(), 800);
    EXPECT_EQ(ComputeOutputGeometry(1366, 768, 1).Stride(), 1368);
    EXPECT_EQ(ComputeOutputGeometry(153, 112, 1).Stride(), 156);
}

}  // namespace
}  // namespace quibac
