#include "canvas_mirror.h"

#include <algorithm>

namespace quibac::web {

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

// The screen's 0x00RRGGBB as the canvas's R, G, B, A bytes.
uint32_t CanvasPixel(uint32_t screen) { return kOpaque | (__builtin_bswap32(screen) >> 8); }

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

void CanvasMirror::Reset(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    shown_.assign(size_t(width_) * size_t(height_), 0);
    known_ = false;
}

RECT CanvasMirror::Take(const RECT& area, const uint32_t* pixels) {
    const RECT clipped{std::max<LONG>(area.left, 0), std::max<LONG>(area.top, 0), std::min<LONG>(area.right, width_),
                       std::min<LONG>(area.bottom, height_)};
    if (IsEmpty(area) || IsEmpty(clipped) || pixels == nullptr) return RECT{};
    const size_t pitch = size_t(area.right - area.left);
    RECT changed{clipped.right, clipped.bottom, clipped.left, clipped.top};  // empty until a difference
    for (LONG y = clipped.top; y < clipped.bottom; ++y) {
        const uint32_t* from = pixels + size_t(y - area.top) * pitch + size_t(clipped.left - area.left);
        uint32_t* to = shown_.data() + size_t(y) * size_t(width_) + size_t(clipped.left);
        const LONG count = clipped.right - clipped.left;
        LONG first = 0, last = count;
        if (known_) {
            while (first < count && from[first] == to[first]) ++first;
            if (first == count) continue;
            while (last > first && from[last - 1] == to[last - 1]) --last;
        }
        std::copy(from + first, from + last, to + first);
        changed.left = std::min(changed.left, clipped.left + first);
        changed.right = std::max(changed.right, clipped.left + last);
        changed.top = std::min(changed.top, y);
        changed.bottom = std::max(changed.bottom, y + 1);
    }
    known_ = true;
    return IsEmpty(changed) ? RECT{} : changed;
}

void CanvasMirror::Pack(const RECT& rect, std::vector<uint32_t>& out) const {
    out.clear();
    const RECT clipped{std::max<LONG>(rect.left, 0), std::max<LONG>(rect.top, 0), std::min<LONG>(rect.right, width_),
                       std::min<LONG>(rect.bottom, height_)};
    if (IsEmpty(clipped)) return;
    out.reserve(size_t(clipped.right - clipped.left) * size_t(clipped.bottom - clipped.top));
    for (LONG y = clipped.top; y < clipped.bottom; ++y) {
        const uint32_t* row = shown_.data() + size_t(y) * size_t(width_);
        std::transform(row + clipped.left, row + clipped.right, std::back_inserter(out), CanvasPixel);
    }
}

}  // namespace quibac::web
