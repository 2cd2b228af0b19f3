// Plays arbitrary bytes as an FLC animation (fuzz/flic_target.h): registered
// as a "Flic" resource, loaded, and walked from the start until a step
// returns 0, decoding every frame into displays of three sizes with the
// DateBand capturing.
#include "fuzz/flic_target.h"

#include <posix_control.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Built once: the platform, the displays and the band.
    static auto* playground = [] {
        posix::ResetPlatform(quibac::fuzzing::FlicPlayground::kScreenWidth,
                             quibac::fuzzing::FlicPlayground::kScreenHeight);
        posix::SetDebugCapture(false);
        return new quibac::fuzzing::FlicPlayground();
    }();
    if (!playground->Play(data, size).empty()) __builtin_trap();
    return 0;
}
