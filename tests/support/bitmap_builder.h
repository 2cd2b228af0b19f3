// Builds bitmap resources as the resource compiler stores them: a 40-byte info
// header, a 256-entry colour table and bottom-up 8-bit rows.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <vector>

namespace quibac::testing {

struct Rgb {
    uint8_t r, g, b;
};

// A table in which every entry has a colour of its own, so that a screen
// pixel tells which index was drawn.
std::array<Rgb, 256> DistinctColours();

// pixels: width x height indices, top row first.
std::vector<uint8_t> MakeBitmapResource(int width, int height, const std::vector<uint8_t>& pixels,
                                        const std::array<Rgb, 256>& colours);

// A BI_RLE8 bitmap resource whose pixel data is stream.
std::vector<uint8_t> MakeRle8BitmapResource(int width, int height, const std::vector<uint8_t>& stream,
                                            const std::array<Rgb, 256>& colours);

inline uint32_t ToScreen(Rgb c) { return (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b; }

}  // namespace quibac::testing
