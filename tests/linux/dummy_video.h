// SDL's dummy video driver for a whole suite: windows and their surfaces with
// no display, and no signal handlers of SDL's in the test program.
#pragma once

#include "presenter.h"

#include "support/platform_fixture.h"

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

// A platform test whose suite runs on the dummy driver: each test stops at
// once, naming SDL's complaint, when the driver did not start.
class DummyVideoTest : public testing::PlatformTest {
protected:
    static void SetUpTestSuite() { sdlStarted_ = StartDummyVideo(); }
    static void TearDownTestSuite() { StopDummyVideo(sdlStarted_); }
    void SetUp() override {
        PlatformTest::SetUp();
        ASSERT_TRUE(sdlStarted_) << SDL_GetError();
    }

private:
    static inline bool sdlStarted_ = false;
};

}  // namespace quibac::linux_sdl
