// A language's picture stored as BI_RLE8 over the English one: the saver's
// decoder, drawing the stream over the ground, gives the picture back exactly,
// whatever the counts' one-byte limits make of long runs, far moves and odd
// literals; and pixels that did not change cost nothing but the moves.
#ifdef QUIBAC_ARTGEN

#include "rle8.h"

#include "assets/dib_rle8.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace artgen {
namespace {

// No two neighbours alike, so that no run covers a pixel that kept its index.
uint8_t Busy(int x, int y) { return uint8_t((x * 7 + y * 13) & 0xFF); }

IndexedImage Image(int width, int height, const std::function<uint8_t(int, int)>& pixel) {
    IndexedImage image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.pixels.push_back(pixel(x, y));
    return image;
}

IndexedImage DrawnOver(const IndexedImage& ground, const std::vector<uint8_t>& stream) {
    IndexedImage drawn = ground;
    quibac::DecodeRle8(quibac::ByteView(stream.data(), stream.size()), drawn.pixels.data(), drawn.width, drawn.height);
    return drawn;
}

struct OverRow {
    const char* what;
    int width, height;
    std::function<uint8_t(int, int)> picture;  // over a Busy ground
};

const OverRow kOverRows[] = {
    {"one colour everywhere, rows longer than a run", 600, 4, [](int, int) { return uint8_t(5); }},
    {"noise in an odd width, all literals and pads", 7, 5, [](int x, int y) { return uint8_t(Busy(x, y) ^ 0x55); }},
    {"changes farther apart than a move reaches", 700, 600,
     [](int x, int y) { return (x == 3 && y == 2) || (x == 650 && y == 590) ? uint8_t(1) : Busy(x, y); }},
    {"a change at the top row's last pixel", 600, 300,
     [](int x, int y) { return x == 599 && y == 0 ? uint8_t(1) : Busy(x, y); }},
    {"a change at the bottom row's first pixel", 600, 300,
     [](int x, int y) { return x == 0 && y == 299 ? uint8_t(1) : Busy(x, y); }},
    {"pairs, triples and single pixels side by side", 40, 3,
     [](int x, int y) {
         return y == 1 ? uint8_t((x / 2) % 3 == 0 ? 9 : (x / 3) % 2 == 0 ? 8 : x) : Busy(x, y);
     }},
    {"a block of words in the middle", 328, 60,
     [](int x, int y) { return x > 40 && x < 290 && y > 10 && y < 50 ? uint8_t(x % 5 == 0 ? 2 : 3) : Busy(x, y); }},
};

TEST(ArtRle8, TheSaversDecoderDrawsThePictureOverItsGround) {
    for (const OverRow& row : kOverRows) {
        SCOPED_TRACE(row.what);
        const IndexedImage ground = Image(row.width, row.height, Busy);
        const IndexedImage picture = Image(row.width, row.height, row.picture);
        EXPECT_EQ(DrawnOver(ground, Rle8Over(picture, ground)).pixels, picture.pixels);
    }
}

TEST(ArtRle8, PixelsThatKeptTheirIndexCostOnlyTheMoves) {
    const IndexedImage ground = Image(600, 5, Busy);
    EXPECT_EQ(Rle8Over(ground, ground), (std::vector<uint8_t>{0, 1})) << "the end of the picture alone";
    // Pixel 300 of the middle row: up two rows, right 255 and 45, one pixel,
    // the end.
    const IndexedImage one = Image(600, 5, [](int x, int y) { return x == 300 && y == 2 ? uint8_t(1) : Busy(x, y); });
    const std::vector<uint8_t> stream = Rle8Over(one, ground);
    EXPECT_EQ(stream.size(), 4u + 4u + 4u + 2u + 2u);
    EXPECT_EQ(DrawnOver(ground, stream).pixels, one.pixels);
}

TEST(ArtRle8, APictureIsLaidOnlyOverAGroundOfItsSize) {
    EXPECT_THROW(Rle8Over(Image(8, 4, Busy), Image(8, 5, Busy)), std::logic_error);
    EXPECT_THROW(Rle8Over(Image(8, 4, Busy), Image(12, 4, Busy)), std::logic_error);
}

}  // namespace
}  // namespace artgen

#endif
