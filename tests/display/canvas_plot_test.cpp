// CanvasPlot writes exactly the block the maps give a canvas pixel.
#include "display/display.h"
#include "support/display_harness.h"
#include "support/platform_fixture.h"

#include <vector>

namespace quibac {
namespace {

using testing::DisplayHarness;

class CanvasPlotTest : public testing::PlatformTest {
protected:
    static std::vector<uint8_t> Frame(DisplayHarness& h) {
        const Display& d = h.display();
        const uint8_t* begin = d.Dib.FrameBuffer;
        return std::vector<uint8_t>(begin, begin + size_t(d.Dib.Stride) * size_t(d.Geometry.OutputHeight));
    }
    static int Changed(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
        int n = 0;
        for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
        return n;
    }
};

TEST_F(CanvasPlotTest, OneByteAtCanvasSize) {
    DisplayHarness h(0, 0, 800, 600, false);
    ASSERT_TRUE(h.ok());
    const auto before = Frame(h);
    CanvasPlot(FrameOf(h.display()), 799, 599, 42);
    CanvasPlot(FrameOf(h.display()), 0, 0, 43);
    const auto after = Frame(h);
    EXPECT_EQ(Changed(before, after), 2);
    EXPECT_EQ(after[599 * 800 + 799], 42);
    EXPECT_EQ(after[0], 43);
}

TEST_F(CanvasPlotTest, ScaledBlocksStayInsideTheRowsWidth) {
    DisplayHarness h(0, 0, 1366, 768, true);
    ASSERT_TRUE(h.ok());
    const auto before = Frame(h);
    CanvasPlot(FrameOf(h.display()), 799, 599, 42);
    const auto after = Frame(h);
    const ScalingMaps& m = h.display().Maps;
    EXPECT_EQ(Changed(before, after), m.ColSpan[799] * m.RowSpan[599]);
    for (int v = m.RowStart[599]; v < 768; ++v) {
        EXPECT_EQ(after[size_t(v) * 1368 + 1365], 42);
        EXPECT_EQ(after[size_t(v) * 1368 + 1366], 0) << "the row padding is not drawn";
    }
}

TEST_F(CanvasPlotTest, ZeroSpansWriteNothing) {
    DisplayHarness h(0, 0, 152, 112, false);
    ASSERT_TRUE(h.ok());
    const ScalingMaps& m = h.display().Maps;
    int dropped = -1;
    for (int x = 0; x < 800 && dropped < 0; ++x)
        if (m.ColSpan[x] == 0) dropped = x;
    ASSERT_GE(dropped, 0);
    const auto before = Frame(h);
    CanvasPlot(FrameOf(h.display()), dropped, 300, 42);
    EXPECT_EQ(Changed(before, Frame(h)), 0);
}

}  // namespace
}  // namespace quibac
