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
    Paired,          // 2x2 Bayer: every row of a gradient repeats a pair of
                     // entries, which the animation's run-length packets
                     // store as cheaply as a flat colour
    Rows,            // a pattern that changes from row to row only: rows of a
                     // gradient become runs of one entry, which is all that
                     // byte-run pictures compress
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

// Pixels around a changed colour that are dithered again with it.
constexpr int kRepaintMargin = 2;

// A picture that repaints part of a ground picture, error-diffused as the
// ground is: every pixel farther than kRepaintMargin (across or along) from
// a colour that differs keeps the ground's entry, so that the mapping differs
// from the ground's only around what was repainted. Throws std::logic_error
// when the two differ in size.
IndexedImage QuantizeOver(const RgbImage& image, const RgbImage& ground, ColourMatcher& matcher);

}  // namespace artgen
