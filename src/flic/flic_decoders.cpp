// The four chunk decoders. Positions that leave the canvas are passed on to
// the plotting functions, which drop them; rows only ever grow, so a decoder
// stops once its row is past the canvas, where nothing more could be placed.
#include "flic/flic_decoders.h"

#include "flic/flic_format.h"

namespace quibac {

namespace {

int32_t HeaderWidth(const FlicPlayer& player) { return player.Data.U16(kFlicWidthAt); }
int32_t HeaderHeight(const FlicPlayer& player) { return player.Data.U16(kFlicHeightAt); }

// The largest replicated pair run is 128 pairs.
constexpr int32_t kMaxPairRunBytes = 2 * 128;

}  // namespace

void DecodeColor256(FlicPlayer& player, ByteView data) {
    RGBQUAD* table = player.Target.ColourTable;
    ByteReader reader(data);
    const uint32_t packets = reader.U16();
    int32_t index = 0;
    for (uint32_t p = 0; p < packets; ++p) {
        const int32_t skip = reader.U8();
        const int32_t stored = reader.U8();
        const int32_t count = stored == 0 ? kColoursInFullPacket : stored;
        const uint8_t* rgb = reader.Bytes(size_t(count) * 3);
        if (rgb == nullptr) break;
        index += skip;
        // The table has 256 entries; colours meant for entries beyond it are dropped.
        for (int32_t k = 0; k < count && index < kPaletteEntries; ++k, ++index, rgb += 3) {
            if (table == nullptr) continue;
            table[index].rgbRed = rgb[0];
            table[index].rgbGreen = rgb[1];
            table[index].rgbBlue = rgb[2];
        }
    }
    player.PaletteChanged = true;
}

void DecodeByteRun(FlicPlayer& player, ByteView data) {
    OutputDebugStringA(kByteRunText);
    const int32_t width = HeaderWidth(player);
    const int32_t height = HeaderHeight(player);
    ByteReader reader(data);
    for (int32_t y = 0; y < height && y < kCanvasHeight; ++y) {
        reader.U8();  // the line's packet count: lines end by the width
        int32_t x = 0;
        while (x < width) {
            const int32_t k = reader.S8();
            if (reader.overrun()) return;
            if (k < 0) {
                const uint8_t* literal = reader.Bytes(size_t(-k));
                if (literal == nullptr) return;
                FlicPlotRow(player, x, y, literal, -k);
                x += -k;
            } else {
                const uint8_t colour = reader.U8();
                if (reader.overrun()) return;
                FlicPlotFill(player, x, y, colour, k);
                x += k;
            }
        }
    }
}

void DecodeFliCopy(FlicPlayer& player, ByteView data) {
    OutputDebugStringA(kFliCopyText);
    const int32_t width = HeaderWidth(player);
    const int32_t height = HeaderHeight(player);
    if (width == 0) return;
    size_t at = 0;
    for (int32_t y = 0; y < height && y < kCanvasHeight && at < data.size(); ++y) {
        const size_t available = data.size() - at;
        const int32_t count = available < size_t(width) ? int32_t(available) : width;
        FlicPlotRow(player, 0, y, data.data() + at, count);
        at += size_t(width);
    }
}

void DecodeDeltaFlc(FlicPlayer& player, ByteView data) {
    OutputDebugStringA(kDeltaFlcText);
    const int32_t width = HeaderWidth(player);
    ByteReader reader(data);
    const uint32_t lines = reader.U16();
    int64_t y = 0;
    for (uint32_t line = 0; line < lines; ++line) {
        bool hasLastByte = false;
        uint8_t lastByte = 0;
        uint32_t packets = 0;
        for (;;) {
            const uint16_t word = reader.U16();
            if (reader.overrun()) return;
            const uint16_t kind = word & kOpcodeKindMask;
            if (kind == kOpcodeLineSkip) {
                y += kOpcodeWordRange - word;
            } else if (kind == kOpcodeLastByte) {
                lastByte = uint8_t(word & 0xFF);
                hasLastByte = true;
            } else if (kind == 0) {
                packets = word;
                break;
            }
            // kOpcodeIgnored: read on.
        }
        if (y >= kCanvasHeight) return;
        const int32_t row = int32_t(y);
        int32_t x = 0;
        for (uint32_t p = 0; p < packets; ++p) {
            const uint8_t* head = reader.Bytes(2);  // column skip, signed count
            if (head == nullptr) return;
            x += head[0];
            const int32_t k = int8_t(head[1]);
            if (k > 0) {
                const uint8_t* pairs = reader.Bytes(size_t(2 * k));
                if (pairs == nullptr) return;
                FlicPlotRow(player, x, row, pairs, 2 * k);
                x += 2 * k;
            } else if (k < 0) {
                const uint8_t* pair = reader.Bytes(2);
                if (pair == nullptr) return;
                const uint8_t a = pair[0];
                const uint8_t b = pair[1];
                if (a == b) {
                    FlicPlotFill(player, x, row, a, -2 * k);
                } else {
                    uint8_t pattern[kMaxPairRunBytes];
                    for (int32_t i = 0; i < -k; ++i) {
                        pattern[2 * i] = a;
                        pattern[2 * i + 1] = b;
                    }
                    FlicPlotRow(player, x, row, pattern, -2 * k);
                }
                x += -2 * k;
            }
        }
        if (hasLastByte) FlicPlot(player, width - 1, row, lastByte);
        y += 1;
    }
}

}  // namespace quibac
