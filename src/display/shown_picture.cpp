#include "display/shown_picture.h"

#include <algorithm>
#include <cstring>

namespace quibac {

namespace {

void Size(ShownPicture& shown, const FrameView& frame) {
    if (shown.Width == frame.Width && shown.Height == frame.Height) return;
    shown.Width = frame.Width;
    shown.Height = frame.Height;
    shown.Pixels.assign(size_t(frame.Width) * size_t(frame.Height), 0);
    shown.Known.assign(size_t(frame.Height), ColumnSpan{});
}

bool IsEmpty(const ColumnSpan& s) { return s.Left >= s.Right; }

// The first and one past the last column in [left, right) where a and b
// differ; an empty span when they agree.
ColumnSpan Differing(const uint8_t* a, const uint8_t* b, int32_t left, int32_t right) {
    if (left >= right || std::memcmp(a + left, b + left, size_t(right - left)) == 0) return {};
    // Rows are long and changes narrow: step over equal words first.
    constexpr int32_t kWord = int32_t(sizeof(uint64_t));
    const auto sameWord = [a, b](int32_t at) { return std::memcmp(a + at, b + at, sizeof(uint64_t)) == 0; };
    int32_t first = left, last = right;
    while (first + kWord <= right && sameWord(first)) first += kWord;
    while (a[first] == b[first]) ++first;
    while (last - kWord >= first && sameWord(last - kWord)) last -= kWord;
    while (a[last - 1] == b[last - 1]) --last;
    return {first, last};
}

// What of [left, right) in one row the window may not show yet.
ColumnSpan UnshownColumns(const ColumnSpan& known, const uint8_t* shownRow, const uint8_t* frameRow, int32_t left,
                          int32_t right) {
    if (IsEmpty(known)) return {left, right};
    ColumnSpan all{right, left};
    const auto add = [&all](const ColumnSpan& part) {
        if (IsEmpty(part)) return;
        all.Left = std::min(all.Left, part.Left);
        all.Right = std::max(all.Right, part.Right);
    };
    add({left, std::min(right, known.Left)});   // unknown, left of the known columns
    add({std::max(left, known.Right), right});  // and right of them
    add(Differing(shownRow, frameRow, std::max(left, known.Left), std::min(right, known.Right)));
    return IsEmpty(all) ? ColumnSpan{} : all;
}

}  // namespace

std::vector<RECT> UnshownAreas(ShownPicture& shown, const FrameView& frame, int32_t x, int32_t y, int32_t width,
                               int32_t height) {
    std::vector<RECT> areas;
    if (frame.FrameBuffer == nullptr) return areas;
    Size(shown, frame);
    const int32_t left = std::max(x, 0), right = int32_t(std::min(int64_t(x) + width, int64_t(frame.Width)));
    const int32_t top = std::max(y, 0), bottom = int32_t(std::min(int64_t(y) + height, int64_t(frame.Height)));
    RECT band{0, 0, 0, 0};  // what of the current band is unshown; empty so far
    const auto closeBand = [&areas, &band] {
        if (band.left >= band.right) return;
        RECT* last = areas.empty() ? nullptr : &areas.back();
        // A band directly below one of the same columns joins it.
        if (last != nullptr && last->bottom == band.top && last->left == band.left && last->right == band.right)
            last->bottom = band.bottom;
        else
            areas.push_back(band);
        band = RECT{0, 0, 0, 0};
    };
    for (int32_t v = top; v < bottom && left < right; ++v) {
        if (v % kShownBandRows == 0) closeBand();
        const ColumnSpan unshown =
            UnshownColumns(shown.Known[size_t(v)], shown.Pixels.data() + size_t(v) * size_t(frame.Width),
                           FrameRow(frame, v), left, right);
        if (IsEmpty(unshown)) continue;
        if (band.left >= band.right) {
            band = RECT{unshown.Left, v, unshown.Right, v + 1};
            continue;
        }
        band.left = std::min<LONG>(band.left, unshown.Left);
        band.right = std::max<LONG>(band.right, unshown.Right);
        band.bottom = v + 1;
    }
    closeBand();
    return areas;
}

void NoteShown(ShownPicture& shown, const FrameView& frame, const RECT& area) {
    if (frame.FrameBuffer == nullptr || area.left >= area.right || area.top >= area.bottom) return;
    Size(shown, frame);
    const int32_t left = int32_t(area.left), right = int32_t(area.right);
    for (int32_t v = int32_t(area.top); v < int32_t(area.bottom); ++v) {
        std::memcpy(shown.Pixels.data() + size_t(v) * size_t(frame.Width) + size_t(left), FrameRow(frame, v) + left,
                    size_t(right - left));
        ColumnSpan& known = shown.Known[size_t(v)];
        // Known columns stay one span: joined when they meet, else the wider.
        if (IsEmpty(known) || (left <= known.Right && right >= known.Left))
            known = IsEmpty(known) ? ColumnSpan{left, right}
                                   : ColumnSpan{std::min(known.Left, left), std::max(known.Right, right)};
        else if (right - left > known.Right - known.Left)
            known = ColumnSpan{left, right};
    }
}

void ForgetShown(ShownPicture& shown, int32_t top, int32_t rows) {
    const int32_t end = std::min(int64_t(top) + rows, int64_t(shown.Height));
    for (int32_t v = std::max(top, 0); v < end; ++v) shown.Known[size_t(v)] = ColumnSpan{};
}

void ReleaseShown(ShownPicture& shown) {
    shown.Width = shown.Height = 0;
    shown.Pixels = {};
    shown.Known = {};
    shown.Repainted = false;
    shown.SentThisTick = shown.Unsettled = false;
}

}  // namespace quibac
