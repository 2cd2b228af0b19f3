// Cairo drawing surfaces and the conversions between them and pictures.
#pragma once

#include "raster.h"

#include <cairo.h>

#include <string>
#include <vector>

namespace artgen {

// A Cairo drawing surface that starts as a white page. Everything drawn on it
// is composited over that white, so reading it back gives opaque colours.
class Surface {
public:
    Surface(int width, int height, Rgb background = {255, 255, 255});
    // A surface with an alpha channel that starts fully transparent (icons).
    static Surface Transparent(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    Surface(Surface&& other) noexcept;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    RgbImage Pixels() const;
    // Colours and coverage (0..255) of a transparent surface, unpremultiplied.
    void PixelsWithAlpha(RgbImage& colours, std::vector<uint8_t>& alpha) const;

private:
    Surface() = default;
    int width_ = 0;
    int height_ = 0;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
};

// Copies a picture into a Cairo image surface (for previews and composition).
cairo_surface_t* ToCairo(const RgbImage& image);
void WritePng(cairo_surface_t* surface, const std::string& path);

}  // namespace artgen
