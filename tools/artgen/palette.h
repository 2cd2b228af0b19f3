// The one colour table that every picture of the resource set shares.
//
// Entries 0..9 and 246..255 are the system colours, 245 is the artwork's
// white background, 10 is the marker colour of the dates header, and the
// door colours of the door table are strong lettering colours. Every other
// entry is chosen from the rendered pictures themselves: median cut over a
// colour histogram of all of them, refined by a few rounds of k-means.
//
// Any picture that is to share the table must be among the sources when it is
// built: adding a picture (the door and header animations, for instance)
// re-derives the free entries for the whole set, which is then regenerated
// together.
#pragma once

#include "raster.h"

#include <array>
#include <cstdint>
#include <vector>

namespace artgen {

using PaletteTable = std::array<Rgb, 256>;

constexpr int kPaletteSize = 256;
constexpr uint8_t kBackgroundIndex = 245;  // white behind all artwork
constexpr uint8_t kMarkerIndex = 10;       // header lettering redrawn per day
constexpr uint8_t kWhiteIndex = 255;

struct Palette {
    PaletteTable colours{};
    // Entries whose colour is set by convention, not by the pictures.
    std::array<bool, kPaletteSize> fixed{};
    // Entries that colour matching may choose. The marker colour is painted
    // only on purpose, and white is always matched to the background entry.
    std::array<bool, kPaletteSize> matchable{};
};

struct IndexedColour {
    uint8_t index;
    Rgb colour;
};

// The twenty colours that Windows reserves in a 256-colour palette.
const std::vector<IndexedColour>& SystemColours();
// The marker colour and every door colour of the door table except black.
const std::vector<IndexedColour>& LetteringColours();

// A palette with only the fixed entries set; the free ones are black and not
// matchable.
Palette FixedPalette();

struct PaletteSource {
    const RgbImage* image = nullptr;
    // Per-pixel weight in the histogram: lets near-identical frames count as
    // one picture, or small but important pictures count more.
    uint32_t weight = 1;
};

// Fills the free entries from the sources (deterministic for equal input).
Palette BuildPalette(const std::vector<PaletteSource>& sources);

// Perceptually weighted squared distance between two colours.
inline int32_t ColourDistance(int32_t r1, int32_t g1, int32_t b1, int32_t r2, int32_t g2, int32_t b2) {
    const int32_t dr = r1 - r2, dg = g1 - g2, db = b1 - b2;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace artgen
