// SDL's dummy video driver for a whole suite: windows and their surfaces with
// no display, and no signal handlers of SDL's in the test program.
#pragma once

#include "presenter.h"

#include <SDL.h>

#include <cstdlib>

namespace quibac::linux_sdl {

// True when SDL started; a suite's SetUpTestSuite calls it, its
// TearDownTestSuite calls StopDummyVideo with the answer.
inline bool StartDummyVideo() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    UseSoftwareWindowSurfaces();
    return SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) == 0;
}

inline void StopDummyVideo(bool started) {
    if (started) SDL_Quit();
}

}  // namespace quibac::linux_sdl
