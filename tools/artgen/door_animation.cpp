#include "door_animation.h"

#include "layout.h"
#include "surface.h"

#include "show/calendar.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace artgen {

namespace {

RgbImage ReadPixels(cairo_surface_t* s) {
    cairo_surface_flush(s);
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    RgbImage image(w, h);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < w; ++x) image.at(x, y) = Rgb{uint8_t(row[x] >> 16), uint8_t(row[x] >> 8), uint8_t(row[x])};
    }
    return image;
}

}  // namespace

DoorPainter::DoorPainter(const DoorArt& art, int frameCount) : art_(art), frames_(frameCount) {
    if (art.still == nullptr) throw std::logic_error("day " + std::to_string(art.day) + " has no picture");
    if ((frameCount > 1) != (art.moving != nullptr))
        throw std::logic_error("day " + std::to_string(art.day) + ": moving layer and frame count disagree");
    stillSurface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kCanvasWidth, kCanvasHeight);
    cairo_t* cr = cairo_create(stillSurface_);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    art.still(cr);
    cairo_destroy(cr);
    still_ = ReadPixels(stillSurface_);
}

DoorPainter::~DoorPainter() { cairo_surface_destroy(stillSurface_); }

RgbImage DoorPainter::Frame(int frame) const {
    if (art_.moving == nullptr) return still_;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kCanvasWidth, kCanvasHeight);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_surface(cr, stillSurface_, 0, 0);
    cairo_paint(cr);
    art_.moving(cr, frame, frames_);
    cairo_destroy(cr);
    RgbImage image = ReadPixels(s);
    cairo_surface_destroy(s);
    return image;
}

std::vector<std::unique_ptr<DoorPainter>> MakeDoorPainters() {
    const quibac::DoorTableType table = quibac::InitialDoorTable();
    const std::vector<DoorArt>& arts = DoorArts();
    if (arts.size() != size_t(quibac::kDoorDays)) throw std::logic_error("a picture for every door");
    std::vector<std::unique_ptr<DoorPainter>> painters;
    for (const DoorArt& art : arts) {
        if (art.day != int(painters.size()) + 1) throw std::logic_error("door pictures out of order");
        painters.push_back(std::make_unique<DoorPainter>(art, table[size_t(art.day)].FrameCount));
    }
    return painters;
}

std::vector<IndexedImage> RenderAdventFrames(const std::vector<std::unique_ptr<DoorPainter>>& painters,
                                             ColourMatcher& matcher) {
    std::vector<IndexedImage> frames;
    for (const auto& painter : painters) {
        // Gradients take a two-by-two pattern, which the deltas store as
        // runs of pairs. The first picture is stored whole, as runs of single
        // bytes, which no pattern survives: it is drawn in flat colours and
        // takes the nearest entries.
        const Dither dither = frames.empty() ? Dither::None : Dither::Paired;
        const RgbImage& still = painter->still();
        const IndexedImage stillIndices = Quantize(still, matcher, dither);
        for (int f = 0; f < painter->frameCount(); ++f) {
            if (painter->frameCount() == 1) {
                frames.push_back(stillIndices);
                continue;
            }
            const RgbImage rgb = painter->Frame(f);
            IndexedImage indices = Quantize(rgb, matcher, dither);
            for (size_t i = 0; i < indices.pixels.size(); ++i)
                if (rgb.pixels[i] == still.pixels[i]) indices.pixels[i] = stillIndices.pixels[i];
            frames.push_back(std::move(indices));
        }
    }
    return frames;
}

}  // namespace artgen
