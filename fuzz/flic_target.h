// Arbitrary bytes played as an FLC animation, the body of the flic fuzz
// target. The flic suite replays the committed corpus through it too, so that
// a crash once found and fixed stays fixed.
#pragma once

#include "show/date_band.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quibac::fuzzing {

// Displays of three sizes over test windows, and a DateBand capturing: the
// canvas size, a preview's (pixels dropped) and a wide screen (rows padded).
// The screen must be at least kScreenWidth x kScreenHeight.
class FlicPlayground {
public:
    static constexpr int kScreenWidth = 1366;
    static constexpr int kScreenHeight = 768;

    FlicPlayground();
    ~FlicPlayground();
    FlicPlayground(const FlicPlayground&) = delete;
    FlicPlayground& operator=(const FlicPlayground&) = delete;

    // Registers the bytes as a "Flic" resource of a module of their own, loads
    // them and walks them from the start until a step returns 0, decoding every
    // frame into each display. Besides what the sanitizers check, every step
    // must stay inside the bytes. Returns what went wrong, empty when nothing.
    std::string Play(const uint8_t* data, size_t size);

private:
    struct Output;
    std::vector<std::unique_ptr<Output>> outputs_;
    DateBand band_;
};

}  // namespace quibac::fuzzing
