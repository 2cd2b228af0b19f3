// The show thread: start-up, the 120 ms tick and the fixed cycle of scenes.
#pragma once

#include "show/sprites.h"

#include <windows.h>

#include <cstdint>

namespace quibac {

constexpr DWORD kTickLength = 120;  // minimum length of one tick, in ms

struct SequencerState {
    Scene CurrentScene = Scene::Walk;
    int32_t SceneTicks = 0;
    int32_t CycleStep = 1;
    bool Blinking = false;
    int32_t ScenesSetUp = 0;  // set-ups since the show began, the first walk included
};

struct Show;

// Scene lengths in ticks.
constexpr int32_t kDoorSceneTicks = 82;
constexpr int32_t kWinkSceneTicks = 100;
constexpr int32_t kAdvertSceneTicks = 162;
// A walk ends when the walker is this far beyond either edge.
constexpr int32_t kWalkExitMargin = 64;

// The parts of the thread's life, for the thread and for tests that drive a
// show tick by tick: seeding, the calendar and the first walk; then one tick's
// scene step, ending with the next scene's set-up when the scene is over.
void ShowStart(Show& show);
void ShowTick(Show& show);

// Thread procedure; the parameter is the Show to run. Runs ticks of at least
// kTickLength ms until ShowRunning is cleared.
DWORD WINAPI ShowThread(LPVOID show);
// Called on the window's thread: clears ShowRunning and sets the show's stop
// event, if it has one, so that the thread's wait in progress ends at once.
void StopShow(Show& show);

}  // namespace quibac
