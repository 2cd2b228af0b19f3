// Sprite scenes: what each set-up and tick puts into the frame and onto the
// screen.
#include "display/display.h"
#include "show/placement.h"
#include "support/show_fixture.h"

#include <set>

namespace quibac {
namespace {

using testing::ShowTest;

class SpriteTest : public ShowTest {
protected:
    Show& Ready(int width = 800, int height = 600, bool stretch = false) {
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
            for (int u = 0; u < d.Geometry.OutputWidth; ++u) n += FrameRow(FrameOf(d), v)[u] == colour;
        return n;
    }
    static uint8_t Walker(const Show& show, int frame, int sc, int sr) {
        return show.Assets.WalkStrip[size_t(sr) * kWalkStripWidth + size_t(kWalkFrameWidth * frame + sc)];
    }
};

TEST_F(SpriteTest, WalkerIsMirroredWhenWalkingLeft) {
    Show& show = Ready();
    SpriteState& s = show.Sprites;
    s.Scale = 1.0f;
    s.X = 100;
    s.Y = 50;
    s.Frame = 2;
    s.WalkDirection = 1;
    DrawWalker(show);
    EXPECT_EQ(FrameRow(FrameOf(show.Output), 60)[105], Walker(show, 2, 5, 10));
    s.WalkDirection = -1;
    DrawWalker(show);
    EXPECT_EQ(FrameRow(FrameOf(show.Output), 60)[105], Walker(show, 2, 267 - 5, 10));
    EXPECT_EQ(FrameRow(FrameOf(show.Output), 50 + 329)[100 + 267], Walker(show, 2, 0, 329));
}

TEST_F(SpriteTest, ScaledWalkerSamplesItsSourceAndIsClippedAtTheSides) {
    Show& show = Ready();
    SpriteState& s = show.Sprites;
    s.Scale = 0.5f;
    s.Y = 10;
    s.Frame = 7;
    s.WalkDirection = 1;
    s.X = -60;
    DrawWalker(show);
    EXPECT_EQ(FrameRow(FrameOf(show.Output), 10 + 20)[0], Walker(show, 7, 120, 40));
    s.X = 800 - 30;
    DrawWalker(show);
    EXPECT_EQ(FrameRow(FrameOf(show.Output), 10 + 164)[799], Walker(show, 7, 58, 328));
}

TEST_F(SpriteTest, WalkTickPresentsOnlyTheWalkersRows) {
    Show& show = Ready();
    SetUpScene(show, Scene::Walk);
    posix::TakeWindowBlits();
    const SpriteState before = show.Sprites;
    WalkTick(show);
    const int32_t h = WalkerHeight(before.Scale);
    EXPECT_EQ(show.Sprites.X, before.X + WalkerStep(before.Scale) * before.WalkDirection);
    EXPECT_EQ(show.Sprites.Frame, 1);
    const auto blits = posix::TakeWindowBlits();
    ASSERT_EQ(blits.size(), 1u);
    EXPECT_EQ(blits[0].y, before.Y);
    EXPECT_EQ(blits[0].height, h);
    EXPECT_EQ(blits[0].width, 800);
}

TEST_F(SpriteTest, WalkSetUpPutsTheLogoOutsideTheWalkersRows) {
    Show& show = Ready();
    for (int i = 0; i < 20; ++i) {
        SetUpScene(show, Scene::Walk);
        const Display& d = show.Output;
        const int32_t h = WalkerHeight(show.Sprites.Scale);
        EXPECT_EQ(Count(d, 190), (kLogoWidth - 2) * (kLogoHeight - 2)) << "the whole logo";
        EXPECT_EQ(Count(d, 190, show.Sprites.Y, h), 0) << "none of it in the walker's rows";
        for (int t = 0; t < 40; ++t) WalkTick(show);
        EXPECT_EQ(Count(d, 190), (kLogoWidth - 2) * (kLogoHeight - 2)) << "walking never erases it";
    }
}

TEST_F(SpriteTest, EverySetUpEndsWithTheWholeFrameOnScreen) {
    Show& show = Ready(1024, 768, false);
    for (Scene scene : {Scene::Walk, Scene::Door, Scene::RandomDoor, Scene::Wink, Scene::Advert}) {
        posix::FillScreen(0x123456);
        SetUpScene(show, scene);
        const Display& d = show.Output;
        int wrong = 0;
        for (int v = 0; v < 600; v += 3)
            for (int u = 0; u < 800; u += 5) {
                const RGBQUAD c = d.Dib.DibColourTable[FrameRow(FrameOf(d), v)[u]];
                const uint32_t rgb = (uint32_t(c.rgbRed) << 16) | (uint32_t(c.rgbGreen) << 8) | c.rgbBlue;
                wrong += posix::ScreenPixel(112 + u, 84 + v) != rgb;
            }
        EXPECT_EQ(wrong, 0) << "scene " << int(scene);
    }
}

TEST_F(SpriteTest, AdvertCoversTheWholeStretchedOutput) {
    Show& show = Ready(1024, 768, true);
    FillRows(FrameOf(show.Output), 0, 768, 3);
    SetUpScene(show, Scene::Advert);
    EXPECT_EQ(Count(show.Output, 3), 0);
    EXPECT_GT(Count(show.Output, 180), 1000 * 700);
}

TEST_F(SpriteTest, WinkSceneShowsWinkerAndCaptionApart) {
    Show& show = Ready();
    for (int i = 0; i < 10; ++i) {
        SetUpScene(show, Scene::Wink);
        ASSERT_EQ(show.Sequencer.CurrentScene, Scene::Wink);
        const Display& d = show.Output;
        const uint8_t caption = uint8_t(170 + show.Sprites.QuoteIndex);
        std::set<int> captionRows, captionCols;
        for (int v = 0; v < 600; ++v)
            for (int u = 0; u < 800; ++u)
                if (FrameRow(FrameOf(d), v)[u] == caption) {
                    captionRows.insert(v);
                    captionCols.insert(u);
                }
        ASSERT_FALSE(captionRows.empty());
        const int x = show.Sprites.X, y = show.Sprites.Y;
        EXPECT_EQ(FrameRow(FrameOf(d), y + 5)[x + 5], 160) << "winker frame 0";
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
    Show& show = Ready(600, 70, true);
    for (int i = 0; i < 5; ++i) {
        SetUpScene(show, Scene::Walk);
        EXPECT_LE(show.Sprites.Y + WalkerHeight(show.Sprites.Scale), 70);
        for (int t = 0; t < 200 && show.Sprites.X < 700; ++t) WalkTick(show);
    }
    SetUpScene(show, Scene::Wink);
    EXPECT_EQ(show.Sequencer.CurrentScene, Scene::Walk) << "no room for the winker: a walk instead";
}

}  // namespace
}  // namespace quibac
