// What a live program copies to the real screen: each area drawn since it
// last looked, so scattered changes cost their own pixels, not the rectangle
// around them all, and a flood of small ones one rectangle.
#include "support/platform_fixture.h"

#include <posix_screen.h>

#include <tuple>
#include <vector>

namespace quibac {
namespace {

using Edges = std::tuple<LONG, LONG, LONG, LONG>;

std::vector<Edges> EdgesOf(const std::vector<RECT>& areas) {
    std::vector<Edges> edges;
    for (const RECT& r : areas) edges.emplace_back(r.left, r.top, r.right, r.bottom);
    return edges;
}

class ChangedAreasTest : public testing::PlatformTest {
protected:
    void SetUp() override {
        SetScreenSize(640, 480);
        window_ = posix::CreateTestWindow(10, 20, 400, 300);
        dc_ = GetDC(window_);
        posix::TakeChangedAreas();
    }
    void TearDown() override {
        ReleaseDC(window_, dc_);
        posix::DestroyTestWindow(window_);
        PlatformTest::TearDown();
    }
    // Copies a block of the window onto itself: a drawing call that changes
    // nothing, but reaches the screen as any other.
    void Draw(int x, int y, int width, int height) { BitBlt(dc_, x, y, width, height, dc_, x, y, SRCCOPY); }

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

TEST_F(ChangedAreasTest, EachAreaDrawnIsListedOnceInScreenCoordinates) {
    Draw(0, 0, 5, 5);
    Draw(300, 200, 10, 10);
    Draw(1, 1, 2, 2);        // inside the first: nothing new
    Draw(390, 290, 50, 50);  // clipped to the window
    EXPECT_EQ(EdgesOf(posix::TakeChangedAreas()),
              (std::vector<Edges>{{10, 20, 15, 25}, {310, 220, 320, 230}, {400, 310, 410, 320}}));
    EXPECT_TRUE(posix::TakeChangedAreas().empty()) << "taken once";

    Draw(0, 0, 5, 5);
    Draw(300, 200, 10, 10);
    EXPECT_EQ(EdgesOf({posix::TakeChangedArea()}), (std::vector<Edges>{{10, 20, 320, 230}})) << "their bounds";
    EXPECT_TRUE(posix::TakeChangedAreas().empty()) << "taking the bounds forgets the list";
}

// A reveal draws its rows one by one, hundreds of them: the list stays short,
// and still holds every pixel drawn.
TEST_F(ChangedAreasTest, AFloodOfSmallAreasIsGatheredIntoFewThatHoldThemAll) {
    constexpr int kRows = 300;
    for (int row = 0; row < kRows; ++row) Draw(row % 7, row, 3, 1);
    const std::vector<RECT> areas = posix::TakeChangedAreas();
    EXPECT_LE(areas.size(), 128u);
    for (int row = 0; row < kRows; ++row) {
        const LONG x = 10 + row % 7, y = 20 + row;
        bool held = false;
        for (const RECT& r : areas) held |= r.left <= x && r.right >= x + 3 && r.top <= y && r.bottom > y;
        EXPECT_TRUE(held) << "row " << row;
    }
}

}  // namespace
}  // namespace quibac
