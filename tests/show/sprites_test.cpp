// Sprite scenes: what each set-up and tick puts into the frame and onto the
// screen.
#include "display/canvas_plot.h"
#include "show/placement.h"
#include "show/scene_drawing.h"
#include "support/show_fixture.h"

#include <set>

namespace quibac {
namespace {

using testing::ShowTest;

class SpriteTest : public ShowTest {
protected:
    Show& Ready(int width = 800, int height = 600, int stretch = 0) {
        Show& show = Make(width, height, stretch).show();
        posix::SetLocalDateTime(2026, 12, 24);
        SeedRandom(show.Random, 4242);
        InitCalendar(show);
        // An asymmetric walker so that mirroring shows, in colours no other
        // test picture uses.
        for (int v = 0; v < kWalkStripHeight; ++v)
            for (int u = 0; u < kWalkStripWidth; ++u)
                show.Assets.WalkStrip[size_t(v) * kWalkStripWidth + size_t(u)] = uint8_t(1 + (u * 7 + v * 3) % 140);
        return show;
    }
    static int Count(const Display& d, uint8_t colour, int firstRow = 0, int rows = -1) {
        if (rows < 0) rows = d.Geometry.OutputHeight - firstRow;
        int n = 0;
        for (int v = firstRow; v < firstRow + rows; ++v)
            for (int u = 0; u < d.Geometry.OutputWidth; ++u) n += FrameRow(d, v)[u] == colour;
        return n;
    }
    static uint8_t Walker(const Show& show, int frame, int sc, int sr) {
        return show.Assets.WalkStrip[size_t(sr) * kWalkStripWidth + size_t(kWalkFrameWidth * frame + sc)];
    }
};

TEST_F(SpriteTest, WalkerIsMirroredWhenWalkingLeft) {
    Show& show = Ready();
    SpriteState& s = show.Sprites;
    s.SpriteScale = 1.0f;
    s.SpriteX = 100;
    s.SpriteY = 50;
    s.SpriteFrame = 2;
    s.WalkDirection = 1;
    DrawWalker(show);
    EXPECT_EQ(FrameRow(show.Screen, 60)[105], Walker(show, 2, 5, 10));
    s.WalkDirection = -1;
    DrawWalker(show);
    EXPECT_EQ(FrameRow(show.Screen, 60)[105], Walker(show, 2, 267 - 5, 10));
    EXPECT_EQ(FrameRow(show.Screen, 50 + 329)[100 + 267], Walker(show, 2, 0, 329));
}

TEST_F(SpriteTest, ScaledWalkerSamplesItsSourceAndIsClippedAtTheSides) {
    Show& show = Ready();
    SpriteState& s = show.Sprites;
    s.SpriteScale = 0.5f;
    s.SpriteY = 10;
    s.SpriteFrame = 7;
    s.WalkDirection = 1;
    s.SpriteX = -60;
    DrawWalker(show);
    EXPECT_EQ(FrameRow(show.Screen, 10 + 20)[0], Walker(show, 7, 120, 40));
    s.SpriteX = 800 - 30;
    DrawWalker(show);
    EXPECT_EQ(FrameRow(show.Screen, 10 + 164)[799], Walker(show, 7, 58, 328));
}

TEST_F(SpriteTest, WalkTickPresentsOnlyTheWalkersRows) {
    Show& show = Ready();
    SetUpScene(show, WalkScene);
    posix::TakeWindowBlits();
    const SpriteState before = show.Sprites;
    WalkTick(show);
    const int32_t h = WalkerHeight(before.SpriteScale);
    EXPECT_EQ(show.Sprites.SpriteX, before.SpriteX + WalkerStep(before.SpriteScale) * before.WalkDirection);
    EXPECT_EQ(show.Sprites.SpriteFrame, 1);
    const auto blits = posix::TakeWindowBlits();
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].y, before.SpriteY);
    EXPECT_EQ(blits[0].height, h);
    EXPECT_EQ(blits[0].width, 800);
}

TEST_F(SpriteTest, WalkSetUpPutsTheLogoOutsideTheWalkersRows) {
    Show& show = Ready();
    for (int i = 0; i < 20; ++i) {
        SetUpScene(show, WalkScene);
        const Display& d = show.Screen;
        const int32_t h = WalkerHeight(show.Sprites.SpriteScale);
        EXPECT_EQ(Count(d, 190), (kLogoWidth - 2) * (kLogoHeight - 2)) << "the whole logo";
        EXPECT_EQ(Count(d, 190, show.Sprites.SpriteY, h), 0) << "none of it in the walker's rows";
        for (int t = 0; t < 40; ++t) WalkTick(show);
        EXPECT_EQ(Count(d, 190), (kLogoWidth - 2) * (kLogoHeight - 2)) << "walking never erases it";
    }
}

TEST_F(SpriteTest, EverySetUpEndsWithTheWholeFrameOnScreen) {
    Show& show = Ready(1024, 768, 0);
    for (int scene : {WalkScene, DoorScene, RandomDoorScene, WinkScene, AdvertScene}) {
        posix::FillScreen(0x123456);
        SetUpScene(show, scene);
        const Display& d = show.Screen;
        int wrong = 0;
        for (int v = 0; v < 600; v += 3)
            for (int u = 0; u < 800; u += 5) {
                const RGBQUAD c = d.Dib.DibColourTable[FrameRow(d, v)[u]];
                const uint32_t rgb = (uint32_t(c.rgbRed) << 16) | (uint32_t(c.rgbGreen) << 8) | c.rgbBlue;
                wrong += posix::ScreenPixel(112 + u, 84 + v) != rgb;
            }
        EXPECT_EQ(wrong, 0) << "scene " << scene;
    }
}

TEST_F(SpriteTest, AdvertCoversTheWholeStretchedOutput) {
    Show& show = Ready(1024, 768, 1);
    FillRows(show.Screen, 0, 768, 3);
    SetUpScene(show, AdvertScene);
    EXPECT_EQ(Count(show.Screen, 3), 0);
    EXPECT_GT(Count(show.Screen, 180), 1000 * 700);
}

TEST_F(SpriteTest, WinkSceneShowsWinkerAndCaptionApart) {
    Show& show = Ready();
    for (int i = 0; i < 10; ++i) {
        SetUpScene(show, WinkScene);
        ASSERT_EQ(show.Sequencer.CurrentScene, WinkScene);
        const Display& d = show.Screen;
        const uint8_t caption = uint8_t(170 + show.Sprites.QuoteIndex);
        std::set<int> captionRows, captionCols;
        for (int v = 0; v < 600; ++v)
            for (int u = 0; u < 800; ++u)
                if (FrameRow(d, v)[u] == caption) {
                    captionRows.insert(v);
                    captionCols.insert(u);
                }
        ASSERT_FALSE(captionRows.empty());
        const int x = show.Sprites.SpriteX, y = show.Sprites.SpriteY;
        EXPECT_EQ(FrameRow(d, y + 5)[x + 5], 160) << "winker frame 0";
        EXPECT_TRUE(*captionRows.rbegin() < y || *captionRows.begin() > y + kWinkStripHeight - 1);
        EXPECT_TRUE(*captionCols.rbegin() < x || *captionCols.begin() > x + kWinkFrameWidth - 1);
        posix::TakeWindowBlits();
        WinkTick(show);
        const auto blits = posix::TakeWindowBlits();
        ASSERT_EQ(blits.size(), 1u);
        EXPECT_EQ(blits[0].x, x);
        EXPECT_EQ(blits[0].y, y);
        EXPECT_EQ(blits[0].width, kWinkFrameWidth);
        EXPECT_EQ(blits[0].height, kWinkStripHeight);
    }
}

TEST_F(SpriteTest, OutputsTooLowForTheWalkerStayInsideTheFrame) {
    UseScreen(1024, 768);
    Show& show = Ready(600, 70, 1);
    for (int i = 0; i < 5; ++i) {
        SetUpScene(show, WalkScene);
        EXPECT_LE(show.Sprites.SpriteY + WalkerHeight(show.Sprites.SpriteScale), 70);
        for (int t = 0; t < 200 && show.Sprites.SpriteX < 700; ++t) WalkTick(show);
    }
    SetUpScene(show, WinkScene);
    EXPECT_EQ(show.Sequencer.CurrentScene, WalkScene) << "no room for the winker: a walk instead";
}

}  // namespace
}  // namespace quibac
