#include "rle8.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace artgen {

namespace {

constexpr int kMaxCount = 255;   // a run, a literal or a move counts in one byte
constexpr int kMinLiteral = 3;   // shorter counts after the escape are escapes
constexpr int kRunBytes = 2;     // count, index
constexpr int kMoveBytes = 4;    // escape, 2, right, up
constexpr int kEscapeBytes = 2;  // escape, then the end of a row or of the picture
constexpr uint8_t kEscape = 0;
constexpr uint8_t kEndOfLine = 0;
constexpr uint8_t kEndOfPicture = 1;
constexpr uint8_t kMove = 2;

enum class Step : uint8_t { Run, Literal, Move };

struct Way {
    int cost = std::numeric_limits<int>::max();
    int from = 0;
    Step step = Step::Run;
};

// Writes one row's differing pixels at the fewest bytes, without its end.
void EncodeRow(std::vector<uint8_t>& out, const uint8_t* row, const uint8_t* ground, int width, int last) {
    std::vector<Way> best(size_t(width) + 1);
    best[0].cost = 0;
    auto relax = [&](int from, int to, int cost, Step step) {
        Way& way = best[size_t(to)];
        if (cost < way.cost) way = {cost, from, step};
    };
    for (int x = 0; x < width; ++x) {
        const int here = best[size_t(x)].cost;
        for (int n = 1; n <= kMaxCount && x + n <= width && row[x + n - 1] == row[x]; ++n)
            relax(x, x + n, here + kRunBytes, Step::Run);
        for (int n = kMinLiteral; n <= kMaxCount && x + n <= width; ++n)
            relax(x, x + n, here + kEscapeBytes + n + (n & 1), Step::Literal);
        for (int n = 1; n <= kMaxCount && x + n <= width && row[x + n - 1] == ground[x + n - 1]; ++n)
            relax(x, x + n, here + kMoveBytes, Step::Move);
    }
    // The row may end anywhere after its last differing pixel.
    int end = last + 1;
    for (int x = end; x <= width; ++x)
        if (best[size_t(x)].cost < best[size_t(end)].cost) end = x;
    std::vector<int> stops;
    for (int x = end; x > 0; x = best[size_t(x)].from) stops.push_back(x);
    int x = 0;
    for (auto stop = stops.rbegin(); stop != stops.rend(); ++stop) {
        const int n = *stop - x;
        switch (best[size_t(*stop)].step) {
        case Step::Run: out.insert(out.end(), {uint8_t(n), row[x]}); break;
        case Step::Literal:
            out.insert(out.end(), {kEscape, uint8_t(n)});
            out.insert(out.end(), row + x, row + x + n);
            if ((n & 1) != 0) out.push_back(0);
            break;
        case Step::Move: out.insert(out.end(), {kEscape, kMove, uint8_t(n), 0}); break;
        }
        x = *stop;
    }
}

// Moves the pen up by rows rows, at the start of a row.
void SkipRows(std::vector<uint8_t>& out, int rows) {
    for (; rows > 0; rows -= std::min(rows, kMaxCount))
        out.insert(out.end(), {kEscape, kMove, 0, uint8_t(std::min(rows, kMaxCount))});
}

}  // namespace

std::vector<uint8_t> Rle8Over(const IndexedImage& picture, const IndexedImage& ground) {
    if (picture.width != ground.width || picture.height != ground.height)
        throw std::logic_error("a picture is laid over a ground of its size");
    const int width = picture.width;
    std::vector<uint8_t> out;
    int pending = 0;  // rows passed over since the pen's row began
    bool started = false;
    // Stored rows run bottom-up.
    for (int y = picture.height - 1; y >= 0; --y) {
        const uint8_t* row = picture.pixels.data() + size_t(y) * size_t(width);
        const uint8_t* under = ground.pixels.data() + size_t(y) * size_t(width);
        int last = -1;
        for (int x = 0; x < width; ++x)
            if (row[x] != under[x]) last = x;
        if (last < 0) {
            ++pending;
            continue;
        }
        if (started) out.insert(out.end(), {kEscape, kEndOfLine});
        SkipRows(out, pending - (started ? 1 : 0));
        EncodeRow(out, row, under, width, last);
        started = true;
        pending = 1;
    }
    out.insert(out.end(), {kEscape, kEndOfPicture});
    return out;
}

}  // namespace artgen
