// Walks and decodes every frame of a long animation, as a door animation's
// pre-roll does: 86 frames of 800 x 600 and the ring frame, frame 0 a full
// picture, a new look (nearly every pixel changed) every 10 frames, moving
// shapes and scattered single pixels in between. Output at canvas size and stretched to 1080p and
// 4K. The per-chunk trace is formatted and sent as always; only its capture
// for tests is turned off.
//
// --write-flc=<path> also writes the animation to a file, for FFmpeg to
// decode in bench/ffmpeg_ratio.sh. FlicWalk/ADVENTFLIC walks the shipped door
// animation instead, so that it can be set beside FFmpeg decoding the same
// file (bench/report).
#include "flc/flc_writer.h"
#include "flic/flic_player.h"
#include "show/date_band.h"
#include "show/playback.h"
#include "support/display_harness.h"
#include "support/flc_samples.h"

#include <posix_control.h>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace quibac;

constexpr int kFrames = 86;
constexpr int kNewLookEvery = 10;
constexpr char kName[] = "BENCHFLIC";

// Artwork is textured rather than flat: each look carries a fixed grain over
// an eighth of its pixels, the shapes move across it, and a sprinkle of single
// pixels changes in every frame, which makes for many small packets.
const flc::Bytes& Animation() {
    static const flc::Bytes bytes = [] {
        flc::Animation a;
        a.Width = 800;
        a.Height = 600;
        a.Colours = testing::SamplePalette();
        a.PostageStamp = true;
        for (int i = 0; i < kFrames; ++i) {
            const int look = i / kNewLookEvery;
            const flc::Bytes grained =
                testing::Disturb(testing::ScenePicture(800, 600, i, look), uint32_t(100 + look), 32);
            a.Frames.push_back(testing::Disturb(grained, uint32_t(1000 + i), 1));
        }
        return flc::EncodeFlc(a);
    }();
    return bytes;
}

HMODULE Module() {
    static HMODULE module = [] {
        HMODULE m = posix::CreateResourceModule();
        posix::AddResource(m, "Flic", kName, Animation());
        return m;
    }();
    return module;
}

void Walk(benchmark::State& state, HMODULE module, const char* name, int width, int height, bool stretch) {
    posix::ResetPlatform(3840, 2160);
    posix::SetDebugCapture(false);
    testing::DisplayHarness harness(0, 0, width, height, stretch);
    if (!harness.ok()) {
        state.SkipWithError("no display");
        return;
    }
    DateBand band;
    FlicPlayer player;
    player.Instance = module;
    if (!FlicLoad(player, name)) {
        state.SkipWithError("no animation");
        return;
    }
    int64_t frames = 0;
    for (auto _ : state) {
        FlicRewind(player);
        while (Advanced(PlayNextFrame(player, harness.display(), band))) {}
        frames += player.FrameCounter;
        benchmark::DoNotOptimize(harness.display().Dib.FrameBuffer[0]);
    }
    state.SetItemsProcessed(frames);
    state.counters["frames_per_walk"] = double(player.FrameCounter);
    state.counters["file_bytes"] = double(player.Data.size());
}

void WalkAll(benchmark::State& state, int width, int height, bool stretch) {
    Walk(state, Module(), kName, width, height, stretch);
}

void Canvas(benchmark::State& state) { WalkAll(state, 800, 600, false); }
void FullHd(benchmark::State& state) { WalkAll(state, 1920, 1080, true); }
void Uhd(benchmark::State& state) { WalkAll(state, 3840, 2160, true); }
void ShippedDoors(benchmark::State& state) { Walk(state, posix::MainModule(), "ADVENTFLIC", 800, 600, false); }

}  // namespace

BENCHMARK(Canvas)->Name("FlicWalk/800x600")->Unit(benchmark::kMillisecond);
BENCHMARK(FullHd)->Name("FlicWalk/1920x1080")->Unit(benchmark::kMillisecond);
BENCHMARK(Uhd)->Name("FlicWalk/3840x2160")->Unit(benchmark::kMillisecond);
BENCHMARK(ShippedDoors)->Name("FlicWalk/ADVENTFLIC/800x600")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    constexpr char kWrite[] = "--write-flc=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kWrite, sizeof(kWrite) - 1) != 0) continue;
        if (!flc::WriteFile(argv[i] + sizeof(kWrite) - 1, Animation())) return 1;
        for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
        --argc;
        --i;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
