// What crosses over to the page's canvas: only the pixels that differ from
// what it already holds, in the bytes a canvas takes.
#include "canvas_mirror.h"

#include <gtest/gtest.h>

#include <vector>

namespace quibac::web {
namespace {

constexpr int kWidth = 8, kHeight = 6;
constexpr uint32_t kRed = 0x00FF0000, kBlue = 0x000000FF, kBlack = 0;

class CanvasMirrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        mirror_.Reset(kWidth, kHeight);
        screen_.assign(size_t(kWidth) * kHeight, kBlack);
    }

    RECT TakeWhole() { return mirror_.Take(RECT{0, 0, kWidth, kHeight}, screen_.data()); }
    void Paint(int x, int y, uint32_t colour) { screen_[size_t(y) * kWidth + size_t(x)] = colour; }

    CanvasMirror mirror_;
    std::vector<uint32_t> screen_;
};

void ExpectRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST_F(CanvasMirrorTest, SendsTheFirstAreaWholeAndThenOnlyWhatChanged) {
    // A canvas not yet drawn holds nothing known, black or not.
    ExpectRect(TakeWhole(), 0, 0, kWidth, kHeight);
    // The same pixels again: nothing to draw.
    ExpectRect(TakeWhole(), 0, 0, 0, 0);
    Paint(5, 2, kRed);
    ExpectRect(TakeWhole(), 5, 2, 6, 3);
    // Two changes far apart: the rectangle holding both.
    Paint(1, 4, kBlue);
    Paint(6, 1, kBlue);
    ExpectRect(TakeWhole(), 1, 1, 7, 5);
    // A reset (a new run, a resized canvas) forgets what the canvas held.
    mirror_.Reset(kWidth, kHeight);
    ExpectRect(TakeWhole(), 0, 0, kWidth, kHeight);
}

TEST_F(CanvasMirrorTest, ComparesAnAreaWhereItLiesOnTheCanvas) {
    TakeWhole();
    // A 3 x 2 area at (4, 3), its own rows packed, one pixel new.
    std::vector<uint32_t> area(6, kBlack);
    area[4] = kRed;  // row 1, column 1: canvas (5, 4)
    ExpectRect(mirror_.Take(RECT{4, 3, 7, 5}, area.data()), 5, 4, 6, 5);
    // What was taken is now what the canvas holds.
    Paint(5, 4, kRed);
    ExpectRect(TakeWhole(), 0, 0, 0, 0);
}

TEST_F(CanvasMirrorTest, KeepsToTheCanvasWhateverTheAreaSays) {
    TakeWhole();
    // An area hanging off the top-left corner: its pixels off the canvas are
    // skipped, the rest read at their place in the area's rows.
    std::vector<uint32_t> area(16);
    for (size_t i = 0; i < area.size(); ++i) area[i] = uint32_t(i + 1);
    ExpectRect(mirror_.Take(RECT{-2, -2, 2, 2}, area.data()), 0, 0, 2, 2);
    std::vector<uint32_t> packed;
    mirror_.Pack(RECT{0, 0, 2, 2}, packed);
    // Area pixels (2, 2), (3, 2), (2, 3), (3, 3): the 11th, 12th, 15th and 16th.
    const std::vector<uint32_t> kept = {0xFF0B0000, 0xFF0C0000, 0xFF0F0000, 0xFF100000};
    EXPECT_EQ(packed, kept);
    ExpectRect(mirror_.Take(RECT{kWidth, 0, kWidth + 4, 4}, area.data()), 0, 0, 0, 0);
    ExpectRect(mirror_.Take(RECT{3, 3, 3, 5}, area.data()), 0, 0, 0, 0);
    ExpectRect(mirror_.Take(RECT{0, 0, 2, 2}, nullptr), 0, 0, 0, 0);
}

TEST_F(CanvasMirrorTest, PacksTheRectangleAsOpaqueRgbaBytes) {
    Paint(2, 1, 0x00123456);
    Paint(3, 1, kBlue);
    Paint(2, 2, kRed);
    TakeWhole();
    std::vector<uint32_t> packed;
    mirror_.Pack(RECT{2, 1, 4, 3}, packed);
    ASSERT_EQ(packed.size(), 4u);
    const auto* bytes = reinterpret_cast<const uint8_t*>(packed.data());
    const std::vector<uint8_t> expected = {0x12, 0x34, 0x56, 0xFF, 0x00, 0x00, 0xFF, 0xFF,
                                           0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF};
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + 16), expected);
}

}  // namespace
}  // namespace quibac::web
