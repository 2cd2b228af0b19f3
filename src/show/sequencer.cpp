#include "show/sequencer.h"

#include "display/pacing.h"
#include "display/presentation.h"
#include "show/placement.h"
#include "show/show.h"

#include <mmsystem.h>

#include <array>

namespace quibac {

namespace {

// What a step of the scene cycle does.
enum class Next { WalkOrWink, TodaysDoor, RandomDoor, Advert };

struct CycleRow {
    bool checkDay;  // CheckDayChange first; the column is chosen after it
    Next withDoors;
    int32_t nextWithDoors;
    Next withoutDoors;
    int32_t nextWithoutDoors;
};

constexpr std::array<CycleRow, 8> kSceneCycle{{
    {false, Next::WalkOrWink, 1, Next::WalkOrWink, 1},
    {false, Next::TodaysDoor, 2, Next::Advert, 3},
    {false, Next::WalkOrWink, 3, Next::WalkOrWink, 3},
    {true, Next::RandomDoor, 4, Next::WalkOrWink, 5},
    {false, Next::WalkOrWink, 5, Next::WalkOrWink, 5},
    {false, Next::TodaysDoor, 6, Next::Advert, 7},
    {false, Next::Advert, 7, Next::Advert, 7},
    {false, Next::RandomDoor, 0, Next::WalkOrWink, 1},
}};

void StartNext(Show& show, Next next) {
    switch (next) {
    case Next::WalkOrWink: SetUpScene(show, (RandomValue(show.Random) & 1) != 0 ? Scene::Walk : Scene::Wink); break;
    case Next::TodaysDoor: SetUpScene(show, Scene::Door); break;
    case Next::RandomDoor: SetUpScene(show, Scene::RandomDoor); break;
    case Next::Advert: SetUpScene(show, Scene::Advert); break;
    }
}

void ChooseNextScene(Show& show) {
    SequencerState& seq = show.Sequencer;
    const CycleRow& row = kSceneCycle[size_t(seq.CycleStep)];
    if (row.checkDay) CheckDayChange(show);
    const bool doors = show.Calendar.DayCount != 0;
    StartNext(show, doors ? row.withDoors : row.withoutDoors);
    seq.CycleStep = doors ? row.nextWithDoors : row.nextWithoutDoors;
}

// Advances the current scene by one tick; true when it has ended.
bool AdvanceScene(Show& show) {
    SequencerState& seq = show.Sequencer;
    switch (seq.CurrentScene) {
    case Scene::Walk: {
        WalkTick(show);
        const int32_t x = show.Sprites.X;
        const int32_t w = WalkerWidth(show.Sprites.Scale);
        return x < -kWalkExitMargin - w || x > show.Output.Geometry.OutputWidth + kWalkExitMargin;
    }
    case Scene::Door:
    case Scene::RandomDoor:
        StepDoor(show, show.Door.ShowDay);
        PresentChanges(show.Output, 0, 0, show.Output.Geometry.OutputWidth, show.Output.Geometry.OutputHeight);
        return seq.SceneTicks++ > kDoorSceneTicks - 2;
    case Scene::Wink: {
        const bool ended = ++seq.SceneTicks >= kWinkSceneTicks;
        WinkTick(show);
        return ended;
    }
    case Scene::Advert: return seq.SceneTicks++ > kAdvertSceneTicks - 2;
    }
    return true;
}

}  // namespace

void ShowStart(Show& show) {
    SeedRandom(show.Random, GetTickCount());
    InitCalendar(show);
    SetUpScene(show, Scene::Walk);
    show.Sequencer.CycleStep = 1;
    show.Sequencer.Blinking = false;
}

void ShowTick(Show& show) {
    if (!AdvanceScene(show)) return;
    show.Sequencer.SceneTicks = 0;
    ChooseNextScene(show);
}

void StopShow(Show& show) {
    show.ShowRunning = false;
    // After the flag: a wait the event ends finds the flag already cleared.
    if (show.StopEvent != nullptr) SetEvent(show.StopEvent);
}

DWORD WINAPI ShowThread(LPVOID parameter) {
    Show& show = *static_cast<Show*>(parameter);
    // Short sleeps must be short for the tick and the reveal to keep time.
    timeBeginPeriod(1);
    ShowStart(show);
    while (show.ShowRunning.load()) {
        const DWORD tickStart = timeGetTime();
        ShowTick(show);
        SettlePresentation(show.Output);
        WaitSince(tickStart, kTickLength, StopOf(show));
    }
    timeEndPeriod(1);
    return 0;
}

}  // namespace quibac
