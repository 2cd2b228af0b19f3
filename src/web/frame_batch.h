// What crosses over to the page's canvas for one frame: the areas the show
// drew on the platform's screen since the last frame, as the platform lists
// them, and their pixels in the bytes a canvas takes. The show already sends
// the screen only what differs from what it shows, so the list is the change
// itself; the whole screen is neither copied nor compared here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quibac::web {

class FrameBatch {
public:
    // Takes what was drawn since the last take (the whole screen after a
    // reset of the platform). Returns the number of areas; none when nothing
    // was drawn.
    size_t Take();

    // Left, top, width and height of each area, in the screen's pixels from
    // its top-left corner.
    const std::vector<int32_t>& Areas() const { return areas_; }
    size_t AreaCount() const { return areas_.size() / kAreaFields; }
    // R, G, B, A bytes, opaque: the rows of each area packed at its width,
    // the areas one after the other in the order of Areas().
    const std::vector<uint32_t>& Pixels() const { return pixels_; }

    static constexpr size_t kAreaFields = 4;

private:
    std::vector<int32_t> areas_;
    std::vector<uint32_t> pixels_;
};

}  // namespace quibac::web
