#include "support/flc_layout.h"

#include <stdexcept>

namespace quibac::testing {

std::vector<FlcItemInfo> ReadFlcLayout(const std::vector<uint8_t>& file) {
    std::vector<FlcItemInfo> items;
    const uint32_t end = ReadU32(file, 0);
    uint32_t at = 128;
    while (at < end) {
        FlcItemInfo item;
        item.Offset = at;
        item.Size = ReadU32(file, at);
        item.Type = ReadU16(file, at + 4);
        if (item.Size < 6 || size_t(at) + item.Size > file.size()) throw std::out_of_range("item outside the file");
        if (item.Type == 0xF1FA) {
            item.ChunkCount = ReadU16(file, at + 6);
            uint32_t chunk = at + 16;
            for (int k = 0; k < item.ChunkCount; ++k) {
                FlcChunkInfo c{chunk, ReadU32(file, chunk), ReadU16(file, chunk + 4)};
                if (c.Size < 6 || chunk + c.Size > at + item.Size) throw std::out_of_range("chunk outside its frame");
                item.Chunks.push_back(c);
                chunk += c.Size;
            }
        }
        items.push_back(item);
        at += item.Size;
    }
    return items;
}

}  // namespace quibac::testing
