#include "show/sprites.h"

#include "display/frame_drawing.h"
#include "display/presentation.h"
#include "display/reveal.h"
#include "show/placement.h"
#include "show/show.h"

#include <algorithm>
#include <array>

namespace quibac {

namespace {

constexpr int32_t kWinkChance = 32;  // an idle tick starts a wink with chance 1 in 32

void ClearFrame(const Display& display) { FillRows(FrameOf(display), 0, display.Geometry.OutputHeight, kClearIndex); }

void SetUpWalk(Show& show) {
    SpriteState& s = show.Sprites;
    Display& d = show.Output;
    const WalkPlacement p = PlaceWalker(d.Geometry, show.Random, &show.ShowRunning);
    s.Scale = p.SpriteScale;
    s.Y = p.SpriteY;
    if (s.WalkDirection == 1) {
        s.X = d.Geometry.OutputWidth;  // enters from the right
        s.WalkDirection = -1;
    } else {
        s.X = int32_t(s.Scale * -float(kWalkFrameWidth));  // enters from the left
        s.WalkDirection = 1;
    }
    s.Frame = 0;
    ClearFrame(d);
    if (p.ShowLogo) BlitUnscaled(FrameOf(d), p.LogoX, p.LogoY, kLogoWidth, kLogoHeight, show.Assets.LogoPicture.data());
}

void SetUpDoor(Show& show, int32_t day) {
    ClearFrame(show.Output);
    if (day < 1) return;  // no door is open
    show.Door.ShowDay = day;
    StartDoor(show, day);
}

void SetUpWink(Show& show) {
    SpriteState& s = show.Sprites;
    Display& d = show.Output;
    const WinkPlacement p = PlaceWinker(d.Geometry, show.Random, &show.ShowRunning);
    s.X = p.SpriteX;
    s.Y = p.SpriteY;
    ClearFrame(d);
    s.Frame = 0;
    s.QuoteIndex = RandomMod(RandomValue(show.Random), kQuoteCount);
    DrawWinker(show);
    if (p.ShowCaption)
        BlitUnscaled(FrameOf(d), p.QuoteX, p.QuoteY, kQuoteStripWidth, kQuoteHeight,
                     show.Assets.QuoteStrip.data() + size_t(s.QuoteIndex) * kQuoteHeight * kQuoteStripWidth);
}

// Whether the current output can hold a wink scene at all.
bool WinkerFits(const OutputGeometry& g) {
    return g.OutputWidth >= kWinkFrameWidth && g.OutputHeight >= kWinkStripHeight;
}

}  // namespace

void SetUpScene(Show& show, Scene scene) {
    Display& d = show.Output;
    const OutputGeometry& g = d.Geometry;
    // Small screens, and outputs that cannot hold the winker, walk instead.
    if (scene == Scene::Wink && (g.SmallScreen || !WinkerFits(g))) scene = Scene::Walk;
    show.Sequencer.CurrentScene = scene;
    show.Sequencer.ScenesSetUp++;
    const int32_t days = show.Calendar.DayCount;
    switch (scene) {
    case Scene::Walk: SetUpWalk(show); break;
    case Scene::Door: SetUpDoor(show, days); break;
    case Scene::RandomDoor: SetUpDoor(show, days > 0 ? RandomMod(RandomValue(show.Random), days) + 1 : 0); break;
    case Scene::Wink: SetUpWink(show); break;
    case Scene::Advert:
        PlotCanvasBitmap(FrameOf(d), show.Assets.AdvertPicture.data(), 0, 0, kAdvertWidth, kAdvertHeight);
        break;
    }
    RevealFrame(d, 0, g.OutputHeight, 0, g.OutputWidth, /*refresh=*/true, StopOf(show));
}

void WalkTick(Show& show) {
    SpriteState& s = show.Sprites;
    Display& d = show.Output;
    const int32_t h = WalkerHeight(s.Scale);
    FillRows(FrameOf(d), s.Y, h, kClearIndex);  // the logo is never in these rows
    // However small the walker, it moves, so every walk ends.
    s.X += std::max(WalkerStep(s.Scale), 1) * s.WalkDirection;
    s.Frame = (s.Frame + 1) % kWalkFrames;
    DrawWalker(show);
    PresentChanges(d, 0, s.Y, d.Geometry.OutputWidth, std::min(h, d.Geometry.OutputHeight - s.Y));
}

void WinkTick(Show& show) {
    SpriteState& s = show.Sprites;
    bool& blinking = show.Sequencer.Blinking;
    if (!blinking) {
        if (RandomMod(RandomValue(show.Random), kWinkChance) == 0) blinking = true;
    } else if (++s.Frame == kWinkFrames) {
        s.Frame = 0;
        blinking = false;
    }
    DrawWinker(show);
    PresentChanges(show.Output, s.X, s.Y, kWinkFrameWidth, kWinkStripHeight);
}

void DrawWalker(Show& show) {
    const SpriteState& s = show.Sprites;
    Display& d = show.Output;
    const int32_t h = WalkerHeight(s.Scale);
    const int32_t w = WalkerWidth(s.Scale);
    if (h < 1 || s.WalkDirection == 0) return;
    // Source column of each output column (mirrored when walking left),
    // clipped to the output's columns.
    const int32_t frameLeft = kWalkFrameWidth * s.Frame;
    const int32_t first = std::max(0, -s.X);
    // A walker is never wider than a frame of the strip (its scale is at most 1).
    const int32_t last = std::min({w, d.Geometry.OutputWidth - s.X, first + kWalkFrameWidth});
    if (first >= last) return;
    std::array<int32_t, kWalkFrameWidth> sourceColumn;
    for (int32_t i = first; i < last; ++i) {
        const int32_t sc = std::min(int32_t(float(i) / s.Scale), kWalkFrameWidth - 1);
        sourceColumn[size_t(i - first)] = frameLeft + (s.WalkDirection == 1 ? sc : kWalkFrameWidth - 1 - sc);
    }
    const FrameView frame = FrameOf(d);
    for (int32_t r = 0; r < h; ++r) {
        const int32_t v = s.Y + r;
        if (v < 0 || v >= d.Geometry.OutputHeight) continue;
        const int32_t sr = std::min(int32_t(float(r) / s.Scale), kWalkStripHeight - 1);
        const uint8_t* source = show.Assets.WalkStrip.data() + size_t(sr) * kWalkStripWidth;
        uint8_t* target = FrameRow(frame, v) + s.X + first;
        for (int32_t i = 0; i < last - first; ++i) target[i] = source[sourceColumn[size_t(i)]];
    }
}

void DrawWinker(Show& show) {
    const SpriteState& s = show.Sprites;
    BlitUnscaled(FrameOf(show.Output), s.X, s.Y, kWinkFrameWidth, kWinkStripHeight,
                 show.Assets.WinkStrip.data() + size_t(kWinkFrameWidth) * size_t(s.Frame), kWinkStripWidth);
}

}  // namespace quibac
