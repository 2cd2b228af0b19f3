// The show thread: start-up, the 120 ms tick and the fixed cycle of scenes.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quibac {

constexpr DWORD kTickLength = 120;  // minimum length of one tick, in ms

struct SequencerState {
    int32_t CurrentScene = 0;
    int32_t SceneTicks = 0;
    int32_t CycleStep = 1;
    bool Blinking = false;
};

// Thread procedure; the parameter is the Show to run.
DWORD WINAPI ShowThread(LPVOID show);

}  // namespace quibac
