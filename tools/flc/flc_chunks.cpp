#include "flc/flc_chunks.h"

#include <algorithm>
#include <cstring>

namespace quibac::flc {

void PutU8(Bytes& out, uint32_t value) { out.push_back(uint8_t(value)); }
void PutU16(Bytes& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}
void PutU32(Bytes& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}
void PatchU16(Bytes& out, size_t at, uint32_t value) {
    out[at] = uint8_t(value);
    out[at + 1] = uint8_t(value >> 8);
}
void PatchU32(Bytes& out, size_t at, uint32_t value) {
    PatchU16(out, at, value & 0xFFFF);
    PatchU16(out, at + 2, value >> 16);
}

Bytes MakeChunk(uint16_t type, const Bytes& data) {
    Bytes chunk;
    chunk.reserve(kChunkHeaderBytes + data.size() + 1);
    PutU32(chunk, 0);
    PutU16(chunk, type);
    chunk.insert(chunk.end(), data.begin(), data.end());
    if (chunk.size() % 2 != 0) chunk.push_back(0);
    PatchU32(chunk, 0, uint32_t(chunk.size()));
    return chunk;
}

Bytes Colour256Chunk(const Palette& colours) {
    Bytes data;
    PutU16(data, 1);  // one packet
    PutU8(data, 0);   // skipping no entries
    PutU8(data, 0);   // 0 stands for all 256 colours
    for (const Colour& c : colours) {
        PutU8(data, c.Red);
        PutU8(data, c.Green);
        PutU8(data, c.Blue);
    }
    return MakeChunk(kColour256, data);
}

namespace {

// Length of the run of equal bytes starting at line[x], at most limit.
int EqualRun(const uint8_t* line, int x, int width, int limit) {
    int n = 1;
    while (x + n < width && n < limit && line[x + n] == line[x]) ++n;
    return n;
}

void ByteRunLine(Bytes& out, const uint8_t* line, int width) {
    const size_t countAt = out.size();
    PutU8(out, 0);
    int packets = 0;
    int x = 0;
    while (x < width) {
        const int run = EqualRun(line, x, width, kMaxReplicateBytes);
        // Two equal bytes cost as much as a literal pair; a run starts at three.
        if (run >= 3) {
            PutU8(out, uint32_t(run));
            PutU8(out, line[x]);
            x += run;
        } else {
            int end = x;
            while (end < width && end - x < kMaxLiteralBytes && EqualRun(line, end, width, 3) < 3) ++end;
            if (end == x) end = x + 1;
            PutU8(out, uint32_t(uint8_t(-(end - x))));
            out.insert(out.end(), line + x, line + end);
            x = end;
        }
        ++packets;
    }
    // Readers go by the width; the count is informative and saturates.
    out[countAt] = uint8_t(std::min(packets, 255));
}

}  // namespace

Bytes ByteRunLines(const uint8_t* pixels, int width, int height) {
    Bytes data;
    for (int y = 0; y < height; ++y) ByteRunLine(data, pixels + size_t(y) * size_t(width), width);
    return data;
}

Bytes ByteRunChunk(const uint8_t* pixels, int width, int height) {
    return MakeChunk(kByteRun, ByteRunLines(pixels, width, height));
}

Bytes FliCopyChunk(const uint8_t* pixels, int width, int height) {
    return MakeChunk(kFliCopy, Bytes(pixels, pixels + size_t(width) * size_t(height)));
}

// ---- DELTA_FLC ---------------------------------------------------------------

namespace {

// Columns [Start, End) of a line rewritten in pairs; End - Start is even.
struct Span {
    int Start;
    int End;
};

struct DeltaLine {
    std::vector<Span> Spans;
    bool UsesLastByte = false;
};

// Covers every changed column of a line with pairs, as cheaply as possible:
// a pair costs its two bytes and each span adds a packet head, while
// unchanged columns outside spans cost nothing.
//
// The last column of an odd-width line needs care. Pairs cannot overlap or
// run past the line, so pairs cover such a line only if one of its columns
// at an even position kept its colour (each pair takes one even and one odd
// column, and the even ones are one more). Only when none did, as when every
// column changed, does the last-byte opcode carry the last column.
// Everywhere else a pair reaches it: readers disagree on where that opcode's
// byte lands (some put it at the end of their own padded row rather than at
// the line's last column), and a pair means the same to all of them.
DeltaLine PlanLine(const uint8_t* prev, const uint8_t* cur, int width) {
    // Costs in quarter bytes: between covers of equal size, the one whose
    // spans start on changed columns wins.
    constexpr int64_t kNever = INT64_MAX / 4;
    constexpr int64_t kPacketHead = 2 * 4;
    constexpr int64_t kPair = 2 * 4;
    constexpr int64_t kStartOnUnchanged = 1;
    constexpr int64_t kLastByteWord = 2 * 4;
    constexpr int64_t kLastByteAvoided = int64_t(1) << 40;  // any cover of pairs is better

    auto changed = [&](int x) { return prev[x] != cur[x]; };
    const size_t n = size_t(width) + 1;
    // Cheapest way to have settled columns 0..x-1, outside a span (free) or
    // just after a pair (open: the next pair may extend the span).
    std::vector<int64_t> free(n, kNever), open(n, kNever);
    enum : uint8_t { kFromSkip, kFromClose, kFromStart, kFromExtend };
    std::vector<uint8_t> freeFrom(n, kFromSkip), openFrom(n, kFromStart);
    free[0] = 0;
    int64_t lastByteCost = kNever;
    for (int x = 0; x < width; ++x) {
        const size_t i = size_t(x);
        if (open[i] < free[i]) {
            free[i] = open[i];
            freeFrom[i] = kFromClose;
        }
        if (free[i] < kNever) {
            if (!changed(x) && free[i] < free[i + 1]) {
                free[i + 1] = free[i];
                freeFrom[i + 1] = kFromSkip;
            }
            const int64_t start = free[i] + kPacketHead + kPair + (changed(x) ? 0 : kStartOnUnchanged);
            if (x + 1 < width && start < open[i + 2]) {
                open[i + 2] = start;
                openFrom[i + 2] = kFromStart;
            }
            if (x == width - 1 && changed(x)) lastByteCost = free[i] + kLastByteWord + kLastByteAvoided;
        }
        if (open[i] < kNever && x + 1 < width && open[i] + kPair < open[i + 2]) {
            open[i + 2] = open[i] + kPair;
            openFrom[i + 2] = kFromExtend;
        }
    }

    DeltaLine plan;
    const size_t w = size_t(width);
    size_t at = w;
    bool inOpen = open[w] < free[w];
    const int64_t best = std::min(free[w], open[w]);
    if (lastByteCost < best) {
        plan.UsesLastByte = true;
        at = w - 1;
        inOpen = false;
    }
    // Walk back from the end, collecting spans in reverse.
    int spanEnd = -1;
    while (at > 0) {
        if (inOpen) {
            if (spanEnd < 0) spanEnd = int(at);
            const bool start = openFrom[at] == kFromStart;
            at -= 2;
            if (start) {
                plan.Spans.push_back({int(at), spanEnd});
                spanEnd = -1;
                inOpen = false;
            }
        } else if (freeFrom[at] == kFromClose) {
            inOpen = true;
        } else {
            at -= 1;
        }
    }
    std::reverse(plan.Spans.begin(), plan.Spans.end());
    return plan;
}

// A packet of a line: from column Start, Pairs pairs, literal or replicated.
struct Packet {
    int Start;
    int Pairs;
    bool Replicate;
};

// The packets of a span plan: replicate packets for three or more equal
// pairs, literal packets for the rest.
std::vector<Packet> SpanPlanPackets(const DeltaLine& plan, const uint8_t* cur) {
    auto pairEqual = [&](int a, int b) { return cur[a] == cur[b] && cur[a + 1] == cur[b + 1]; };
    std::vector<Packet> packets;
    for (const Span& span : plan.Spans) {
        auto pairRun = [&](int at, int limit) {
            int n = 1;
            while (at + 2 * n < span.End && n < limit && pairEqual(at, at + 2 * n)) ++n;
            return n;
        };
        int x = span.Start;
        while (x < span.End) {
            const int run = pairRun(x, kMaxReplicatePairs);
            if (run >= 3) {
                packets.push_back({x, run, true});
                x += 2 * run;
                continue;
            }
            int end = x;
            while (end < span.End && (end - x) / 2 < kMaxLiteralPairs && pairRun(end, 3) < 3) end += 2;
            if (end == x) end = x + 2;
            packets.push_back({x, (end - x) / 2, false});
            x = end;
        }
    }
    return packets;
}

// The cheapest packets that cover every changed column of the first width
// columns; false when pairs cannot (an odd width with no even column kept).
bool PackLine(const uint8_t* prev, const uint8_t* cur, int width, std::vector<Packet>& packets) {
    constexpr int64_t kNever = INT64_MAX / 4;
    constexpr int64_t kHead = 2;  // skip and count bytes
    constexpr int64_t kPairBytes = 2;
    struct Way {
        int64_t Cost = kNever;
        int From = 0;
        int Pairs = 0;  // of the packet that ends here; 0 for a skipped column
        bool Replicate = false;
    };
    const size_t n = size_t(width) + 1;
    // Settled up to a column outside any packet, or inside an open literal.
    std::vector<Way> free(n), literal(n);
    free[0].Cost = 0;
    // Equal pairs in a row from each column.
    std::vector<int> equalPairs(n + 1, 0);
    for (int x = width - 2; x >= 0; --x)
        equalPairs[size_t(x)] =
            x + 3 < width && cur[x] == cur[x + 2] && cur[x + 1] == cur[x + 3] ? equalPairs[size_t(x) + 2] + 1 : 1;
    auto relax = [](Way& to, int64_t cost, int from, int pairs, bool replicate) {
        if (cost < to.Cost) to = {cost, from, pairs, replicate};
    };
    for (int x = 0; x <= width; ++x) {
        const size_t i = size_t(x);
        // An open literal may close anywhere.
        if (literal[i].Cost < free[i].Cost) free[i] = {literal[i].Cost, x, -1, false};
        if (x == width) break;
        const int64_t here = free[i].Cost;
        if (here < kNever) {
            if (prev[x] == cur[x]) relax(free[i + 1], here, x, 0, false);
            if (x + 2 <= width) relax(literal[i + 2], here + kHead + kPairBytes, x, 1, false);
            for (int k = 1; k <= std::min(equalPairs[i], kMaxReplicatePairs); ++k)
                relax(free[i + size_t(2 * k)], here + kHead + kPairBytes, x, k, true);
        }
        if (literal[i].Cost < kNever && literal[i].Pairs < kMaxLiteralPairs && x + 2 <= width)
            relax(literal[i + 2], literal[i].Cost + kPairBytes, literal[i].From, literal[i].Pairs + 1, false);
    }
    if (free[size_t(width)].Cost >= kNever) return false;
    packets.clear();
    for (int x = width; x > 0;) {
        const Way& way = free[size_t(x)];
        if (way.Pairs < 0) {  // closed an open literal: take it whole
            const Way& open = literal[size_t(x)];
            packets.push_back({open.From, open.Pairs, false});
            x = open.From;
        } else if (way.Pairs == 0) {
            x = way.From;
        } else {
            packets.push_back({way.From, way.Pairs, way.Replicate});
            x = way.From;
        }
    }
    std::reverse(packets.begin(), packets.end());
    return true;
}

void PutPackets(Bytes& out, int& count, const uint8_t* cur, const std::vector<Packet>& packets) {
    int x = 0;
    for (const Packet& p : packets) {
        int skip = p.Start - x;
        // A skip byte reaches 255 columns; farther gaps take empty packets.
        while (skip > kMaxSkipByte) {
            PutU8(out, kMaxSkipByte);
            PutU8(out, 0);
            ++count;
            skip -= kMaxSkipByte;
        }
        PutU8(out, uint32_t(skip));
        if (p.Replicate) {
            PutU8(out, uint32_t(uint8_t(-p.Pairs)));
            PutU8(out, cur[p.Start]);
            PutU8(out, cur[p.Start + 1]);
        } else {
            PutU8(out, uint32_t(p.Pairs));
            out.insert(out.end(), cur + p.Start, cur + p.Start + 2 * p.Pairs);
        }
        ++count;
        x = p.Start + 2 * p.Pairs;
    }
}

void LineSkip(Bytes& out, int lines) {
    while (lines > 0) {
        const int n = std::min(lines, kMaxLineSkip);
        PutU16(out, uint32_t(0x10000 - n));
        lines -= n;
    }
}

}  // namespace

Bytes DeltaFlcChunk(const uint8_t* previous, const uint8_t* current, int width, int height, DeltaPacking packing) {
    Bytes data;
    PutU16(data, 0);  // line count, patched at the end
    int lines = 0;
    int skipped = 0;
    for (int y = 0; y < height; ++y) {
        const size_t row = size_t(y) * size_t(width);
        const uint8_t* prev = previous + row;
        const uint8_t* cur = current + row;
        if (std::memcmp(prev, cur, size_t(width)) == 0) {
            ++skipped;
            continue;
        }
        bool lastByte = false;
        std::vector<Packet> packets;
        if (packing == DeltaPacking::Spans) {
            const DeltaLine plan = PlanLine(prev, cur, width);
            lastByte = plan.UsesLastByte;
            packets = SpanPlanPackets(plan, cur);
        } else if (!PackLine(prev, cur, width, packets)) {
            // As for the span plan: the opcode only where pairs cannot do.
            lastByte = true;
            PackLine(prev, cur, width - 1, packets);
        }
        LineSkip(data, skipped);
        skipped = 0;
        if (lastByte) PutU16(data, kOpcodeLastByte | cur[width - 1]);
        const size_t countAt = data.size();
        PutU16(data, 0);
        int count = 0;
        PutPackets(data, count, cur, packets);
        PatchU16(data, countAt, uint32_t(count));
        ++lines;
    }
    if (lines == 0) return {};
    PatchU16(data, 0, uint32_t(lines));
    return MakeChunk(kDeltaFlc, data);
}

// ---- PSTAMP ------------------------------------------------------------------

Bytes PostageStampChunk(const uint8_t* pixels, int width, int height, const Palette& colours) {
    // The largest thumbnail of the picture's shape that fits the stamp.
    int stampWidth = kStampMaxWidth;
    int stampHeight = int(int64_t(height) * kStampMaxWidth / width);
    if (stampHeight > kStampMaxHeight) {
        stampHeight = kStampMaxHeight;
        stampWidth = int(int64_t(width) * kStampMaxHeight / height);
    }
    stampWidth = std::clamp(stampWidth, 1, kStampMaxWidth);
    stampHeight = std::clamp(stampHeight, 1, kStampMaxHeight);

    auto cube = [](uint8_t v) { return uint8_t(v * 6 / 256); };
    Bytes thumb(size_t(stampWidth) * size_t(stampHeight));
    for (int v = 0; v < stampHeight; ++v) {
        const int y = int(int64_t(v) * height / stampHeight);
        for (int u = 0; u < stampWidth; ++u) {
            const int x = int(int64_t(u) * width / stampWidth);
            const Colour& c = colours[pixels[size_t(y) * size_t(width) + size_t(x)]];
            thumb[size_t(v) * size_t(stampWidth) + size_t(u)] =
                uint8_t(cube(c.Red) * 36 + cube(c.Green) * 6 + cube(c.Blue));
        }
    }
    Bytes data;
    PutU16(data, uint32_t(stampHeight));
    PutU16(data, uint32_t(stampWidth));
    PutU16(data, kStampSixCube);
    const Bytes picture = MakeChunk(kStampByteRun, ByteRunLines(thumb.data(), stampWidth, stampHeight));
    data.insert(data.end(), picture.begin(), picture.end());
    return MakeChunk(kPostageStamp, data);
}

}  // namespace quibac::flc
