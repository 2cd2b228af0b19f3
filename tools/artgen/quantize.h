// Maps true-colour renders onto the shared palette.
#pragma once

#include "palette.h"
#include "raster.h"

#include <memory>
#include <vector>

namespace artgen {

enum class Dither {
    None,            // nearest entry, for flat art and hard-edged lettering
    ErrorDiffusion,  // Floyd-Steinberg (serpentine): smooth gradients in stills
    Ordered,         // 8x8 Bayer: a stable pattern, for frames that are played
                     // one after another and compressed as deltas
};

// Nearest-entry search over the matchable entries, remembered per colour.
class ColourMatcher {
public:
    explicit ColourMatcher(const Palette& palette);
    uint8_t Nearest(int r, int g, int b);
    const Palette& palette() const { return palette_; }

private:
    Palette palette_;
    std::vector<uint16_t> cache_;
};

IndexedImage Quantize(const RgbImage& image, ColourMatcher& matcher, Dither dither);

}  // namespace artgen
