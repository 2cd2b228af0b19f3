// A captured screen as 8-bit palette indices, as PNG and GIF files want it.
// The screen holds 0x00RRGGBB pixels that the saver drew through its one
// 256-colour table, so a frame is almost always that table's indices; a
// frame caught while the table changes may hold colours of two tables, and
// gets a table of its own.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace quibac::render {

constexpr int kTableSize = 256;
using ColourTable = std::vector<uint32_t>;  // 0x00RRGGBB, at most 256 entries

struct IndexedFrame {
    std::vector<uint8_t> indices;  // one per pixel
    ColourTable table;             // what the indices mean
    bool exact = true;             // false: more than 256 colours, each shown as the nearest of table
};

// Finds colours in a table of up to 256 entries; a colour held by several
// entries is found at the first.
class ColourFinder {
public:
    explicit ColourFinder(const ColourTable& table);
    // The entry holding rgb, or -1.
    int Find(uint32_t rgb) const;

private:
    static constexpr uint32_t kSlots = 1024;  // a power of two, at most a quarter full
    static constexpr uint32_t kEmpty = UINT32_MAX;
    std::array<uint32_t, kSlots> keys_;
    std::array<uint8_t, kSlots> values_{};
};

// Turns screen pixels into indices: into saverTable when every pixel is one
// of its colours, otherwise into a table of the frame's own colours, in the
// order they first appear.
IndexedFrame IndexFrame(const std::vector<uint32_t>& pixels, const ColourTable& saverTable);

}  // namespace quibac::render
