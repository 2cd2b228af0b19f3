#include "support/bitmap_builder.h"

#include <cstring>

namespace quibac::testing {

std::array<Rgb, 256> DistinctColours() {
    std::array<Rgb, 256> colours{};
    for (int k = 0; k < 256; ++k) colours[size_t(k)] = Rgb{uint8_t(k), uint8_t(255 - k), uint8_t((k * 37 + 11) & 0xFF)};
    return colours;
}

namespace {

std::vector<uint8_t> HeaderAndColours(int width, int height, DWORD compression, size_t dataBytes,
                                      const std::array<Rgb, 256>& colours) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 8;
    header.biCompression = compression;
    header.biSizeImage = DWORD(dataBytes);
    header.biClrUsed = 256;
    header.biClrImportant = 256;
    std::vector<uint8_t> out(sizeof header + 1024 + dataBytes);
    std::memcpy(out.data(), &header, sizeof header);
    for (size_t k = 0; k < 256; ++k) {
        out[40 + 4 * k] = colours[k].b;
        out[40 + 4 * k + 1] = colours[k].g;
        out[40 + 4 * k + 2] = colours[k].r;
    }
    return out;
}

}  // namespace

std::vector<uint8_t> MakeBitmapResource(int width, int height, const std::vector<uint8_t>& pixels,
                                        const std::array<Rgb, 256>& colours) {
    std::vector<uint8_t> out = HeaderAndColours(width, height, BI_RGB, size_t(width) * size_t(height), colours);
    for (int row = 0; row < height; ++row)
        std::memcpy(out.data() + 1064 + size_t(height - 1 - row) * size_t(width),
                    pixels.data() + size_t(row) * size_t(width), size_t(width));
    return out;
}

std::vector<uint8_t> MakeRle8BitmapResource(int width, int height, const std::vector<uint8_t>& stream,
                                            const std::array<Rgb, 256>& colours) {
    std::vector<uint8_t> out = HeaderAndColours(width, height, BI_RLE8, stream.size(), colours);
    std::memcpy(out.data() + 1064, stream.data(), stream.size());
    return out;
}

}  // namespace quibac::testing
