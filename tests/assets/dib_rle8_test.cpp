// BI_RLE8 streams as Windows defines them, drawn into a 4 x 3 picture that
// held 9 everywhere: each escape does what it says, what the stream never
// writes keeps its 9, and nothing is written outside the picture however the
// stream runs on, runs over or stops short.
#include "assets/dib_rle8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quibac {
namespace {

constexpr int32_t kWidth = 4;
constexpr int32_t kHeight = 3;
constexpr uint8_t kHeld = 9;

struct Rle8Row {
    const char* what;
    std::vector<uint8_t> stream;
    // The picture afterwards, rows from the top, one digit a pixel.
    const char* picture;
};

const Rle8Row kRows[] = {
    {"runs fill the rows from the bottom up", {2, 1, 2, 2, 0, 0, 4, 3, 0, 0, 4, 4, 0, 1}, "4444/3333/1122"},
    {"a literal of odd length is followed by a pad byte", {0, 3, 5, 6, 7, 0, 1, 8, 0, 1}, "9999/9999/5678"},
    {"a literal of even length has none", {0, 4, 1, 2, 3, 4, 0, 1}, "9999/9999/1234"},
    {"a move passes pixels over, right and up", {0, 2, 1, 1, 2, 5, 0, 1}, "9999/9559/9999"},
    {"the end of a row goes to the next row's start", {3, 1, 0, 0, 1, 2, 0, 1}, "9999/2999/1119"},
    {"the end of the picture ends the stream", {1, 1, 0, 1, 4, 2}, "9999/9999/1999"},
    {"a stream that stops without its end draws what it holds", {2, 7}, "9999/9999/7799"},
    {"a run past the row's end is cut there and does not wrap", {6, 1, 2, 2, 0, 0, 1, 3}, "9999/3999/1111"},
    {"a literal past the row's end is cut there", {0, 5, 1, 2, 3, 4, 5, 0, 0, 0, 1, 6}, "9999/6999/1234"},
    {"a move past the row's end leaves the pen there", {0, 2, 255, 0, 1, 1, 0, 0, 1, 2}, "9999/2999/9999"},
    {"a move above the top row ends the picture", {0, 2, 0, 5, 4, 1}, "9999/9999/9999"},
    {"rows above the top are never written", {0, 0, 0, 0, 0, 0, 4, 1, 0, 0, 4, 2}, "9999/9999/9999"},
    {"a literal cut short by the stream's end draws nothing", {1, 3, 0, 4, 1, 2}, "9999/9999/3999"},
    {"an odd literal whose pad the stream lacks still draws", {0, 3, 1, 2, 3}, "9999/9999/1239"},
    {"a move cut short by the stream's end ends it", {1, 3, 0, 2, 1}, "9999/9999/3999"},
    {"an empty stream draws nothing", {}, "9999/9999/9999"},
};

std::string Draw(const std::vector<uint8_t>& stream) {
    // Guard bytes on both sides of the picture catch a write outside it.
    std::vector<uint8_t> canvas(size_t(kWidth) * kHeight + 2, kHeld);
    DecodeRle8(ByteView(stream.data(), stream.size()), canvas.data() + 1, kWidth, kHeight);
    std::string picture;
    for (size_t i = 0; i < canvas.size(); ++i) {
        if (i > 1 && i + 1 < canvas.size() && (i - 1) % kWidth == 0) picture += '/';
        picture += char('0' + canvas[i]);
    }
    return picture;
}

TEST(DibRle8Test, EachEscapeRunAndLiteralAsWindowsReadsThem) {
    for (const Rle8Row& row : kRows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Draw(row.stream), "9" + std::string(row.picture) + "9");
    }
}

}  // namespace
}  // namespace quibac
