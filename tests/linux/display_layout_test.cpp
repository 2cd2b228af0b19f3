// The displays SDL reports turned into the monitors the saver sees: the first
// display at (0, 0), the others around it at negative coordinates too, and a
// point of a display's window placed on the screen, scaled when the window is
// not its part's size.
#include "display_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

namespace quibac::linux_sdl {
namespace {

auto Tie(const RECT& r) { return std::tuple{r.left, r.top, r.right, r.bottom}; }

struct LayoutRow {
    const char* name;
    std::vector<DisplayBounds> displays;
    std::vector<RECT> monitors;
};

class DisplayLayoutTest : public ::testing::TestWithParam<LayoutRow> {};

TEST_P(DisplayLayoutTest, PutsTheFirstDisplayAtTheOrigin) {
    const LayoutRow& row = GetParam();
    const std::vector<RECT> monitors = MonitorsOfDisplays(row.displays);
    ASSERT_EQ(monitors.size(), row.monitors.size());
    for (size_t i = 0; i < monitors.size(); ++i) EXPECT_EQ(Tie(monitors[i]), Tie(row.monitors[i])) << "monitor " << i;
}

const LayoutRow kLayoutRows[] = {
    {"None", {}, {}},
    {"One", {{0, 0, 1920, 1080}}, {{0, 0, 1920, 1080}}},
    {"SecondRightOfTheFirst", {{0, 0, 1024, 768}, {1024, 0, 800, 600}}, {{0, 0, 1024, 768}, {1024, 0, 1824, 600}}},
    // X keeps its screen at or right of (0, 0): the primary output may lie to the right.
    {"SecondLeftOfTheFirst", {{800, 0, 1024, 768}, {0, 0, 800, 600}}, {{0, 0, 1024, 768}, {-800, 0, 0, 600}}},
    {"ThirdAboveTheFirst",
     {{0, 600, 1024, 768}, {1024, 600, 640, 480}, {0, 0, 800, 600}},
     {{0, 0, 1024, 768}, {1024, 0, 1664, 480}, {0, -600, 800, 0}}},
    {"ADisplayWithoutAnAreaIsLeftOut", {{0, 0, 1024, 768}, {1024, 0, 0, 600}}, {{0, 0, 1024, 768}}},
    {"AFirstDisplayWithoutAnAreaLeavesTheNextFirst", {{0, 0, 0, 0}, {50, 60, 640, 480}}, {{0, 0, 640, 480}}},
    {"ADisplayTooFarAwayIsLeftOut", {{INT_MAX - 2000, 0, 1024, 768}, {INT_MIN, 0, 800, 600}}, {{0, 0, 1024, 768}}},
};

void PrintTo(const LayoutRow& row, std::ostream* out) { *out << row.name; }
std::string LayoutName(const ::testing::TestParamInfo<LayoutRow>& info) { return info.param.name; }
INSTANTIATE_TEST_SUITE_P(Displays, DisplayLayoutTest, ::testing::ValuesIn(kLayoutRows), LayoutName);

TEST(ScreenPointTest, AWindowsPointLandsInItsPartScaledWhenTheSizesDiffer) {
    const RECT part{-800, 0, 0, 600};
    const struct {
        int windowWidth, windowHeight, x, y;
        LONG screenX, screenY;
    } rows[] = {
        {800, 600, 0, 0, -800, 0},
        {800, 600, 799, 599, -1, 599},    // the window is the part's size
        {400, 300, 200, 150, -400, 300},  // half the size: twice the distance
        {0, 0, 10, 20, -790, 20},         // a size not known yet: unscaled
    };
    for (const auto& row : rows) {
        const POINT at = ScreenPointOf(part, row.windowWidth, row.windowHeight, row.x, row.y);
        EXPECT_EQ((std::tuple{at.x, at.y}), (std::tuple{row.screenX, row.screenY}))
            << row.windowWidth << "x" << row.windowHeight << " at " << row.x << "," << row.y;
    }
}

}  // namespace
}  // namespace quibac::linux_sdl
