// What crosses over to the page's canvas: exactly the areas drawn since the
// last frame, each with its own pixels in the bytes a canvas takes, and
// nothing at all when nothing was drawn.
#include "frame_batch.h"

#include "support/bitmap_builder.h"
#include "support/platform_fixture.h"

#include <posix_screen.h>

#include <vector>

namespace quibac::web {
namespace {

constexpr int kWidth = 40, kHeight = 30;

// A 4 x 2 picture of eight colours (rows of whole words, as the resource
// builder packs them), drawn as the show draws its frames.
constexpr int kSide = 4, kRows = 2;
constexpr size_t kColourTableBytes = 256 * sizeof(RGBQUAD);
const std::vector<uint8_t> kEightIndices = {10, 20, 30, 40, 50, 60, 70, 80};  // top row first

// The canvas's bytes R, G, B, A as one little-endian word.
uint32_t Rgba(testing::Rgb c) { return 0xFF000000u | uint32_t(c.b) << 16 | uint32_t(c.g) << 8 | c.r; }

std::vector<uint32_t> EightAsCanvas() {
    const auto colours = testing::DistinctColours();
    std::vector<uint32_t> out;
    for (uint8_t index : kEightIndices) out.push_back(Rgba(colours[index]));
    return out;
}

class FrameBatchTest : public testing::PlatformTest {
protected:
    void SetUp() override {
        SetScreenSize(kWidth, kHeight);
        window_ = posix::CreateTestWindow(0, 0, kWidth, kHeight);
        dc_ = GetDC(window_);
    }
    void TearDown() override {
        ReleaseDC(window_, dc_);
        posix::DestroyTestWindow(window_);
        PlatformTest::TearDown();
    }
    void DrawEight(int x, int y) {
        const auto* info = reinterpret_cast<const BITMAPINFO*>(eight_.data());
        const uint8_t* bits = eight_.data() + sizeof(BITMAPINFOHEADER) + kColourTableBytes;
        ASSERT_EQ(SetDIBitsToDevice(dc_, x, y, kSide, kRows, 0, 0, 0, kRows, bits, info, DIB_RGB_COLORS), kRows);
    }

    const std::vector<uint8_t> eight_ =
        testing::MakeBitmapResource(kSide, kRows, kEightIndices, testing::DistinctColours());
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    FrameBatch batch_;
};

TEST_F(FrameBatchTest, AfterAResetTheWholeScreenThenNothingUntilTheShowDrawsAgain) {
    ASSERT_EQ(batch_.Take(), 1u);
    EXPECT_EQ(batch_.Areas(), (std::vector<int32_t>{0, 0, kWidth, kHeight}));
    EXPECT_EQ(batch_.Pixels(), std::vector<uint32_t>(size_t(kWidth) * kHeight, Rgba(testing::Rgb{0, 0, 0})));
    EXPECT_EQ(batch_.Take(), 0u) << "nothing drawn since";
    EXPECT_TRUE(batch_.Areas().empty());
    EXPECT_TRUE(batch_.Pixels().empty()) << "no pixels of the last frame again";
}

TEST_F(FrameBatchTest, EachAreaDrawnWithItsOwnPixelsNotTheRectangleAroundThem) {
    batch_.Take();
    DrawEight(2, 3);
    DrawEight(30, 20);
    ASSERT_EQ(batch_.Take(), 2u);
    EXPECT_EQ(batch_.Areas(), (std::vector<int32_t>{2, 3, kSide, kRows, 30, 20, kSide, kRows}));
    const std::vector<uint32_t> eight = EightAsCanvas();
    std::vector<uint32_t> both = eight;
    both.insert(both.end(), eight.begin(), eight.end());
    EXPECT_EQ(batch_.Pixels(), both);
    EXPECT_EQ(batch_.Take(), 0u);
}

}  // namespace
}  // namespace quibac::web
