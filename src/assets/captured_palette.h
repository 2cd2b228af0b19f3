// The colour table a bitmap resource carries, as the loader captures it: the
// first palette of the show is built from the walker bitmap's.
#pragma once

#include <array>
#include <cstdint>

namespace quibac {

// One colour of the captured colour table: red, green, blue and a byte that
// nothing reads.
struct CapturedColour {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    uint8_t Unused = 0;
};
using CapturedPaletteTable = std::array<CapturedColour, 256>;

}  // namespace quibac
