#include "show/placement.h"

#include "assets/bitmap_assets.h"
#include "display/canvas.h"
#include "display/geometry.h"

#include <algorithm>

namespace quibac {

namespace {

constexpr int32_t kWalkerSizes = 4;  // scales 1/4, 2/4, 3/4, 4/4
constexpr float kScaleUnit = 0.25f;
constexpr int32_t kWalkerStepAtFullSize = 32;
constexpr double kSmallScreenScalePerPixel = 0.00125;  // 1 / 800

// r mod n, or 0 where n is 0 (a divisor the random draws must survive).
int32_t ModOrZero(int32_t r, int32_t n) { return n == 0 ? 0 : RandomMod(r, n); }

// Rows of the walker and the logo keep at least one free row between them.
bool RowsApart(int32_t spriteY, int32_t height, int32_t logoY) {
    return spriteY > logoY + kLogoHeight || spriteY + height < logoY;
}

// Whether a search may make this attempt.
bool KeepSearching(int32_t attempt, const RunFlag* running) {
    return attempt < kMaxPlacementAttempts && (attempt % kPlacementAttemptsPerCheck != 0 || StillRunning(running));
}

}  // namespace

int32_t WalkerHeight(float scale) { return int32_t(scale * float(kWalkStripHeight)); }
int32_t WalkerWidth(float scale) { return int32_t(scale * float(kWalkFrameWidth)); }
int32_t WalkerStep(float scale) { return int32_t(scale * float(kWalkerStepAtFullSize)); }

WalkPlacement PlaceWalker(const OutputGeometry& g, RandomGenerator& random, const RunFlag* running) {
    WalkPlacement p;
    const int32_t width = g.OutputWidth;
    const int32_t height = g.OutputHeight;
    if (g.SmallScreen) {
        const int32_t k = RandomMod(RandomValue(random), kWalkerSizes) + 1;
        p.SpriteScale = float((k * 0.25) * (width * kSmallScreenScalePerPixel));
        // A walker taller than a very wide, very low preview starts at the top.
        const int32_t room = height - WalkerHeight(p.SpriteScale);
        const int32_t r = RandomValue(random);
        p.SpriteY = room > 0 ? RandomMod(r, room) : 0;
    } else {
        // The logo needs its own rows beside the walker's; where the output
        // has no room for both, the walk goes without it.
        const bool logoFits = width > kLogoWidth && height > kLogoHeight;
        bool placed = false;
        for (int32_t attempt = 0; KeepSearching(attempt, running) && !placed; ++attempt) {
            p.LogoY = ModOrZero(RandomValue(random), height - kLogoHeight);
            const int32_t k = RandomMod(RandomValue(random), kWalkerSizes) + 1;
            p.SpriteScale = float(k) * kScaleUnit;
            const int32_t h = WalkerHeight(p.SpriteScale);
            p.SpriteY = ModOrZero(RandomValue(random), height - h);
            if (h >= height) continue;  // taller than the output: draw again
            placed = !logoFits || RowsApart(p.SpriteY, h, p.LogoY);
            p.ShowLogo = logoFits && placed;
        }
        if (!placed) {
            // No scale fits beside the logo: the largest walker the output
            // holds, alone, at the top.
            p.ShowLogo = false;
            p.SpriteY = 0;
            p.SpriteScale = kScaleUnit;
            for (int32_t k = kWalkerSizes; k >= 1; --k) {
                if (WalkerHeight(float(k) * kScaleUnit) < height) {
                    p.SpriteScale = float(k) * kScaleUnit;
                    break;
                }
            }
            if (WalkerHeight(p.SpriteScale) > height) p.SpriteScale = float(height) / float(kWalkStripHeight);
        }
    }
    p.LogoX = ModOrZero(RandomValue(random), width - kLogoWidth);
    if (g.SmallScreen) p.ShowLogo = false;
    return p;
}

WinkPlacement PlaceWinker(const OutputGeometry& g, RandomGenerator& random, const RunFlag* running) {
    WinkPlacement p;
    const int32_t width = g.OutputWidth;
    const int32_t height = g.OutputHeight;
    if (width < kWinkFrameWidth || height < kWinkStripHeight) return p;
    p.ShowWinker = true;
    // The caption sits diagonally off the winker, sharing none of its rows
    // or columns; that needs at least this much room.
    const bool diagonalFits =
        width >= kWinkFrameWidth + kQuoteStripWidth + 2 && height >= kWinkStripHeight + kQuoteHeight + 2;
    if (!diagonalFits) {
        p.SpriteX = ModOrZero(RandomValue(random), width - kWinkFrameWidth + 1);
        p.SpriteY = ModOrZero(RandomValue(random), height - kWinkStripHeight + 1);
        return p;
    }
    p.ShowCaption = true;
    for (int32_t attempt = 0; KeepSearching(attempt, running); ++attempt) {
        p.SpriteY = RandomMod(RandomValue(random), height - kWinkStripHeight);
        p.SpriteX = RandomMod(RandomValue(random), width - kWinkFrameWidth);
        p.QuoteY = RandomMod(RandomValue(random), height - kQuoteHeight);
        p.QuoteX = RandomMod(RandomValue(random), width - kQuoteStripWidth);
        const bool rowsApart = p.SpriteY > p.QuoteY + kQuoteHeight || p.SpriteY + kWinkStripHeight < p.QuoteY;
        const bool columnsApart = p.SpriteX > p.QuoteX + kQuoteStripWidth || p.SpriteX + kWinkFrameWidth < p.QuoteX;
        if (rowsApart && columnsApart) return p;
    }
    // Opposite corners always keep clear of each other on such an output.
    p.SpriteX = 0;
    p.SpriteY = 0;
    p.QuoteX = width - kQuoteStripWidth;
    p.QuoteY = height - kQuoteHeight;
    return p;
}

}  // namespace quibac
