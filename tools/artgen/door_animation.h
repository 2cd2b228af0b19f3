// The door animation: every day's frames in the door table's order, rendered
// from the day's layers and mapped onto the shared palette so that what stays
// still keeps the very same palette indices from frame to frame.
#pragma once

#include "door_art.h"
#include "quantize.h"
#include "raster.h"

#include <memory>
#include <vector>

namespace artgen {

// One day's pictures: its still layer rendered once, frames drawn over it.
class DoorPainter {
public:
    DoorPainter(const DoorArt& art, int frameCount);
    ~DoorPainter();
    DoorPainter(const DoorPainter&) = delete;
    DoorPainter& operator=(const DoorPainter&) = delete;

    int day() const { return art_.day; }
    int frameCount() const { return frames_; }
    const RgbImage& still() const { return still_; }
    // Frame 0 .. frameCount - 1 of the day in true colour.
    RgbImage Frame(int frame) const;

private:
    DoorArt art_;
    int frames_;
    cairo_surface_t* stillSurface_ = nullptr;
    RgbImage still_;
};

// Painters for days 1..25 with the door table's frame counts.
std::vector<std::unique_ptr<DoorPainter>> MakeDoorPainters();

// The frames of every day, in order (86 with the shipped door table): each
// still layer is dithered once, and every frame takes those indices wherever
// it shows the still layer unchanged.
std::vector<IndexedImage> RenderAdventFrames(const std::vector<std::unique_ptr<DoorPainter>>& painters,
                                             ColourMatcher& matcher);

}  // namespace artgen
