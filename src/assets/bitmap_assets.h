// The five 8-bit bitmaps of the show, loaded once into pixel arrays in canvas
// orientation (top row first, rows packed at the picture's width).
#pragma once

#include "assets/captured_palette.h"

#include <windows.h>

#include <array>
#include <cstdint>

namespace quibac {

constexpr int32_t kWalkStripWidth = 2144;
constexpr int32_t kWalkStripHeight = 330;
constexpr int32_t kWalkFrameWidth = 268;
constexpr int32_t kWalkFrames = 8;

constexpr int32_t kWinkStripWidth = 2124;
constexpr int32_t kWinkStripHeight = 390;
constexpr int32_t kWinkFrameWidth = 303;
constexpr int32_t kWinkFrames = 7;

constexpr int32_t kQuoteStripWidth = 328;
constexpr int32_t kQuoteStripHeight = 300;
constexpr int32_t kQuoteHeight = 60;
constexpr int32_t kQuoteCount = 5;

constexpr int32_t kAdvertWidth = 800;
constexpr int32_t kAdvertHeight = 600;

constexpr int32_t kLogoWidth = 504;
constexpr int32_t kLogoHeight = 128;

// Bytes of a bitmap resource before its colour table is found through the
// header size, and of the colour table itself.
constexpr size_t kColourTableBytes = 256 * 4;

struct BitmapAssets {
    std::array<uint8_t, size_t(kWalkStripWidth) * kWalkStripHeight> WalkStrip{};
    std::array<uint8_t, size_t(kWinkStripWidth) * kWinkStripHeight> WinkStrip{};
    std::array<uint8_t, size_t(kQuoteStripWidth) * kQuoteStripHeight> QuoteStrip{};
    std::array<uint8_t, size_t(kAdvertWidth) * kAdvertHeight> AdvertPicture{};
    std::array<uint8_t, size_t(kLogoWidth) * kLogoHeight> LogoPicture{};
};

// Copies the named RT_BITMAP resource into destination (width x height bytes,
// top row first) and, when capture is given, its colour table into it. Its
// rows are stored as they are or compressed as BI_RLE8, whose pixels left
// unwritten keep what destination held. A missing resource is reported on
// the debug output and leaves everything as it was. Returns whether the
// resource was found and read.
bool LoadBitmapAsset(HINSTANCE instance, uint8_t* destination, int32_t width, int32_t height, const char* name,
                     CapturedPaletteTable* capture);

// The walker first, capturing the palette; then the other four, of which the
// pictures with words are laid over their English ones.
void LoadWalkerBitmap(HINSTANCE instance, BitmapAssets& assets, CapturedPaletteTable& capture);
void LoadSceneBitmaps(HINSTANCE instance, BitmapAssets& assets);

}  // namespace quibac
