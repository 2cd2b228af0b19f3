// Opening a door: StartDoor for day 25 decodes all 86 door frames, through the
// scaling maps, inside one tick; and InitCalendar on 24 December pre-rolls 24
// header frames. Uses the executable's own animations (the shipped artwork)
// when it has them, else test animations of the same shape.
#include "show/doors.h"
#include "support/show_harness.h"
#include "support/test_resources.h"

#include <posix_control.h>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace quibac;

HMODULE Module() {
    static HMODULE module = [] {
        if (FindResourceA(posix::MainModule(), "ADVENTFLIC", "Flic") != nullptr) return posix::MainModule();
        HMODULE m = posix::CreateResourceModule();
        testing::AddTestAnimations(m);
        testing::AddTestBitmaps(m);
        return m;
    }();
    return module;
}

std::unique_ptr<testing::ShowHarness> Ready(int width, int height) {
    posix::ResetPlatform(width, height);
    posix::SetDebugCapture(false);
    posix::SetLocalDateTime(2026, 12, 25);
    auto harness = std::make_unique<testing::ShowHarness>(width, height, 1, Module());
    InitCalendar(harness->show());
    return harness;
}

void StartDoor25(benchmark::State& state) {
    auto harness = Ready(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) StartDoor(harness->show(), 25);
    state.counters["frames"] = benchmark::Counter(86.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(StartDoor25)->Args({800, 600})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

void InitCalendarOnChristmasEve(benchmark::State& state) {
    auto harness = Ready(int(state.range(0)), int(state.range(1)));
    posix::SetLocalDateTime(2026, 12, 24);
    Show& show = harness->show();
    for (auto _ : state) {
        // InitCalendar expects the dates animation to be current.
        FlicLoad(show.Player, "DATESFLIC");
        InitCalendar(show);
    }
}
BENCHMARK(InitCalendarOnChristmasEve)
    ->Args({800, 600})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
