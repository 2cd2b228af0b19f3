// Each picture of the resource set, rendered in true colour on the artwork's
// white background.
#pragma once

#include "languages.h"
#include "raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

RgbImage RenderWalkStrip();  // 8 frames of Quib walking right
RgbImage RenderWinkStrip();  // 7 frames of Quib's face: at rest, then one wink
// The pictures with words, in a language; each throws when the language's
// typeface lacks a letter of its words.
RgbImage RenderQuotes(const Language& language);  // 5 captions stacked
RgbImage RenderAdvert(const Language& language);  // the full-canvas poster
RgbImage RenderLogo(const Language& language);

// The captions of a language, top to bottom.
std::vector<std::string> QuoteTexts(const Language& language);

struct IconArt {
    RgbImage colours;
    std::vector<uint8_t> alpha;  // coverage 0..255
};
// The icon drawn for a palette of 16 (plain, saturated colours) or 256.
IconArt RenderIcon(bool sixteenColours);

}  // namespace artgen
