// Reading the committed resource set for the art suite.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quibac::art {

inline std::filesystem::path AssetsDir() { return std::filesystem::path(QUIBAC_SOURCE_DIR) / "assets"; }

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

inline uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return at + 4 <= b.size() ? uint32_t(b[at]) | (uint32_t(b[at + 1]) << 8) | (uint32_t(b[at + 2]) << 16) |
                                    (uint32_t(b[at + 3]) << 24)
                              : 0;
}
inline uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return at + 2 <= b.size() ? uint16_t(b[at] | (b[at + 1] << 8)) : 0;
}

struct Colour {
    uint8_t r, g, b;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// An 8-bit bitmap file as the art generator writes it, turned top row first.
struct Bitmap {
    int32_t width = 0, height = 0;
    std::vector<Colour> table;    // 256 entries
    std::vector<uint8_t> pixels;  // width x height, top row first
    uint8_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// Fails the current test (and returns an empty bitmap) when the file is not
// an uncompressed 8-bit bitmap with a full table.
Bitmap LoadBitmap(const std::string& file);

}  // namespace quibac::art
