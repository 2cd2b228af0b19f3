// The scaling maps and the reveal order at the output sizes a saver meets.
#include "display/scaling_maps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace quibac {
namespace {

ScalingMaps MapsFor(int32_t width, int32_t height) {
    ScalingMaps maps;
    BuildScalingMaps(maps, ComputeOutputGeometry(width, height, true));
    return maps;
}

TEST(ScalingMaps, IdentityAtCanvasSize) {
    const ScalingMaps maps = MapsFor(800, 600);
    for (int y = 0; y < 600; ++y) {
        EXPECT_EQ(maps.RowStart[y], y);
        EXPECT_EQ(maps.RowSpan[y], 1);
    }
    for (int x = 0; x < 800; ++x) {
        EXPECT_EQ(maps.ColStart[x], x);
        EXPECT_EQ(maps.ColSpan[x], 1);
    }
}

TEST(ScalingMaps, XgaValues) {
    const ScalingMaps maps = MapsFor(1024, 768);
    EXPECT_EQ(maps.ColStart[1], 1);
    EXPECT_EQ(maps.ColStart[4], 5);
    EXPECT_EQ(maps.ColStart[800], 1024);
    EXPECT_EQ(maps.RowStart[599], 766);
    EXPECT_EQ(maps.RowSpan[599], 2);
}

TEST(ScalingMaps, PreviewDropsColumnsWithZeroSpan) {
    const ScalingMaps maps = MapsFor(152, 112);
    for (int x = 0; x <= 800; ++x) EXPECT_EQ(maps.ColStart[x], 152 * x / 800);
    EXPECT_EQ(std::count(maps.ColSpan.begin(), maps.ColSpan.begin() + 800, 0), 648);
    EXPECT_EQ(maps.RowStart[600], 112);
}

class ScalingMapInvariants : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(ScalingMapInvariants, SpansAddUpAndStartsNeverDecrease) {
    const auto [width, height] = GetParam();
    const ScalingMaps maps = MapsFor(width, height);
    EXPECT_EQ(maps.RowStart[0], 0);
    EXPECT_EQ(maps.RowStart[600], height);
    EXPECT_EQ(maps.ColStart[0], 0);
    EXPECT_EQ(maps.ColStart[800], width);
    EXPECT_EQ(std::accumulate(maps.RowSpan.begin(), maps.RowSpan.begin() + 600, 0), height);
    EXPECT_EQ(std::accumulate(maps.ColSpan.begin(), maps.ColSpan.begin() + 800, 0), width);
    const int maxRowSpan = height >= 600 ? height : 1;
    for (int y = 0; y < 600; ++y) {
        EXPECT_GE(maps.RowSpan[y], height >= 600 ? 1 : 0);
        EXPECT_LE(maps.RowSpan[y], maxRowSpan);
    }
    for (int x = 0; x < 800; ++x) EXPECT_GE(maps.ColSpan[x], width >= 800 ? 1 : 0);
    if (width < 800) {
        for (int x = 0; x < 800; ++x) EXPECT_LE(maps.ColSpan[x], 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScalingMapInvariants,
                         ::testing::Values(std::pair{800, 600}, std::pair{1024, 768}, std::pair{152, 112},
                                           std::pair{1366, 768}, std::pair{3840, 2160}, std::pair{640, 480},
                                           std::pair{1, 1}));

std::vector<int> VisitCounts(const ScalingMaps& maps, int height) {
    std::vector<int> visits(size_t(height), 0);
    for (int32_t row : maps.RevealOrder) {
        if (row == kRevealSentinel) continue;
        EXPECT_GE(row, 0);
        EXPECT_LT(row, height);
        if (row >= 0 && row < height) visits[size_t(row)]++;
    }
    return visits;
}

TEST(RevealOrder, Stride7VisitsEveryRowOnceAt600) {
    const ScalingMaps maps = MapsFor(800, 600);
    ASSERT_EQ(maps.RevealOrder.size(), 600u);
    EXPECT_EQ(maps.RevealOrder[0], 0);
    EXPECT_EQ(maps.RevealOrder[1], 7);
    EXPECT_EQ(maps.RevealOrder[85], 595);
    EXPECT_EQ(maps.RevealOrder[86], 2);
    EXPECT_EQ(maps.RevealOrder[87], 9);
    for (int v : VisitCounts(maps, 600)) EXPECT_EQ(v, 1);
}

TEST(RevealOrder, HeightsThe7StrideDividesStillVisitEveryRowOnce) {
    for (const auto& [width, height] : {std::pair{933, 700}, std::pair{1680, 1050}, std::pair{1400, 1050},
                                        std::pair{1960, 1176}, std::pair{400, 7}}) {
        SCOPED_TRACE(::testing::Message() << width << "x" << height);
        ScalingMaps maps;
        BuildScalingMaps(maps, ComputeOutputGeometry(width, height, true));
        for (int v : VisitCounts(maps, height)) EXPECT_EQ(v, 1);
        // Each pass keeps the stride and starts one row below the last.
        const int period = height / 7;
        EXPECT_EQ(maps.RevealOrder[1], period > 1 ? 7 : 1);
        EXPECT_EQ(maps.RevealOrder[size_t(period)], 1);
        EXPECT_EQ(maps.RevealOrder[size_t(period) + 1], period > 1 ? 8 : 2);
    }
}

TEST(RevealOrder, SmallScreenGoesTopToBottomAndPadsTheLastStep) {
    ScalingMaps maps;
    const OutputGeometry preview = ComputeOutputGeometry(152, 112, false);
    ASSERT_TRUE(preview.SmallScreen);
    BuildScalingMaps(maps, preview);
    ASSERT_EQ(maps.RevealOrder.size(), 114u);  // 38 steps of three
    for (int i = 0; i < 112; ++i) EXPECT_EQ(maps.RevealOrder[size_t(i)], i);
    EXPECT_EQ(maps.RevealOrder[112], kRevealSentinel);
    EXPECT_EQ(maps.RevealOrder[113], kRevealSentinel);
}

TEST(RevealOrder, OutputsTallerThan1200RowsAreRevealedWhole) {
    const ScalingMaps maps = MapsFor(3840, 2160);
    ASSERT_EQ(maps.RevealOrder.size(), 2160u);
    for (int v : VisitCounts(maps, 2160)) EXPECT_EQ(v, 1);
    const ScalingMaps tall = MapsFor(1440, 2561);
    EXPECT_EQ(tall.RevealOrder.size(), 2562u);
    for (int v : VisitCounts(tall, 2561)) EXPECT_EQ(v, 1);
}

TEST(RevealOrder, RebuildingGivesTheSameTables) {
    ScalingMaps maps;
    const OutputGeometry g = ComputeOutputGeometry(1024, 768, true);
    BuildScalingMaps(maps, g);
    const ScalingMaps first = maps;
    BuildScalingMaps(maps, g);
    EXPECT_EQ(first.RevealOrder, maps.RevealOrder);
    EXPECT_EQ(first.RowStart, maps.RowStart);
    EXPECT_EQ(first.ColSpan, maps.ColSpan);
}

}  // namespace
}  // namespace quibac
