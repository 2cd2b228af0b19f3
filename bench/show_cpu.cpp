// Measures the processor time a running show costs: the show thread runs in
// real time over a test window for a given number of seconds, and the process's
// CPU time is divided by the wall time. A show that waited by spinning on the
// clock would hold one core: 100%.
//
// usage: bench_show_cpu WIDTHxHEIGHT SECONDS
#include "support/show_harness.h"

#include <posix_control.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    int width = 800, height = 600, seconds = 240;
    if (argc > 1 && std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: %s WIDTHxHEIGHT SECONDS\n", argv[0]);
        return 2;
    }
    if (argc > 2) seconds = std::atoi(argv[2]);
    posix::ResetPlatform(width, height);
    posix::SetDebugCapture(false);
    posix::SetLocalDateTime(2026, 12, 24, 12, 0, 0);  // every kind of scene, doors included

    quibac::testing::ShowHarness harness(width, height, true);
    if (!harness.ok()) {
        std::fprintf(stderr, "could not build the display\n");
        return 1;
    }
    const double cpuBefore = CpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    harness.StartThread();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    harness.Stop();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double cpu = CpuSeconds() - cpuBefore;
    std::printf("%dx%d: %.1f s wall, %.2f s CPU, %.2f%% of one core\n", width, height, wall, cpu, 100.0 * cpu / wall);
    return 0;
}
