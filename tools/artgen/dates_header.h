// The dates header: for each day of December from the 1st to the 25th, the
// lettering of canvas rows 0..127 that the saver draws over the door pictures.
//
// The saver draws every pixel of the header that is not the background (245)
// straight over a picture, and redraws the marker colour (10) in the shown
// day's colour. So the lettering has hard outer edges, no blend toward any
// background: coloured or white letters inside a white edge and a dark
// outline, which read over a night sky and a snowfield alike.
#pragma once

#include "languages.h"
#include "palette.h"
#include "raster.h"

#include <string>
#include <vector>

namespace artgen {

constexpr int kHeaderDays = 25;
constexpr int kHeaderRows = 128;
// The left half holds the date, the right half the days left until Christmas
// (the saver blanks the left half after the 25th and keeps the right one).
constexpr int kHeaderHalf = 400;

// The header of December `day` (1..25) in a language, 800 x 128 palette
// indices: the background, the marker colour and fixed lettering colours,
// and the palette's nearest entries to the outline's dark and the
// anti-aliasing grey. Throws when the language's typeface lacks a letter.
IndexedImage RenderHeader(const Language& language, int day, const Palette& palette);

// The frames of a language's DATESFLIC: frame k is the full canvas with the
// header of December k + 1 at the top and plain background below.
std::vector<IndexedImage> RenderDatesFrames(const Language& language, const Palette& palette);

}  // namespace artgen
