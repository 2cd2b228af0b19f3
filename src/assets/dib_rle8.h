// 8-bit bitmaps compressed as BI_RLE8, the run-length form that Windows reads
// in a device-independent bitmap: rows bottom-up, each a sequence of runs of
// one index and of literal indices, with escapes that end a row, end the
// picture or move the pen right and up. A pixel the stream never writes keeps
// what the destination held, which lets a picture be stored as only what it
// changes of another one that is drawn first.
#pragma once

#include "assets/byte_view.h"

#include <cstdint>

namespace quibac {

// The info header's compression field for this form.
constexpr uint32_t kCompressionRle8 = 1;

// Draws the stream into destination, width x height indices with the top row
// first. Every write lies inside the picture: a run or literal that passes
// a row's end is cut there, and the stream ends at its end-of-picture escape,
// at the end of its bytes, or when the pen leaves the picture's top row.
void DecodeRle8(ByteView stream, uint8_t* destination, int32_t width, int32_t height);

}  // namespace quibac
