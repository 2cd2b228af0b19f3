#include "asset_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace quibac::art {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bitmap LoadBitmap(const std::string& file) {
    const std::vector<uint8_t> b = ReadBytes(AssetsDir() / file);
    Bitmap bmp;
    if (b.size() < 1078 || b[0] != 'B' || b[1] != 'M' || Le16(b, 28) != 8 || Le32(b, 30) != 0) {
        ADD_FAILURE() << file << " is not an uncompressed 8-bit bitmap";
        return bmp;
    }
    const int32_t w = int32_t(Le32(b, 18)), h = int32_t(Le32(b, 22));
    if (w <= 0 || h <= 0 || b.size() != 1078 + size_t(w) * size_t(h)) {
        ADD_FAILURE() << file << " has a size that does not match its header";
        return bmp;
    }
    bmp.width = w;
    bmp.height = h;
    for (size_t i = 0; i < 256; ++i) bmp.table.push_back(Colour{b[54 + 4 * i + 2], b[54 + 4 * i + 1], b[54 + 4 * i]});
    bmp.pixels.resize(size_t(w) * size_t(h));
    for (int32_t row = 0; row < h; ++row)  // stored bottom-up
        std::copy_n(b.begin() + long(1078 + size_t(row) * size_t(w)), w,
                    bmp.pixels.begin() + long(size_t(h - 1 - row) * size_t(w)));
    return bmp;
}

}  // namespace quibac::art
