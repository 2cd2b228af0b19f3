// The captured frames as one looping animated GIF. The first frame's colour
// table is the global one; a frame with other colours carries a local table.
// Each frame after the first holds only the rectangle that changed, with
// the pixels inside it that did not change left transparent where an index
// is free for it, so a mostly still show makes a small file.
//
// The file is written under a temporary name beside its final one and
// renamed at the end, so a failed render leaves no half-written GIF behind.
#pragma once

#include "colour_index.h"

#include <gif_lib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quibac::render {

// Hundredths of a second that frame `index` lasts at `fps`: the frames' ends
// fall on index * 100 / fps, so the delays add up to the true length.
int FrameDelay(int index, int fps);

class GifAnimation {
public:
    GifAnimation() = default;
    ~GifAnimation();  // an animation never finished is removed
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;

    // Each returns "" or one line saying what failed; after a failure the
    // animation is abandoned and later calls fail too.
    std::string Open(const std::string& path, int width, int height, int fps);
    std::string AddFrame(const std::vector<uint32_t>& pixels, const IndexedFrame& indexed);
    std::string Finish();
    // Stops writing and removes what was written.
    void Discard();

private:
    struct Rect {
        int x = 0, y = 0, width = 0, height = 0;
    };
    Rect ChangedRect(const std::vector<uint32_t>& pixels) const;
    std::string Fail(const std::string& what);

    GifFileType* gif_ = nullptr;
    std::string path_;
    std::string partialPath_;
    int width_ = 0;
    int height_ = 0;
    int fps_ = 0;
    int frames_ = 0;
    ColourTable globalTable_;
    std::vector<uint32_t> shown_;  // what a viewer shows after the frames so far
};

}  // namespace quibac::render
