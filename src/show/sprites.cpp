#include "show/sprites.h"

#include "display/canvas_plot.h"
#include "display/presentation.h"
#include "display/reveal.h"
#include "show/placement.h"
#include "show/scene_drawing.h"
#include "show/show.h"

#include <algorithm>
#include <array>

namespace quibac {

namespace {

constexpr int32_t kWinkChance = 32;  // an idle tick starts a wink with chance 1 in 32

void ClearFrame(Display& display) { FillRows(display, 0, display.Geometry.OutputHeight, kClearIndex); }

void SetUpWalk(Show& show) {
    SpriteState& s = show.Sprites;
    Display& d = show.Screen;
    const WalkPlacement p = PlaceWalker(d.Geometry, show.Random, &show.ShowRunning);
    s.SpriteScale = p.SpriteScale;
    s.SpriteY = p.SpriteY;
    if (s.WalkDirection == 1) {
        s.SpriteX = d.Geometry.OutputWidth;  // enters from the right
        s.WalkDirection = -1;
    } else {
        s.SpriteX = int32_t(s.SpriteScale * -float(kWalkFrameWidth));  // enters from the left
        s.WalkDirection = 1;
    }
    s.SpriteFrame = 0;
    ClearFrame(d);
    if (p.ShowLogo) BlitUnscaled(d, p.LogoX, p.LogoY, kLogoWidth, kLogoHeight, show.Assets.LogoPicture.data());
}

void SetUpDoor(Show& show, int32_t day) {
    ClearFrame(show.Screen);
    if (day < 1) return;  // no door is open
    show.Door.ShowDay = day;
    StartDoor(show, day);
}

void SetUpWink(Show& show) {
    SpriteState& s = show.Sprites;
    Display& d = show.Screen;
    const WinkPlacement p = PlaceWinker(d.Geometry, show.Random, &show.ShowRunning);
    s.SpriteX = p.SpriteX;
    s.SpriteY = p.SpriteY;
    ClearFrame(d);
    s.SpriteFrame = 0;
    s.QuoteIndex = RandomMod(RandomValue(show.Random), kQuoteCount);
    DrawWinker(show);
    if (p.ShowCaption)
        BlitUnscaled(d, p.QuoteX, p.QuoteY, kQuoteStripWidth, kQuoteHeight,
                     show.Assets.QuoteStrip.data() + size_t(s.QuoteIndex) * kQuoteHeight * kQuoteStripWidth);
}

// Whether the current output can hold a wink scene at all.
bool WinkerFits(const OutputGeometry& g) { return g.OutputWidth >= kWinkFrameWidth && g.OutputHeight >= kWinkStripHeight; }

}  // namespace

void SetUpScene(Show& show, int32_t scene) {
    Display& d = show.Screen;
    const OutputGeometry& g = d.Geometry;
    // Small screens, and outputs that cannot hold the winker, walk instead.
    if (scene == WinkScene && (g.SmallScreen != 0 || !WinkerFits(g))) scene = WalkScene;
    show.Sequencer.CurrentScene = scene;
    show.Sequencer.ScenesSetUp++;
    switch (scene) {
        case WalkScene:
            SetUpWalk(show);
            break;
        case DoorScene:
            SetUpDoor(show, show.Cal.DayCount);
            break;
        case RandomDoorScene:
            SetUpDoor(show, show.Cal.DayCount > 0 ? RandomMod(RandomValue(show.Random), show.Cal.DayCount) + 1 : 0);
            break;
        case WinkScene:
            SetUpWink(show);
            break;
        case AdvertScene:
            PlotCanvasBitmap(d, show.Assets.AdvertPicture.data(), 0, 0, kAdvertWidth, kAdvertHeight);
            break;
        default:
            break;
    }
    RevealFrame(d, 0, g.OutputHeight, 0, g.OutputWidth, 1, &show.ShowRunning);
}

void WalkTick(Show& show) {
    SpriteState& s = show.Sprites;
    Display& d = show.Screen;
    const int32_t h = WalkerHeight(s.SpriteScale);
    FillRows(d, s.SpriteY, h, kClearIndex);  // the logo is never in these rows
    // However small the walker, it moves, so every walk ends.
    s.SpriteX += std::max(WalkerStep(s.SpriteScale), 1) * s.WalkDirection;
    s.SpriteFrame = (s.SpriteFrame + 1) % kWalkFrames;
    DrawWalker(show);
    RefreshMemoryBitmap(d);
    PresentRect(d, 0, s.SpriteY, d.Geometry.OutputWidth, std::min(h, d.Geometry.OutputHeight - s.SpriteY));
}

void WinkTick(Show& show) {
    SpriteState& s = show.Sprites;
    bool& blinking = show.Sequencer.Blinking;
    if (!blinking) {
        if (RandomMod(RandomValue(show.Random), kWinkChance) == 0) blinking = true;
    } else if (++s.SpriteFrame == kWinkFrames) {
        s.SpriteFrame = 0;
        blinking = false;
    }
    DrawWinker(show);
    RefreshMemoryBitmap(show.Screen);
    PresentRect(show.Screen, s.SpriteX, s.SpriteY, kWinkFrameWidth, kWinkStripHeight);
}

void DrawWalker(Show& show) {
    const SpriteState& s = show.Sprites;
    Display& d = show.Screen;
    const int32_t h = WalkerHeight(s.SpriteScale);
    const int32_t w = WalkerWidth(s.SpriteScale);
    if (h < 1 || s.WalkDirection == 0) return;
    // Source column of each output column (mirrored when walking left),
    // clipped to the output's columns.
    const int32_t frameLeft = kWalkFrameWidth * s.SpriteFrame;
    const int32_t first = std::max(0, -s.SpriteX);
    // A walker is never wider than a frame of the strip (its scale is at most 1).
    const int32_t last = std::min({w, d.Geometry.OutputWidth - s.SpriteX, first + kWalkFrameWidth});
    if (first >= last) return;
    std::array<int32_t, kWalkFrameWidth> sourceColumn;
    for (int32_t i = first; i < last; ++i) {
        const int32_t sc = std::min(int32_t(float(i) / s.SpriteScale), kWalkFrameWidth - 1);
        sourceColumn[size_t(i - first)] = frameLeft + (s.WalkDirection == 1 ? sc : kWalkFrameWidth - 1 - sc);
    }
    for (int32_t r = 0; r < h; ++r) {
        const int32_t v = s.SpriteY + r;
        if (v < 0 || v >= d.Geometry.OutputHeight) continue;
        const int32_t sr = std::min(int32_t(float(r) / s.SpriteScale), kWalkStripHeight - 1);
        const uint8_t* source = show.Assets.WalkStrip.data() + size_t(sr) * kWalkStripWidth;
        uint8_t* target = FrameRow(d, v) + s.SpriteX + first;
        for (int32_t i = 0; i < last - first; ++i) target[i] = source[sourceColumn[size_t(i)]];
    }
}

void DrawWinker(Show& show) {
    const SpriteState& s = show.Sprites;
    BlitUnscaled(show.Screen, s.SpriteX, s.SpriteY, kWinkFrameWidth, kWinkStripHeight,
                 show.Assets.WinkStrip.data() + size_t(kWinkFrameWidth) * size_t(s.SpriteFrame), kWinkStripWidth);
}

}  // namespace quibac
