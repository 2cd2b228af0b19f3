// The BI_RLE8 stream of a picture laid over a ground picture of its size:
// only the pixels in which the two differ need writing, and the escapes that
// move the pen pass over the rest, which the loader leaves showing the ground.
#pragma once

#include "raster.h"

#include <cstdint>
#include <vector>

namespace artgen {

// The shortest stream that the escapes allow, row by row: each row's pixels
// that differ covered by runs, literals and moves of the pen at the fewest
// bytes. Throws std::logic_error when the two differ in size.
std::vector<uint8_t> Rle8Over(const IndexedImage& picture, const IndexedImage& ground);

}  // namespace artgen
