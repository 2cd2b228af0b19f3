// The processor time one whole scene cycle of the show costs, drawing and
// presenting into the platform's screen included, run in virtual time so
// that nothing waits: processor milliseconds per second of show. A running
// saver's share of a core is this figure divided by ten, plus what its
// platform does with the pixels it presents (Wine, X, SDL), which this leaves
// out. Unlike a measure over wall time it does not depend on the machine's
// load, so changes to the drawing and presenting show in it.
#include "show/sequencer.h"
#include "support/show_harness.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// 24 December: every kind of scene. The first nine set-ups make one whole
// cycle of the eight-scene cycle after the opening walk.
constexpr int kCycleScenes = 9;

void ShowCycle(benchmark::State& state) {
    const int width = int(state.range(0)), height = int(state.range(1));
    const bool stretch = state.range(2) != 0;
    double showSeconds = 0, cpuMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        posix::ResetPlatform(width, height);
        posix::SetDebugCapture(false);
        posix::UseVirtualTime(true);
        posix::SetLocalDateTime(2026, 12, 24, 12, 0, 0);
        posix::SetMillisecondClocks(0, 0);  // the same seed, so the same scenes, every time
        auto harness = std::make_unique<quibac::testing::ShowHarness>(width, height, stretch);
        if (!harness->ok()) {
            state.SkipWithError("could not build the display");
            return;
        }
        quibac::Show& show = harness->show();
        const uint64_t start = posix::VirtualElapsed();
        posix::SetSleepHook([&show](DWORD) {
            if (show.Sequencer.ScenesSetUp > kCycleScenes) show.ShowRunning = false;
        });
        state.ResumeTiming();
        const double cpuBefore = ProcessCpuMs();
        quibac::ShowThread(&show);
        cpuMs += ProcessCpuMs() - cpuBefore;
        state.PauseTiming();
        posix::SetSleepHook(nullptr);
        showSeconds += double(posix::VirtualElapsed() - start) / 1000.0;
        harness.reset();
        posix::UseVirtualTime(false);
        state.ResumeTiming();
    }
    state.counters["show_s"] = benchmark::Counter(showSeconds, benchmark::Counter::kAvgIterations);
    state.counters["cpu_ms_per_show_s"] = showSeconds > 0 ? cpuMs / showSeconds : 0;
}

}  // namespace

BENCHMARK(ShowCycle)
    ->ArgNames({"w", "h", "stretch"})
    ->Args({800, 600, 0})
    ->Args({1920, 1080, 0})
    ->Args({1920, 1080, 1})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.5)
    ->MeasureProcessCPUTime();

BENCHMARK_MAIN();
