// The fixed facts of the picture the saver draws: the logical canvas that all
// artwork is authored for, and the palette indices with a meaning of their own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quibac {

constexpr int32_t kCanvasWidth = 800;
constexpr int32_t kCanvasHeight = 600;

constexpr uint8_t kBlackIndex = 0;
constexpr uint8_t kArtBackground = 245;  // white behind all artwork
constexpr uint8_t kClearIndex = 255;     // white fill of every cleared scene
constexpr int kPaletteEntries = 256;

}  // namespace quibac
