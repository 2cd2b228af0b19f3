// A plain reading of DELTA_FLC chunk data into its lines and packets, so the
// encoder's tests can check which opcodes and packets it chose.
#pragma once

#include "support/flc_layout.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quibac::testing {

struct DeltaPacket {
    int Skip = 0;
    int Count = 0;  // signed: positive literal pairs, negative replicated pair
    std::vector<uint8_t> Bytes;
};

struct DeltaLine {
    int Row = 0;
    std::optional<uint8_t> LastByte;
    std::vector<DeltaPacket> Packets;
};

// data: the chunk from its first byte (size and type included).
inline std::vector<DeltaLine> ReadDeltaLines(const std::vector<uint8_t>& chunk) {
    std::vector<DeltaLine> lines;
    size_t p = 6;
    const int count = ReadU16(chunk, p);
    p += 2;
    int row = 0;
    for (int n = 0; n < count; ++n) {
        DeltaLine line;
        for (;;) {
            const uint16_t w = ReadU16(chunk, p);
            p += 2;
            if ((w & 0xC000) == 0xC000) {
                row += 0x10000 - w;
            } else if ((w & 0xC000) == 0x8000) {
                line.LastByte = uint8_t(w & 0xFF);
            } else if ((w & 0xC000) == 0) {
                line.Packets.resize(w);
                break;
            }
        }
        for (DeltaPacket& packet : line.Packets) {
            packet.Skip = chunk.at(p);
            packet.Count = int8_t(chunk.at(p + 1));
            p += 2;
            const size_t bytes = packet.Count > 0 ? size_t(2 * packet.Count) : packet.Count < 0 ? 2 : 0;
            packet.Bytes.assign(chunk.begin() + std::ptrdiff_t(p), chunk.begin() + std::ptrdiff_t(p + bytes));
            p += bytes;
        }
        line.Row = row++;
        lines.push_back(line);
    }
    return lines;
}

// Columns a line's packets write, in order (pairs expanded).
inline std::vector<int> PacketColumns(const DeltaLine& line) {
    std::vector<int> columns;
    int x = 0;
    for (const DeltaPacket& packet : line.Packets) {
        x += packet.Skip;
        const int pairs = packet.Count < 0 ? -packet.Count : packet.Count;
        for (int i = 0; i < 2 * pairs; ++i) columns.push_back(x++);
    }
    return columns;
}

// Writes a line's packets and then its last byte into row, as the format
// defines them; returns false if a packet leaves the row.
inline bool ApplyDeltaLine(const DeltaLine& line, std::vector<uint8_t>& row) {
    size_t x = 0;
    for (const DeltaPacket& packet : line.Packets) {
        x += size_t(packet.Skip);
        const int pairs = packet.Count < 0 ? -packet.Count : packet.Count;
        for (int i = 0; i < pairs; ++i) {
            if (x + 2 > row.size()) return false;
            const size_t from = packet.Count < 0 ? 0 : size_t(2 * i);
            row[x++] = packet.Bytes[from];
            row[x++] = packet.Bytes[from + 1];
        }
    }
    if (line.LastByte) row.back() = *line.LastByte;
    return true;
}

}  // namespace quibac::testing
