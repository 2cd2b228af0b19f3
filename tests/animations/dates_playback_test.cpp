// The dates header as the saver pre-rolls it: decoding frames 0..k leaves the
// header of December k + 1 in the DateBand, on its transparent background,
// with marker-coloured numbers in both halves and nothing below the band.
#include "embedded_player.h"
#include "support/resource_bytes.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <set>

namespace quibac {
namespace {

constexpr int kHalf = 400;
constexpr int kDays = 25;
// The big numbers are far larger than this; a stray pixel is not.
constexpr int kLargeLettering = 1500;

struct HalfCounts {
    int marker = 0;  // pixels of the marker colour
    int other = 0;   // other lettering
};

HalfCounts Count(const DateBand& band, int fromX, int toX) {
    HalfCounts c;
    for (int y = 0; y < kBandRows; ++y)
        for (int x = fromX; x < toX; ++x) {
            const uint8_t p = band.At(x, y);
            if (p == kMarkerColour)
                ++c.marker;
            else if (p != band.Background())
                ++c.other;
        }
    return c;
}

class DatesPlayback : public testing::EmbeddedAnimationTest {};

TEST_F(DatesPlayback, EachDaysHeaderReadsInBothHalves) {
    Start("DATESFLIC");
    band_.BandCapture = true;
    DateBand previous{};
    for (int day = 1; day <= kDays; ++day) {
        SCOPED_TRACE("December " + std::to_string(day));
        ASSERT_GT(Step(), 0u);
        ASSERT_EQ(player_.FrameCounter, day);
        EXPECT_EQ(band_.Background(), kArtBackground);
        const HalfCounts left = Count(band_, 0, kHalf), right = Count(band_, kHalf, kCanvasWidth);
        EXPECT_GT(left.marker, kLargeLettering) << "the date's number";
        EXPECT_GT(left.other, kLargeLettering) << "the month and its edge";
        // On the 25th the right half is the greeting, which the saver keeps on
        // its own after the 25th: it carries the marker colour too.
        EXPECT_GT(right.marker, kLargeLettering) << "the count, or the greeting";
        EXPECT_GT(right.other, kLargeLettering);
        // The lettering keeps clear of the middle, so that blanking the left
        // half takes the whole date and nothing of the right half.
        EXPECT_EQ(Count(band_, kHalf - 6, kHalf + 6).marker + Count(band_, kHalf - 6, kHalf + 6).other, 0);
        if (day > 1) {
            EXPECT_NE(band_.Pixels, previous.Pixels) << "the header moved on a day";
        }
        previous = band_;

        // Below the header the picture stays plain background.
        const testing::Picture canvas = Canvas();
        size_t stray = 0;
        for (size_t i = size_t(kBandRows) * kCanvasWidth; i < canvas.size(); ++i) stray += canvas[i] != kArtBackground;
        EXPECT_EQ(stray, 0u);
    }
}

// The colours of lettering pixels that touch the background: what shows at
// the letters' outer edge when they are drawn over a picture.
std::set<uint8_t> OuterEdgeColours(const DateBand& band) {
    std::set<uint8_t> edge;
    const uint8_t bg = band.Background();
    for (int y = 0; y < kBandRows; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) {
            if (band.At(x, y) == bg) continue;
            if ((x > 0 && band.At(x - 1, y) == bg) || (x + 1 < kCanvasWidth && band.At(x + 1, y) == bg) ||
                (y > 0 && band.At(x, y - 1) == bg) || (y + 1 < kBandRows && band.At(x, y + 1) == bg))
                edge.insert(band.At(x, y));
        }
    return edge;
}

TEST_F(DatesPlayback, LettersEndInOneDarkOutlineOverAnyPicture) {
    Start("DATESFLIC");
    band_.BandCapture = true;
    std::set<uint8_t> edge;
    for (int day = 1; day <= kDays; ++day) {
        ASSERT_GT(Step(), 0u);
        const std::set<uint8_t> today = OuterEdgeColours(band_);
        edge.insert(today.begin(), today.end());
    }
    // No white fringe and no marker at the rim: one dark colour all round.
    ASSERT_EQ(edge.size(), 1u);
    const uint32_t rgb = harness_->ColourOf(*edge.begin());
    EXPECT_LT(((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF), 3u * 96u);
}

TEST_F(DatesPlayback, DaysAfterTheTwentyFifthKeepAGreetingOnTheRight) {
    Start("DATESFLIC");
    band_.BandCapture = true;
    for (int day = 1; day <= kDays; ++day) ASSERT_GT(Step(), 0u);
    // What the saver does on the 26th to the 31st.
    for (int y = 0; y < kBandRows; ++y)
        std::memset(band_.Pixels.data() + size_t(y) * kCanvasWidth, band_.Background(), kHalf);
    const HalfCounts right = Count(band_, kHalf, kCanvasWidth);
    EXPECT_GT(right.marker, kLargeLettering);
    EXPECT_GT(right.other, kLargeLettering);
    EXPECT_EQ(Count(band_, 0, kHalf).marker + Count(band_, 0, kHalf).other, 0);
}

TEST_F(DatesPlayback, FirstFrameSetsTheSharedColourTable) {
    Start("DATESFLIC");
    ASSERT_GT(Step(), 0u);
    const std::vector<uint8_t> walk = testing::AssetBytes("walkanim.bmp");
    ASSERT_GE(walk.size(), 54u + 1024u);
    for (int k = 0; k < 256; ++k) {
        const uint8_t* e = walk.data() + 54 + 4 * k;
        EXPECT_EQ(harness_->ColourOf(uint8_t(k)), (uint32_t(e[2]) << 16) | (uint32_t(e[1]) << 8) | e[0])
            << "entry " << k;
    }
}

TEST_F(DatesPlayback, EmbeddedResourcesAreTheCommittedFiles) {
    for (const auto& [name, file] :
         {std::pair{"DATESFLIC", "datesflic.flc"}, std::pair{"ADVENTFLIC", "adventflic.flc"}}) {
        SCOPED_TRACE(name);
        const std::vector<uint8_t> embedded = testing::ResourceBytes(posix::MainModule(), "FLIC", name);
        ASSERT_FALSE(embedded.empty());
        EXPECT_TRUE(embedded == testing::AssetBytes(file));
    }
}

}  // namespace
}  // namespace quibac
