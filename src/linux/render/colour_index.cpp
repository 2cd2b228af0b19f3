#include "colour_index.h"

#include <algorithm>

namespace quibac::render {

namespace {

constexpr uint32_t kHashMultiplier = 2654435761u;  // Knuth's multiplicative hash
constexpr int kNotFound = -1;

uint32_t Slot(uint32_t rgb, uint32_t slots) { return (rgb * kHashMultiplier >> 16) & (slots - 1); }

int Channel(uint32_t rgb, int shift) { return int((rgb >> shift) & 0xFF); }

int DistanceSquared(uint32_t a, uint32_t b) {
    int sum = 0;
    for (int shift : {0, 8, 16}) {
        const int d = Channel(a, shift) - Channel(b, shift);
        sum += d * d;
    }
    return sum;
}

uint8_t Nearest(const ColourTable& table, uint32_t rgb) {
    size_t best = 0;
    for (size_t k = 1; k < table.size(); ++k)
        if (DistanceSquared(table[k], rgb) < DistanceSquared(table[best], rgb)) best = k;
    return uint8_t(best);
}

// Maps every pixel through finder; false at the first colour it lacks.
bool MapAll(const std::vector<uint32_t>& pixels, const ColourFinder& finder, std::vector<uint8_t>& indices) {
    indices.resize(pixels.size());
    // Screens are mostly runs of one colour; remember the last one.
    uint32_t last = UINT32_MAX;
    int lastIndex = kNotFound;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != last) {
            last = pixels[i];
            lastIndex = finder.Find(last);
            if (lastIndex == kNotFound) return false;
        }
        indices[i] = uint8_t(lastIndex);
    }
    return true;
}

// The frame's own colours in order of first appearance, or all of them up to
// one past the table's size when there are too many.
ColourTable OwnColours(const std::vector<uint32_t>& pixels) {
    ColourTable colours;
    uint32_t last = UINT32_MAX;
    for (uint32_t p : pixels) {
        if (p == last) continue;
        last = p;
        if (std::find(colours.begin(), colours.end(), p) != colours.end()) continue;
        colours.push_back(p);
        if (colours.size() > size_t(kTableSize)) break;
    }
    return colours;
}

}  // namespace

ColourFinder::ColourFinder(const ColourTable& table) {
    keys_.fill(kEmpty);
    for (size_t k = 0; k < table.size() && k < size_t(kTableSize); ++k) {
        uint32_t slot = Slot(table[k], kSlots);
        while (keys_[slot] != kEmpty && keys_[slot] != table[k]) slot = (slot + 1) & (kSlots - 1);
        if (keys_[slot] == kEmpty) {
            keys_[slot] = table[k];
            values_[slot] = uint8_t(k);
        }
    }
}

int ColourFinder::Find(uint32_t rgb) const {
    for (uint32_t slot = Slot(rgb, kSlots);; slot = (slot + 1) & (kSlots - 1)) {
        if (keys_[slot] == rgb) return values_[slot];
        if (keys_[slot] == kEmpty) return kNotFound;
    }
}

IndexedFrame IndexFrame(const std::vector<uint32_t>& pixels, const ColourTable& saverTable) {
    IndexedFrame frame;
    if (MapAll(pixels, ColourFinder(saverTable), frame.indices)) {
        frame.table = saverTable;
        return frame;
    }
    ColourTable own = OwnColours(pixels);
    if (own.size() <= size_t(kTableSize)) {
        MapAll(pixels, ColourFinder(own), frame.indices);
        frame.table = std::move(own);
        return frame;
    }
    // Two tables' worth of colours: the saver's table (or, without one, the
    // first colours seen), each missing colour shown as its nearest entry.
    own.resize(size_t(kTableSize));
    frame.table = saverTable.empty() ? own : saverTable;
    frame.exact = false;
    frame.indices.resize(pixels.size());
    const ColourFinder finder(frame.table);
    uint32_t last = UINT32_MAX;
    uint8_t lastIndex = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] != last) {
            last = pixels[i];
            const int found = finder.Find(last);
            lastIndex = found != kNotFound ? uint8_t(found) : Nearest(frame.table, last);
        }
        frame.indices[i] = lastIndex;
    }
    return frame;
}

}  // namespace quibac::render
