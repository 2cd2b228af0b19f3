// The five scenes of the show and the two sprite scenes' per-tick work.
#pragma once

#include <cstdint>

namespace quibac {

struct Show;

enum SceneNumber : int32_t {
    WalkScene = 0,
    DoorScene = 1,
    RandomDoorScene = 2,
    WinkScene = 3,
    AdvertScene = 4,
};

struct SpriteState {
    int32_t SpriteX = 0;  // output position of the walker's or winker's top-left corner
    int32_t SpriteY = 0;
    float SpriteScale = 0.0f;
    int32_t SpriteFrame = 0;
    int32_t WalkDirection = 0;  // 0 before the first walk, then 1 (rightwards) or -1
    int32_t QuoteIndex = 0;
};

void SetUpScene(Show& show, int32_t scene);
void WalkTick(Show& show);
void WinkTick(Show& show);
void DrawWalker(Show& show);
void DrawWinker(Show& show);

}  // namespace quibac
