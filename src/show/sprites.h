// The five scenes of the show and the two sprite scenes' per-tick work.
#pragma once

#include <cstdint>

namespace quibac {

struct Show;

enum class Scene {
    Walk,
    Door,        // today's door
    RandomDoor,  // one of the doors open so far
    Wink,
    Advert,
};

struct SpriteState {
    int32_t X = 0;  // output position of the walker's or winker's top-left corner
    int32_t Y = 0;
    float Scale = 0.0f;
    int32_t Frame = 0;          // of the walk or wink strip
    int32_t WalkDirection = 0;  // 0 before the first walk, then 1 (rightwards) or -1
    int32_t QuoteIndex = 0;
};

void SetUpScene(Show& show, Scene scene);
void WalkTick(Show& show);
void WinkTick(Show& show);
void DrawWalker(Show& show);
void DrawWinker(Show& show);

}  // namespace quibac
