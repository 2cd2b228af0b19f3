// The first palette, its rebuild after a colour chunk, and the frame DIB's
// layout as the platform reads it.
#include "display/display.h"
#include "display/palette.h"
#include "support/display_harness.h"
#include "support/platform_fixture.h"

#include <cstring>

namespace quibac {
namespace {

using testing::DisplayHarness;

class PaletteTest : public testing::PlatformTest {};

TEST_F(PaletteTest, FirstPaletteFixesBlackAndWhiteAndFlagsTheRest) {
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    PaletteState& p = h.display().Palette;
    const auto colours = testing::DistinctColours();
    EXPECT_EQ(p.PaletteBlock->palVersion, 0x300);
    EXPECT_EQ(p.PaletteBlock->palNumEntries, 256);
    const PALETTEENTRY first = p.Entry(0), last = p.Entry(255);
    EXPECT_EQ(first.peRed + first.peGreen + first.peBlue, 0);
    EXPECT_EQ(first.peFlags, 0);
    EXPECT_EQ(last.peRed & last.peGreen & last.peBlue, 255);
    EXPECT_EQ(last.peFlags, 0);
    for (int k = 1; k < 255; ++k) {
        EXPECT_EQ(p.Entry(k).peRed, colours[size_t(k)].r);
        EXPECT_EQ(p.Entry(k).peGreen, colours[size_t(k)].g);
        EXPECT_EQ(p.Entry(k).peBlue, colours[size_t(k)].b);
        EXPECT_EQ(p.Entry(k).peFlags, PC_NOCOLLAPSE);
    }
    // The frame's colour table equals the built palette.
    const RGBQUAD* table = h.display().Dib.DibColourTable;
    EXPECT_EQ(table[0].rgbRed + table[0].rgbGreen + table[0].rgbBlue, 0);
    EXPECT_EQ(table[255].rgbRed & table[255].rgbGreen & table[255].rgbBlue, 255);
    EXPECT_EQ(table[77].rgbGreen, colours[77].g);
    EXPECT_EQ(table[77].rgbReserved, 0);
}

TEST_F(PaletteTest, RebuildKeeps255WhiteButLetsEntry0FollowTheTable) {
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    RGBQUAD* table = h.display().Dib.DibColourTable;
    table[0] = RGBQUAD{30, 20, 10, 0};
    table[255] = RGBQUAD{1, 2, 3, 0};
    table[128] = RGBQUAD{9, 8, 7, 0};
    const int objects = posix::LiveGdiObjects();

    RefreshPalette(h.display());

    PaletteState& p = h.display().Palette;
    EXPECT_EQ(p.Entry(0).peRed, 10);
    EXPECT_EQ(p.Entry(0).peBlue, 30);
    EXPECT_EQ(p.Entry(0).peFlags, PC_NOCOLLAPSE);
    EXPECT_EQ(p.Entry(255).peRed & p.Entry(255).peGreen & p.Entry(255).peBlue, 255);
    EXPECT_EQ(p.Entry(255).peFlags, PC_NOCOLLAPSE);
    EXPECT_EQ(p.Entry(128).peRed, 7);
    // The frame's own table keeps the animation's colour for 255.
    EXPECT_EQ(table[255].rgbBlue, 1);
    EXPECT_NE(h.display().SaverPalette.get(), nullptr);
    EXPECT_EQ(posix::LiveGdiObjects(), objects) << "the old palette is deleted";
}

TEST_F(PaletteTest, RepeatedRebuildsAndFreeLeaveNothingBehind) {
    {
        DisplayHarness h(0, 0, 1024, 768, true);
        ASSERT_TRUE(h.ok());
        for (int i = 0; i < 50; ++i) RefreshPalette(h.display());
    }
    EXPECT_EQ(GdiObjectsLeft(), 0);
    EXPECT_EQ(MemoryBlocksLeft(), 0);
}

template <typename T>
T Field(const uint8_t* image, size_t offset) {
    T value;
    std::memcpy(&value, image + offset, sizeof value);
    return value;
}

TEST_F(PaletteTest, FrameDibIsABmpImageOfTheOutput) {
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    const auto* image = reinterpret_cast<const uint8_t*>(h.display().Dib.FileHeader);
    EXPECT_EQ(Field<uint16_t>(image, 0), 0x4D42);
    EXPECT_EQ(Field<uint32_t>(image, 2), 481078u);
    EXPECT_EQ(Field<uint32_t>(image, 10), 1078u);
    EXPECT_EQ(Field<uint32_t>(image, 14), 40u);
    EXPECT_EQ(Field<int32_t>(image, 18), 800);
    EXPECT_EQ(Field<int32_t>(image, 22), -600);
    EXPECT_EQ(Field<uint16_t>(image, 26), 1);
    EXPECT_EQ(Field<uint16_t>(image, 28), 8);
    EXPECT_EQ(Field<uint32_t>(image, 30), 0u);
    EXPECT_EQ(Field<uint32_t>(image, 46), 0u);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(h.display().Dib.DibColourTable), image + 54);
    EXPECT_EQ(h.display().Dib.FrameBuffer, image + 1078);
    // The frame starts black.
    for (int i = 0; i < 800 * 600; i += 997) EXPECT_EQ(h.display().Dib.FrameBuffer[i], 0);
    // The platform reads the headers through aligned pointers.
    EXPECT_EQ(reinterpret_cast<uintptr_t>(h.display().Dib.InfoHeader) % 4, 0u);
}

TEST_F(PaletteTest, OddWidthsPadEveryRowAndTheSizesFollow) {
    DisplayHarness h(0, 0, 1366, 768, true);
    ASSERT_TRUE(h.ok());
    const auto* image = reinterpret_cast<const uint8_t*>(h.display().Dib.FileHeader);
    EXPECT_EQ(h.display().Dib.Stride, 1368);
    EXPECT_EQ(Field<uint32_t>(image, 2), 1078u + 1368u * 768u);
    EXPECT_EQ(Field<uint32_t>(image, 34), 1368u * 768u);
    EXPECT_EQ(Field<int32_t>(image, 18), 1366);
}

}  // namespace
}  // namespace quibac
