// The show presents only what changed, yet after every tick of a whole
// December cycle (walks, winks, doors, the advert) the window shows the frame
// buffer exactly, as presenting whole frames and whole bands would leave it.
#include "display/reveal.h"
#include "show/sequencer.h"
#include "support/show_fixture.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <algorithm>
#include <array>
#include <vector>

namespace quibac {
namespace {

class ShownFramesTest : public testing::ShowTest {
protected:
    // Pixels of the output area whose screen colour is not the frame's.
    static int Mismatches(const Display& d) {
        const OutputGeometry& g = d.Geometry;
        std::array<uint32_t, 256> colour{};
        for (size_t k = 0; k < colour.size(); ++k) {
            const RGBQUAD& q = d.Dib.DibColourTable[k];
            colour[k] = (uint32_t(q.rgbRed) << 16) | (uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
        }
        const std::vector<uint32_t> screen = posix::ScreenPixels(g.OriginX, g.OriginY, g.OutputWidth, g.OutputHeight);
        int wrong = 0;
        for (int v = 0; v < g.OutputHeight; ++v) {
            const uint8_t* row = FrameRow(FrameOf(d), v);
            for (int u = 0; u < g.OutputWidth; ++u)
                wrong += screen[size_t(v) * size_t(g.OutputWidth) + size_t(u)] != colour[row[u]];
        }
        return wrong;
    }
};

TEST_F(ShownFramesTest, AfterEveryTickOfACycleTheWindowShowsTheFrame) {
    struct Size {
        int width, height;
        bool stretch;
    };
    constexpr int kCycleScenes = 9;
    for (const Size size : {Size{1024, 768, false}, Size{1366, 768, true}, Size{320, 390, true}}) {
        UseScreen(size.width, size.height);
        posix::SetLocalDateTime(2026, 12, 24);
        posix::SetMillisecondClocks(0, 0);
        Show& show = Make(size.width, size.height, size.stretch).show();
        ShowStart(show);
        int ticks = 0, badTicks = 0;
        std::array<int, 5> ticksOf{};
        while (show.Sequencer.ScenesSetUp <= kCycleScenes) {
            ShowTick(show);
            ++ticks;
            ++ticksOf[size_t(show.Sequencer.CurrentScene)];
            const int wrong = Mismatches(show.Output);
            if (wrong != 0 && ++badTicks <= 3)
                ADD_FAILURE() << size.width << "x" << size.height << ": tick " << ticks << " in scene "
                              << int(show.Sequencer.CurrentScene) << ", " << wrong << " pixels wrong";
        }
        EXPECT_EQ(badTicks, 0) << size.width << "x" << size.height << ", of " << ticks << " ticks";
        for (size_t scene = 0; scene < ticksOf.size(); ++scene) {
            if (scene == size_t(Scene::Wink) && size.width == 320) continue;  // may walk instead
            EXPECT_GT(ticksOf[scene], 0) << "scene " << scene << " at " << size.width << "x" << size.height;
        }
    }
}

// The advert's ticks draw nothing after its reveal: the thread's first quiet
// tick then touches one pixel, so that a platform holding back the end of the
// reveal shows it.
TEST_F(ShownFramesTest, TheThreadSettlesWhatTheAdvertsRevealDrewOnItsFirstQuietTick) {
    Show& show = Make().show();
    posix::SetLocalDateTime(2026, 11, 30);  // no doors: the advert comes second
    std::vector<posix::BlitRecord> advertBlits;
    posix::SetSleepHook([&](DWORD ms) {
        if (ms <= kRevealStepMs) return;  // a reveal step
        if (show.Sequencer.CurrentScene == Scene::Advert) {
            const std::vector<posix::BlitRecord> blits = posix::TakeWindowBlits();
            advertBlits.insert(advertBlits.end(), blits.begin(), blits.end());
        } else {
            posix::TakeWindowBlits();
        }
        if (show.Sequencer.ScenesSetUp > 2) show.ShowRunning = false;
    });
    ShowThread(&show);
    posix::SetSleepHook(nullptr);
    ASSERT_GE(advertBlits.size(), 600u) << "the advert's reveal";
    const auto touch = [](const posix::BlitRecord& b) { return b.width == 1 && b.height == 1; };
    EXPECT_TRUE(touch(advertBlits.back())) << "the touch comes last";
    EXPECT_EQ(std::count_if(advertBlits.begin(), advertBlits.end(), touch), 1) << "one touch, and only one";
}

}  // namespace
}  // namespace quibac
