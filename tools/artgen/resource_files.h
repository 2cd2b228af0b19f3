// Byte images of the resource files: 8-bit bitmaps and the icon group.
#pragma once

#include "palette.h"
#include "raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kColourTableSize = 256 * 4;
constexpr uint32_t kNoCompression = 0;  // BI_RGB

// A .bmp file: the 14-byte file header that the resource compiler strips,
// then the info header, the full colour table and bottom-up rows. Widths
// are multiples of four, so rows carry no filler.
std::vector<uint8_t> EncodeBitmap(const IndexedImage& image, const PaletteTable& colours);
// A .bmp file of image compressed as BI_RLE8 over ground: the loader lays it
// over ground, already in its array. Throws std::logic_error unless the
// saver's decoder draws image from it.
std::vector<uint8_t> EncodeBitmapOver(const IndexedImage& image, const IndexedImage& ground,
                                      const PaletteTable& colours);

struct IconImage {
    IndexedImage pixels;               // 32 x 32 indices into its table
    std::vector<Rgb> table;            // 16 or 256 colours
    std::vector<uint8_t> transparent;  // 1 where the icon shows the desktop
    int bitsPerPixel = 8;              // 4 or 8
};

// A .ico file holding the given images in order.
std::vector<uint8_t> EncodeIcon(const std::vector<IconImage>& images);

// An FLC animation of full-canvas frames sharing the palette: frame 0 as a
// postage stamp, the colours and the whole picture, every later frame as
// its delta, then the ring frame back to frame 0. speed is the header's
// milliseconds per frame.
std::vector<uint8_t> EncodeAnimation(const std::vector<IndexedImage>& frames, const PaletteTable& colours,
                                     uint32_t speed);

// An animation that only the saver plays, from its start and never round:
// no thumbnail, no ring frame, and deltas packed at the fewest bytes.
std::vector<uint8_t> EncodeCompactAnimation(const std::vector<IndexedImage>& frames, const PaletteTable& colours,
                                            uint32_t speed);

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);
// A file's whole text; throws when it cannot be read.
std::string ReadText(const std::string& path);

}  // namespace artgen
