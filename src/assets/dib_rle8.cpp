#include "assets/dib_rle8.h"

#include <algorithm>
#include <cstring>

namespace quibac {

namespace {

constexpr uint8_t kEscape = 0;
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfPicture = 1;
constexpr uint8_t kDelta = 2;

// The pen: a column and a stored row (0 is the bottom one). Columns past the
// row's end are all alike, so the column stops there and never overflows.
struct Pen {
    int32_t width;
    int32_t height;
    int32_t x = 0;
    int32_t row = 0;

    bool Inside() const { return row < height; }
    // Where count pixels from the pen land in the destination, cut at the
    // row's end; returns how many land.
    int32_t Span(int32_t count) const { return std::clamp(width - x, 0, count); }
    void Advance(int32_t count) { x = std::min(width, x + count); }
    uint8_t* At(uint8_t* destination) const {
        return destination + size_t(height - 1 - row) * size_t(width) + size_t(x);
    }
};

}  // namespace

void DecodeRle8(ByteView stream, uint8_t* destination, int32_t width, int32_t height) {
    if (width <= 0 || height <= 0 || destination == nullptr) return;
    ByteReader in(stream);
    Pen pen{width, height};
    // Every step reads at least two bytes, so the stream's end is reached.
    while (pen.Inside()) {
        const uint8_t count = in.U8();
        const uint8_t value = in.U8();
        if (in.overrun()) return;
        if (count != kEscape) {
            std::memset(pen.At(destination), value, size_t(pen.Span(count)));
            pen.Advance(count);
            continue;
        }
        if (value == kEndOfLine) {
            pen.x = 0;
            ++pen.row;
        } else if (value == kEndOfPicture) {
            return;
        } else if (value == kDelta) {
            // A move cut short ends the stream at the next read.
            pen.Advance(in.U8());
            pen.row += in.U8();
        } else {
            // Literal indices, padded to an even length.
            const uint8_t* literal = in.Bytes(value);
            if (literal == nullptr) return;
            std::memcpy(pen.At(destination), literal, size_t(pen.Span(value)));
            pen.Advance(value);
            if ((value & 1) != 0) in.U8();
        }
    }
}

}  // namespace quibac
