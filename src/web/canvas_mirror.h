// What the page's canvas holds, kept beside the saver's screen so that only
// pixels that really changed cross over to the page. The saver presents its
// whole frame on every tick of a door, most of which moves nothing or little;
// each pixel the page draws costs far more than comparing it here.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace quibac::web {

class CanvasMirror {
public:
    // A canvas of this size whose pixels are not known: the next area taken
    // goes to it whole.
    void Reset(int width, int height);
    // Takes the screen's pixels of area (0x00RRGGBB, rows packed at the area's
    // width; the area within the canvas) as what the canvas will hold, and
    // returns the smallest rectangle of it whose pixels differ from what the
    // canvas held; empty (right <= left) when none does.
    RECT Take(const RECT& area, const uint32_t* pixels);
    // The pixels of rect as the canvas takes them: R, G, B, A bytes, opaque,
    // rows packed at the rectangle's width.
    void Pack(const RECT& rect, std::vector<uint32_t>& out) const;

    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
    bool known_ = false;
    std::vector<uint32_t> shown_;  // 0x00RRGGBB, rows of width_
};

}  // namespace quibac::web
