// The show's presentation of what changed: the window ends up showing the
// frame buffer in the rectangle asked for, exactly as a whole present would
// have it, while only the smallest rectangle holding what differs is sent.
#include "display/display.h"
#include "display/presentation.h"
#include "display/reveal.h"
#include "support/display_harness.h"
#include "support/platform_fixture.h"

#include <posix_control.h>

#include <ostream>
#include <random>
#include <vector>

namespace quibac {
namespace {

using testing::DisplayHarness;

// Left, top, right and bottom edges.
struct Box {
    int left, top, right, bottom;
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "(" << b.left << "," << b.top << ")-(" << b.right << "," << b.bottom << ")";
}

class PresentChangesTest : public testing::PlatformTest {
protected:
    static void Paint(DisplayHarness& h, int x, int y, int width, int height, uint8_t index) {
        for (int v = y; v < y + height; ++v)
            for (int u = x; u < x + width; ++u) FrameRow(FrameOf(h.display()), v)[u] = index;
    }
    static void PresentAll(DisplayHarness& h) {
        PresentChanges(h.display(), 0, 0, h.display().Geometry.OutputWidth, h.display().Geometry.OutputHeight);
    }
    // The blits a present made, in window coordinates.
    static std::vector<Box> Sent() {
        std::vector<Box> sent;
        for (const posix::BlitRecord& b : posix::TakeWindowBlits())
            sent.push_back(Box{b.x, b.y, b.x + b.width, b.y + b.height});
        return sent;
    }
};

struct ChangeRow {
    const char* what;
    int x, y, width, height;   // the rectangle asked for
    std::vector<Box> painted;  // blocks of the frame changed since the last present
    std::vector<Box> sent;     // what reaches the window (window coordinates)
};

// Changes are gathered in bands of eight rows, one rectangle a band, and a
// band below one of the same columns joins it.
TEST_F(PresentChangesTest, OnlyTheRowsAndColumnsThatDifferAreSent) {
    // Centred at (112, 84) in the window, so a lost origin shows.
    const ChangeRow rows[] = {
        {"nothing changed", 0, 0, 800, 600, {}, {}},
        {"one pixel", 0, 0, 800, 600, {{5, 7, 6, 8}}, {{117, 91, 118, 92}}},
        {"two blocks apart",
         0,
         0,
         800,
         600,
         {{10, 20, 30, 40}, {700, 500, 720, 590}},
         {{122, 104, 142, 124}, {812, 584, 832, 674}}},
        {"two blocks sharing rows",
         0,
         0,
         800,
         600,
         {{10, 20, 30, 40}, {700, 30, 720, 50}},
         {{122, 104, 142, 108}, {122, 108, 832, 124}, {812, 124, 832, 134}}},
        {"the corners",
         0,
         0,
         800,
         600,
         {{0, 0, 1, 1}, {799, 599, 800, 600}},
         {{112, 84, 113, 85}, {911, 683, 912, 684}}},
        {"outside the rectangle asked for", 0, 100, 800, 50, {{10, 20, 30, 40}}, {}},
        {"partly inside it", 100, 100, 50, 50, {{90, 90, 120, 120}}, {{212, 184, 232, 204}}},
        {"a rectangle beyond the frame", 790, 590, 100, 100, {{795, 595, 800, 600}}, {{907, 679, 912, 684}}},
    };
    DisplayHarness h(0, 0, 1024, 768, false);
    ASSERT_TRUE(h.ok());
    h.FillFrame(3);
    PresentAll(h);
    posix::TakeWindowBlits();
    uint8_t index = 10;
    for (const ChangeRow& row : rows) {
        for (const Box& r : row.painted) Paint(h, r.left, r.top, r.right - r.left, r.bottom - r.top, ++index);
        PresentChanges(h.display(), row.x, row.y, row.width, row.height);
        EXPECT_EQ(Sent(), row.sent) << row.what;
        // Whatever was left out now is sent next time it is asked for.
        PresentAll(h);
        posix::TakeWindowBlits();
    }
}

// What the window shows may stop matching the record of it: the window's own
// repaint, a copy from the memory bitmap, a new colour table. The next present
// sends those parts again.
TEST_F(PresentChangesTest, WhatTheRecordCannotVouchForIsSentAgain) {
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    h.FillFrame(3);
    PresentAll(h);

    PresentFrame(h.display());  // the window's thread repaints
    posix::TakeWindowBlits();
    PresentAll(h);
    EXPECT_EQ(Sent(), (std::vector<Box>{{0, 0, 800, 600}})) << "after a repaint, everything";

    RefreshMemoryBitmap(h.display());
    PresentRect(h.display(), 0, 200, 800, 10);
    posix::TakeWindowBlits();
    PresentChanges(h.display(), 0, 0, 800, 600);
    EXPECT_EQ(Sent(), (std::vector<Box>{{0, 200, 800, 210}})) << "after a copy from the memory bitmap, its rows";

    h.display().Dib.DibColourTable[3] = RGBQUAD{0x11, 0x22, 0x33, 0};
    RefreshPalette(h.display());
    PresentAll(h);
    EXPECT_EQ(h.WindowPixel(400, 300), 0x332211u) << "after new colours, everything in them";
}

TEST_F(PresentChangesTest, ColumnsBetweenTwoPresentedRectanglesAreNotTakenAsShown) {
    posix::FillScreen(0xFFFFFF);
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    h.FillFrame(0);
    PresentChanges(h.display(), 0, 0, 10, 600);
    PresentChanges(h.display(), 20, 0, 10, 600);
    EXPECT_EQ(h.WindowPixel(15, 300), 0xFFFFFFu) << "not asked for yet";
    PresentChanges(h.display(), 0, 0, 30, 600);
    EXPECT_EQ(h.WindowPixel(15, 300), h.ColourOf(0));
}

// Ticks as the show runs them: whether the tick presents something, and
// whether one pixel at the origin is then copied onto itself.
TEST_F(PresentChangesTest, TheFirstQuietTickAfterDrawingTouchesOnePixelSoTheLastDrawingShows) {
    struct TickRow {
        bool presents;
        bool touched;
    };
    const TickRow ticks[] = {
        {true, false}, {false, true}, {false, false}, {false, false}, {true, false},
        {true, false}, {false, true}, {true, false},  {false, true},
    };
    DisplayHarness h(0, 0, 1024, 768, false);
    ASSERT_TRUE(h.ok());
    uint8_t index = 1;
    int n = 0;
    for (const TickRow& tick : ticks) {
        ++n;
        if (tick.presents) {
            h.FillFrame(++index);
            PresentAll(h);
        }
        posix::TakeWindowBlits();
        SettlePresentation(h.display());
        const std::vector<posix::BlitRecord> blits = posix::TakeWindowBlits();
        ASSERT_EQ(blits.size(), tick.touched ? 1u : 0u) << "tick " << n;
        if (tick.touched) {
            EXPECT_EQ(blits[0].x, 112);
            EXPECT_EQ(blits[0].y, 84);
            EXPECT_EQ(blits[0].width, 1);
            EXPECT_EQ(blits[0].height, 1);
            EXPECT_EQ(h.WindowPixel(112, 84), h.ColourOf(index)) << "the pixel it copied onto itself";
        }
    }
}

// Random changes and random rectangles at an odd stretched width and a
// centred output: after each present, inside the rectangle the window shows
// the frame; outside it, what it showed before.
TEST_F(PresentChangesTest, TheWindowAlwaysShowsWhatAWholePresentWould) {
    struct Case {
        int windowWidth, windowHeight;
        bool stretch;
    };
    SetScreenSize(1366, 768);
    for (const Case c : {Case{1366, 768, true}, Case{1024, 768, false}, Case{152, 112, true}}) {
        posix::FillScreen(0);
        DisplayHarness h(0, 0, c.windowWidth, c.windowHeight, c.stretch);
        ASSERT_TRUE(h.ok());
        const OutputGeometry& g = h.display().Geometry;
        std::vector<uint32_t> expected(size_t(g.OutputWidth) * size_t(g.OutputHeight), 0);
        std::mt19937 random(uint32_t(c.windowWidth));
        const auto below = [&random](int n) { return int(random() % uint32_t(n)); };
        for (int round = 0; round < 100; ++round) {
            for (int k = below(4); k > 0; --k) {
                const int x = below(g.OutputWidth), y = below(g.OutputHeight);
                Paint(h, x, y, 1 + below(g.OutputWidth - x), 1 + below(std::min(40, g.OutputHeight - y)),
                      uint8_t(below(256)));
            }
            const int x = below(g.OutputWidth + 20) - 10, y = below(g.OutputHeight + 20) - 10;
            const int width = below(g.OutputWidth), height = below(g.OutputHeight);
            PresentChanges(h.display(), x, y, width, height);
            for (int v = std::max(y, 0); v < std::min(y + height, g.OutputHeight); ++v)
                for (int u = std::max(x, 0); u < std::min(x + width, g.OutputWidth); ++u)
                    expected[size_t(v) * size_t(g.OutputWidth) + size_t(u)] =
                        h.ColourOf(FrameRow(FrameOf(h.display()), v)[u]);
            int wrong = 0;
            for (int v = 0; v < g.OutputHeight; ++v)
                for (int u = 0; u < g.OutputWidth; ++u)
                    wrong += h.WindowPixel(g.OriginX + u, g.OriginY + v) !=
                             expected[size_t(v) * size_t(g.OutputWidth) + size_t(u)];
            ASSERT_EQ(wrong, 0) << c.windowWidth << "x" << c.windowHeight << ", round " << round;
        }
    }
}

}  // namespace
}  // namespace quibac
