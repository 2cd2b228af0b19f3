// Placing decoded pixels. FlicPlot is the rule; the row functions give the
// same bytes for a run of pixels on one canvas row with a few memory
// operations per output row instead of a block fill per pixel. That is
// possible because the blocks of neighbouring canvas pixels are disjoint and
// adjacent: canvas columns x0..x1 fill output columns ColStart[x0] up to
// ColStart[x1] + ColSpan[x1], and every output row of the canvas row gets the
// same bytes.
#include "flic/flic_decoders.h"

#include "display/frame_drawing.h"

#include <cstring>

namespace quibac {

namespace {

constexpr int32_t kWideStore = 8;
// Runs longer than this are whole stretched rows, left to the library's copy.
constexpr size_t kShortRun = 256;
constexpr uint64_t kEveryByte = 0x0101010101010101ull;

bool Capturing(const FlicPlayer& player, int32_t y) {
    return player.Target.Capture != nullptr && y < player.Target.CaptureRows;
}

uint8_t* CaptureAt(const FlicPlayer& player, int32_t x, int32_t y) {
    return player.Target.Capture + size_t(y) * kCanvasWidth + size_t(x);
}

bool CanDraw(const FlicPlayer& player) { return player.Target.Frame.FrameBuffer != nullptr; }

// Clips the run [x, x + count) on row y to the canvas. Returns false when
// nothing is left; otherwise first and end bound the canvas columns and skip
// says how many leading pixels fell off the left edge.
bool ClipRun(int32_t x, int32_t y, int32_t count, int32_t& first, int32_t& end, int32_t& skip) {
    if (y < 0 || y >= kCanvasHeight || count <= 0) return false;
    const int64_t from = x;
    const int64_t to = int64_t(x) + count;
    if (to <= 0 || from >= kCanvasWidth) return false;
    first = from < 0 ? 0 : int32_t(from);
    end = to > kCanvasWidth ? kCanvasWidth : int32_t(to);
    skip = int32_t(first - from);
    return true;
}

// Copies a run of decoded bytes. Most runs are short (a delta's literal
// packet holds at most 254 bytes), so these move in 16-, 8-, 4- and 2-byte
// pieces, overlapping the last piece, instead of leaving the choice of a
// block-move instruction with its start-up cost to the compiler.
void CopyRun(uint8_t* to, const uint8_t* from, size_t n) {
    if (n > kShortRun) {
        std::memcpy(to, from, n);
    } else if (n >= 16) {
        size_t i = 0;
        for (; i + 16 <= n; i += 16) std::memcpy(to + i, from + i, 16);
        if (i < n) std::memcpy(to + n - 16, from + n - 16, 16);
    } else if (n >= 8) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n >= 2) {
        std::memcpy(to, from, 2);
        std::memcpy(to + n - 2, from + n - 2, 2);
    } else if (n == 1) {
        *to = *from;
    }
}

// Copies output columns [left, right) of the first output row of canvas row
// y to the row's other output rows.
void RepeatRow(const FrameView& frame, int32_t y, int32_t left, int32_t right) {
    const ScalingMaps& maps = *frame.Maps;
    const int32_t top = maps.RowStart[size_t(y)];
    const uint8_t* source = FrameRow(frame, top) + left;
    for (int32_t v = top + 1; v < top + maps.RowSpan[size_t(y)]; ++v)
        CopyRun(FrameRow(frame, v) + left, source, size_t(right - left));
}

}  // namespace

void FlicPlot(FlicPlayer& player, int32_t x, int32_t y, uint8_t colour) {
    if (x < 0 || y < 0 || x >= kCanvasWidth || y >= kCanvasHeight) return;
    if (Capturing(player, y)) *CaptureAt(player, x, y) = colour;
    if (CanDraw(player)) CanvasPlot(player.Target.Frame, x, y, colour);
}

void FlicPlotRow(FlicPlayer& player, int32_t x, int32_t y, const uint8_t* colours, int32_t count) {
    int32_t first, end, skip;
    if (!ClipRun(x, y, count, first, end, skip)) return;
    const uint8_t* source = colours + skip;
    const size_t n = size_t(end - first);
    if (Capturing(player, y)) CopyRun(CaptureAt(player, first, y), source, n);
    if (!CanDraw(player)) return;
    const FrameView& frame = player.Target.Frame;
    const ScalingMaps& maps = *frame.Maps;
    if (maps.RowSpan[size_t(y)] <= 0) return;
    uint8_t* row = FrameRow(frame, maps.RowStart[size_t(y)]);
    const int32_t left = maps.ColStart[size_t(first)];
    const int32_t right = maps.ColStart[size_t(end - 1)] + maps.ColSpan[size_t(end - 1)];
    if (frame.Width == kCanvasWidth) {
        CopyRun(row + first, source, n);  // every column span is 1
    } else {
        // Blocks are filled left to right with one 8-byte store each where it
        // stays inside the run's output: the bytes a store writes past its
        // own block belong to pixels further right in the same run, which
        // overwrite them with their own colours.
        for (int32_t c = first; c < end; ++c, ++source) {
            const int32_t start = maps.ColStart[size_t(c)];
            const int32_t span = maps.ColSpan[size_t(c)];
            uint8_t* block = row + start;
            if (span <= kWideStore && start + kWideStore <= right) {
                const uint64_t repeated = *source * kEveryByte;
                std::memcpy(block, &repeated, kWideStore);
            } else {
                for (int32_t u = 0; u < span; ++u) block[u] = *source;
            }
        }
    }
    RepeatRow(frame, y, left, right);
}

void FlicPlotFill(FlicPlayer& player, int32_t x, int32_t y, uint8_t colour, int32_t count) {
    int32_t first, end, skip;
    if (!ClipRun(x, y, count, first, end, skip)) return;
    if (Capturing(player, y)) std::memset(CaptureAt(player, first, y), colour, size_t(end - first));
    if (!CanDraw(player)) return;
    const FrameView& frame = player.Target.Frame;
    const ScalingMaps& maps = *frame.Maps;
    const int32_t left = maps.ColStart[size_t(first)];
    const int32_t right = maps.ColStart[size_t(end - 1)] + maps.ColSpan[size_t(end - 1)];
    if (right <= left) return;
    const int32_t top = maps.RowStart[size_t(y)];
    for (int32_t v = top; v < top + maps.RowSpan[size_t(y)]; ++v)
        std::memset(FrameRow(frame, v) + left, colour, size_t(right - left));
}

}  // namespace quibac
