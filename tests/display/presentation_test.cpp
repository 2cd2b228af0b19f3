// What reaches the screen: whole frames, rectangles of the memory bitmap, and
// the interlaced reveal.
#include "display/display.h"
#include "display/presentation.h"
#include "display/reveal.h"
#include "support/display_harness.h"
#include "support/platform_fixture.h"

#include <posix_control.h>

#include <set>

namespace quibac {
namespace {

using testing::DisplayHarness;

class PresentationTest : public testing::PlatformTest {
protected:
    // A pattern whose every pixel depends on both coordinates, so a shear,
    // an offset or a dropped row shows.
    static uint8_t Pattern(int u, int v) { return uint8_t((u * 7 + v * 13) % 251 + 1); }

    static void DrawPattern(DisplayHarness& h) {
        const OutputGeometry& g = h.display().Geometry;
        for (int v = 0; v < g.OutputHeight; ++v)
            for (int u = 0; u < g.OutputWidth; ++u) FrameRow(FrameOf(h.display()), v)[u] = Pattern(u, v);
    }

    static int MismatchedPixels(DisplayHarness& h) {
        const OutputGeometry& g = h.display().Geometry;
        int bad = 0;
        for (int v = 0; v < g.OutputHeight; ++v)
            for (int u = 0; u < g.OutputWidth; ++u)
                if (h.WindowPixel(g.OriginX + u, g.OriginY + v) != h.ColourOf(Pattern(u, v))) ++bad;
        return bad;
    }
};

TEST_F(PresentationTest, FreshFramePresentsBlack) {
    posix::FillScreen(0xFFFFFF);
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    PresentFrame(h.display());
    EXPECT_EQ(h.WindowPixel(0, 0), 0u);
    EXPECT_EQ(h.WindowPixel(799, 599), 0u);
    EXPECT_EQ(h.WindowPixel(400, 300), 0u);
}

TEST_F(PresentationTest, CentredFrameLandsAtItsOriginWithBlackMargins) {
    DisplayHarness h(0, 0, 1024, 768, false);
    ASSERT_TRUE(h.ok());
    h.FillFrame(7);
    PresentFrame(h.display());
    const uint32_t c = h.ColourOf(7);
    EXPECT_EQ(h.WindowPixel(112, 84), c);
    EXPECT_EQ(h.WindowPixel(911, 683), c);
    EXPECT_EQ(h.WindowPixel(111, 84), 0u);
    EXPECT_EQ(h.WindowPixel(112, 83), 0u);
    EXPECT_EQ(h.WindowPixel(912, 683), 0u);
    EXPECT_EQ(h.WindowPixel(911, 684), 0u);
    DrawPattern(h);
    PresentFrame(h.display());
    EXPECT_EQ(MismatchedPixels(h), 0);
    posix::WriteScreenPng(testing::TestOutputPath("centred_1024x768.png"));
}

TEST_F(PresentationTest, StretchedFrameAtAnOddWidthIsNotSheared) {
    SetScreenSize(1366, 768);
    DisplayHarness h(0, 0, 1366, 768, true);
    ASSERT_TRUE(h.ok());
    DrawPattern(h);
    PresentFrame(h.display());
    EXPECT_EQ(MismatchedPixels(h), 0);
    // The memory bitmap and its rectangles agree with the frame too.
    posix::FillScreen(0);
    RefreshMemoryBitmap(h.display());
    PresentRect(h.display(), 0, 0, 1366, 768);
    EXPECT_EQ(MismatchedPixels(h), 0);
}

TEST_F(PresentationTest, PresentRectShowsTheBitmapAsOfItsLastRefresh) {
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    h.FillFrame(3);
    RefreshMemoryBitmap(h.display());
    h.FillFrame(4);
    PresentRect(h.display(), 100, 50, 20, 10);
    EXPECT_EQ(h.WindowPixel(100, 50), h.ColourOf(3));
    EXPECT_EQ(h.WindowPixel(119, 59), h.ColourOf(3));
    EXPECT_EQ(h.WindowPixel(120, 59), 0u) << "outside the rectangle nothing is drawn";
    RefreshMemoryBitmap(h.display());
    PresentRect(h.display(), 100, 50, 20, 10);
    EXPECT_EQ(h.WindowPixel(100, 50), h.ColourOf(4));
}

TEST_F(PresentationTest, MemoryBitmapIsASnapshotOfTheColoursToo) {
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    h.FillFrame(9);
    RefreshMemoryBitmap(h.display());
    const uint32_t before = h.ColourOf(9);
    h.display().Dib.DibColourTable[9] = RGBQUAD{0x11, 0x22, 0x33, 0};
    PresentRect(h.display(), 0, 0, 10, 10);
    EXPECT_EQ(h.WindowPixel(5, 5), before);
    PresentFrame(h.display());
    EXPECT_EQ(h.WindowPixel(5, 5), 0x332211u) << "a whole-frame present reads the DIB directly";
}

TEST_F(PresentationTest, RevealBringsEveryRowToTheScreenInRevealOrder) {
    posix::UseVirtualTime(true);
    DisplayHarness h(0, 0, 1024, 768, false);
    ASSERT_TRUE(h.ok());
    DrawPattern(h);
    posix::TakeWindowBlits();
    const uint64_t start = posix::VirtualElapsed();
    RevealFrame(h.display(), 0, 600, 0, 800, true);
    EXPECT_EQ(MismatchedPixels(h), 0);
    EXPECT_GE(posix::VirtualElapsed() - start, 400u) << "200 steps of at least 2 ms";
    const auto blits = posix::TakeWindowBlits();
    ASSERT_EQ(blits.size(), 600u);
    for (size_t i = 0; i < blits.size(); ++i) {
        EXPECT_EQ(blits[i].y, 84 + h.display().Maps.RevealOrder[i]);
        EXPECT_EQ(blits[i].x, 112);
        EXPECT_EQ(blits[i].width, 800);
        EXPECT_EQ(blits[i].height, 1);
    }
}

TEST_F(PresentationTest, RevealOfANarrowerRangeStillTakesEveryStep) {
    posix::UseVirtualTime(true);
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    DrawPattern(h);
    posix::TakeWindowBlits();
    const uint64_t start = posix::VirtualElapsed();
    RevealFrame(h.display(), 100, 199, 0, 800, true);
    EXPECT_GE(posix::VirtualElapsed() - start, 400u);
    std::set<int> rows;
    for (const auto& b : posix::TakeWindowBlits()) rows.insert(b.y);
    EXPECT_EQ(rows.size(), 100u);
    EXPECT_EQ(*rows.begin(), 100);
    EXPECT_EQ(*rows.rbegin(), 199);
}

TEST_F(PresentationTest, RevealAtAHeightTheStrideDividesCoversEveryRow) {
    SetScreenSize(1680, 1050);
    posix::UseVirtualTime(true);
    DisplayHarness h(0, 0, 1680, 1050, true);
    ASSERT_TRUE(h.ok());
    DrawPattern(h);
    RevealFrame(h.display(), 0, 1050, 0, 1680, true);
    EXPECT_EQ(MismatchedPixels(h), 0);
}

TEST_F(PresentationTest, RevealOfATallOutputCoversEveryRow) {
    SetScreenSize(3840, 2160);
    posix::UseVirtualTime(true);
    DisplayHarness h(0, 0, 3840, 2160, true);
    ASSERT_TRUE(h.ok());
    DrawPattern(h);
    RevealFrame(h.display(), 0, 2160, 0, 3840, true);
    EXPECT_EQ(MismatchedPixels(h), 0);
}

TEST_F(PresentationTest, PreviewRevealCopiesOnlyRowsThatExist) {
    SetScreenSize(400, 300);
    posix::UseVirtualTime(true);
    DisplayHarness h(10, 20, 152, 112, false);
    ASSERT_TRUE(h.ok());
    DrawPattern(h);
    posix::TakeWindowBlits();
    RevealFrame(h.display(), 0, 112, 0, 152, true);
    EXPECT_EQ(MismatchedPixels(h), 0);
    const auto blits = posix::TakeWindowBlits();
    ASSERT_EQ(blits.size(), 112u);
    EXPECT_EQ(blits.back().y, 111);
    EXPECT_EQ(posix::ScreenPixel(10 + 152, 20), 0u) << "nothing outside the window";
}

TEST_F(PresentationTest, FreeingReleasesEveryObjectAndBlock) {
    {
        DisplayHarness h(0, 0, 800, 600, false);
        ASSERT_TRUE(h.ok());
        for (int i = 0; i < 10; ++i) RefreshMemoryBitmap(h.display());
        RefreshPalette(h.display());
    }
    EXPECT_EQ(GdiObjectsLeft(), 0);
    EXPECT_EQ(MemoryBlocksLeft(), 0);
}

}  // namespace
}  // namespace quibac
