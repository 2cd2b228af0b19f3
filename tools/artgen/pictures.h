// Each picture of the resource set, rendered in true colour on the artwork's
// white background.
#pragma once

#include "raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

RgbImage RenderWalkStrip();  // 8 frames of Quib walking right
RgbImage RenderWinkStrip();  // 7 frames of Quib's face: at rest, then one wink
RgbImage RenderQuotes();     // 5 captions stacked
RgbImage RenderAdvert();     // the full-canvas poster
RgbImage RenderLogo();

// The captions, top to bottom.
const std::vector<std::string>& QuoteTexts();

struct IconArt {
    RgbImage colours;
    std::vector<uint8_t> alpha;  // coverage 0..255
};
// The icon drawn for a palette of 16 (plain, saturated colours) or 256.
IconArt RenderIcon(bool sixteenColours);

}  // namespace artgen
