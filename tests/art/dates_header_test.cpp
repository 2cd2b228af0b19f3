// The dates header as the generator letters it in every language: lettering
// that reads over any picture because its outer edge is always the dark
// outline, never a colour that would fringe the letters, and halves that keep
// apart however long a language's words.
#ifdef QUIBAC_ARTGEN

#include "dates_header.h"
#include "palette.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <tuple>

namespace artgen {
namespace {

TEST(ArtDatesHeader, CountsDownToTheGreeting) {
    const Language& english = ReferenceLanguage();
    EXPECT_EQ(DaysLeftText(english, 1), "24 days to Christmas");
    EXPECT_EQ(DaysLeftText(english, 23), "2 days to Christmas");
    EXPECT_EQ(DaysLeftText(english, 24), "1 day to Christmas");
    EXPECT_EQ(DaysLeftText(english, 25), "Merry Christmas!");
}

class ArtDatesLettering : public ::testing::TestWithParam<std::tuple<std::string, int>> {};

TEST_P(ArtDatesLettering, HardOuterEdgeInAFewFixedColours) {
    const auto& [code, day] = GetParam();
    const Palette palette = FixedPalette();
    const IndexedImage header = RenderHeader(LanguageWithCode(code), day, palette);
    ASSERT_EQ(header.width, 800);
    ASSERT_EQ(header.height, kHeaderRows);
    EXPECT_EQ(header.at(0, 0), kBackgroundIndex);

    std::set<uint8_t> used(header.pixels.begin(), header.pixels.end());
    EXPECT_TRUE(used.count(kMarkerIndex)) << "the numbers";
    EXPECT_TRUE(used.count(kWhiteIndex)) << "white words and rims";
    // Background, marker, white, and the outline's dark and one grey step.
    EXPECT_LE(used.size(), 5u);

    // Every lettering pixel that touches the background is of one colour: the
    // outline, which is neither white nor the marker.
    std::set<uint8_t> edge;
    for (int y = 0; y < header.height; ++y)
        for (int x = 0; x < header.width; ++x) {
            const uint8_t p = header.at(x, y);
            if (p == kBackgroundIndex) continue;
            const bool touches = (x > 0 && header.at(x - 1, y) == kBackgroundIndex) ||
                                 (x + 1 < header.width && header.at(x + 1, y) == kBackgroundIndex) ||
                                 (y > 0 && header.at(x, y - 1) == kBackgroundIndex) ||
                                 (y + 1 < header.height && header.at(x, y + 1) == kBackgroundIndex);
            if (touches) edge.insert(p);
        }
    ASSERT_EQ(edge.size(), 1u);
    const uint8_t outline = *edge.begin();
    EXPECT_NE(outline, kWhiteIndex);
    EXPECT_NE(outline, kMarkerIndex);
    const Rgb c = palette.colours[outline];
    EXPECT_LT(int(c.r) + c.g + c.b, 3 * 96) << "a dark outline";

    // The halves keep apart: nothing lettered in the middle columns.
    for (int y = 0; y < header.height; ++y)
        for (int x = kHeaderHalf - 4; x < kHeaderHalf + 4; ++x)
            ASSERT_EQ(header.at(x, y), kBackgroundIndex) << x << "," << y;
}

// The longest words of each language stand on the 1st and the 24th (the
// longest count, the one-day form), the greeting on the 25th.
INSTANTIATE_TEST_SUITE_P(
    Days, ArtDatesLettering,
    ::testing::Combine(::testing::Values("en", "de", "fr", "nl", "sv", "da", "nb", "pl", "cs", "es", "it"),
                       ::testing::Values(1, 2, 11, 21, 24, 25)),
    [](const auto& row) { return std::get<0>(row.param) + "_" + std::to_string(std::get<1>(row.param)); });

TEST(ArtDatesHeader, FramesCoverTheDaysOverPlainBackground) {
    const std::vector<IndexedImage> frames = RenderDatesFrames(LanguageWithCode("pl"), FixedPalette());
    ASSERT_EQ(frames.size(), size_t(kHeaderDays));
    for (size_t k = 0; k < frames.size(); ++k) {
        ASSERT_EQ(frames[k].width, 800);
        ASSERT_EQ(frames[k].height, 600);
        for (size_t i = size_t(800) * kHeaderRows; i < frames[k].pixels.size(); ++i)
            ASSERT_EQ(frames[k].pixels[i], kBackgroundIndex) << "frame " << k;
        if (k > 0) {
            EXPECT_NE(frames[k].pixels, frames[k - 1].pixels) << "frame " << k;
        }
    }
}

TEST(ArtDatesHeader, OnlyTheFirstToTheTwentyFifth) {
    EXPECT_THROW(RenderHeader(ReferenceLanguage(), 0, FixedPalette()), std::invalid_argument);
    EXPECT_THROW(RenderHeader(ReferenceLanguage(), 26, FixedPalette()), std::invalid_argument);
}

}  // namespace
}  // namespace artgen

#endif
