#include "fuzz/flic_target.h"

#include "display/display.h"
#include "flic/flic_player.h"
#include "show/playback.h"

#include <posix_control.h>

namespace quibac::fuzzing {

struct FlicPlayground::Output {
    HWND Window = nullptr;
    Display Screen;
};

FlicPlayground::FlicPlayground() {
    struct Size {
        int width, height;
        bool stretch;
    };
    for (const Size& s : {Size{800, 600, false}, Size{152, 112, true}, Size{kScreenWidth, kScreenHeight, true}}) {
        auto out = std::make_unique<Output>();
        out->Window = posix::CreateTestWindow(0, 0, s.width, s.height);
        out->Screen.Geometry = ComputeOutputGeometry(s.width, s.height, s.stretch);
        if (!BeginDrawing(out->Screen, out->Window) || !FinishDrawingResources(out->Screen)) __builtin_trap();
        BuildScalingMaps(out->Screen.Maps, out->Screen.Geometry);
        outputs_.push_back(std::move(out));
    }
    band_.BandCapture = true;
}

FlicPlayground::~FlicPlayground() {
    for (auto& out : outputs_) {
        ReleaseDrawing(out->Screen);
        ReleaseWindowDC(out->Screen);
        posix::DestroyTestWindow(out->Window);
    }
}

std::string FlicPlayground::Play(const uint8_t* data, size_t size) {
    // A module per input, so that resources do not pile up.
    HMODULE module = posix::CreateResourceModule();
    posix::AddResource(module, "Flic", "FUZZFLIC", std::vector<uint8_t>(data, data + size));
    std::string failure;
    for (auto& out : outputs_) {
        FlicPlayer player;
        player.Instance = module;
        FlicLoad(player, "FUZZFLIC");
        FlicRewind(player);
        for (;;) {
            const uint32_t offset = player.FrameOffset;
            if (!Advanced(PlayNextFrame(player, out->Screen, band_))) break;
            if (player.FrameOffset <= offset || player.FrameOffset > size) {
                failure = "the walk left the bytes or turned back at offset " + std::to_string(offset);
                break;
            }
        }
        if (!failure.empty()) break;
    }
    posix::DestroyResourceModule(module);
    return failure;
}

}  // namespace quibac::fuzzing
