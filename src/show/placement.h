// Where the sprites of a scene go. The placements draw random positions until
// the sprites keep clear of each other; on outputs too small for that to be
// possible (or likely) they end anyway, with every sprite inside the frame.
#pragma once

#include "display/pacing.h"
#include "show/random.h"

#include <cstdint>

namespace quibac {

struct OutputGeometry;

// Random attempts before a placement settles for its fallback. Enough that a
// 640 x 480 output (where one wink attempt in ~60000 succeeds) practically
// never falls back, few enough to finish in milliseconds.
constexpr int32_t kMaxPlacementAttempts = 2000000;
// Attempts between looks at the run flag: a search of millions of draws would
// otherwise hold up a closing window; a stopped search settles for its fallback.
constexpr int32_t kPlacementAttemptsPerCheck = 1024;

struct WalkPlacement {
    float SpriteScale = 0.0f;
    int32_t SpriteY = 0;
    bool ShowLogo = false;
    int32_t LogoX = 0;
    int32_t LogoY = 0;
};

struct WinkPlacement {
    bool ShowWinker = false;  // false: the output cannot hold the winker
    int32_t SpriteX = 0;
    int32_t SpriteY = 0;
    bool ShowCaption = false;
    int32_t QuoteX = 0;
    int32_t QuoteY = 0;
};

// Walker size at a scale: height, width and pixels moved per tick.
int32_t WalkerHeight(float scale);
int32_t WalkerWidth(float scale);
int32_t WalkerStep(float scale);

WalkPlacement PlaceWalker(const OutputGeometry& geometry, RandomGenerator& random, const RunFlag* running = nullptr);
WinkPlacement PlaceWinker(const OutputGeometry& geometry, RandomGenerator& random, const RunFlag* running = nullptr);

}  // namespace quibac
