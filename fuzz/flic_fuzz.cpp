// Plays arbitrary bytes as an FLC animation: registered as a "Flic" resource,
// loaded, and walked from the start until a step returns 0, decoding every
// frame into displays of three sizes with the DateBand capturing. Besides the
// sanitizers' checks, every step must move forward and stay inside the bytes.
#include "display/display.h"
#include "flic/flic_player.h"

#include <posix_control.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

using namespace quibac;

struct Output {
    HWND Window = nullptr;
    Display Screen;
};

// Built once: the platform, the displays and the band.
struct World {
    std::vector<std::unique_ptr<Output>> Outputs;
    DateBand Band;

    World() {
        posix::ResetPlatform(1366, 768);
        posix::SetDebugCapture(false);
        struct Size {
            int width, height, stretch;
        };
        // Canvas size, a preview's (dropped pixels), a wide screen (padded rows).
        for (const Size& s : {Size{800, 600, 0}, Size{152, 112, 1}, Size{1366, 768, 1}}) {
            auto out = std::make_unique<Output>();
            out->Window = posix::CreateTestWindow(0, 0, s.width, s.height);
            out->Screen.Geometry = ComputeOutputGeometry(s.width, s.height, s.stretch);
            if (!BeginDrawing(out->Screen, out->Window) || !FinishDrawingResources(out->Screen)) __builtin_trap();
            BuildScalingMaps(out->Screen.Maps, out->Screen.Geometry);
            Outputs.push_back(std::move(out));
        }
        Band.BandCapture = true;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static World& world = *new World();
    // A module per input, so that resources do not pile up.
    HMODULE module = posix::CreateResourceModule();
    posix::AddResource(module, "Flic", "FUZZFLIC", std::vector<uint8_t>(data, data + size));
    for (auto& out : world.Outputs) {
        FlicPlayer player;
        player.Instance = module;
        player.Target = &out->Screen;
        player.Band = &world.Band;
        FlicLoad(player, "FUZZFLIC");
        FlicRewind(player);
        for (;;) {
            const uint32_t offset = player.FlicFrameOffset;
            const uint32_t advance = FlicStep(player, offset);
            if (advance == 0) break;
            if (uint64_t(offset) + advance > size) __builtin_trap();  // the walk left the bytes
            player.FlicFrameOffset = offset + advance;
        }
    }
    posix::DestroyResourceModule(module);
    return 0;
}
