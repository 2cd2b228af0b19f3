// Reads the layout of an FLC file for tests: its top-level items and, for
// frames, their chunks, with offsets and sizes as stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quibac::testing {

struct FlcChunkInfo {
    uint32_t Offset = 0;  // from the start of the file
    uint32_t Size = 0;
    uint16_t Type = 0;
};

struct FlcItemInfo {
    uint32_t Offset = 0;
    uint32_t Size = 0;
    uint16_t Type = 0;
    uint16_t ChunkCount = 0;  // frames only
    std::vector<FlcChunkInfo> Chunks;
};

inline uint16_t ReadU16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b.at(at) | (b.at(at + 1) << 8)); }
inline uint32_t ReadU32(const std::vector<uint8_t>& b, size_t at) {
    return ReadU16(b, at) | (uint32_t(ReadU16(b, at + 2)) << 16);
}

// Walks the items from offset 128 to the header's size. Throws
// std::out_of_range when a size leads outside the bytes.
std::vector<FlcItemInfo> ReadFlcLayout(const std::vector<uint8_t>& file);

}  // namespace quibac::testing
