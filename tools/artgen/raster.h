// Pictures as the generator handles them: true-colour renders from Cairo and
// the 8-bit indexed pictures that the resource files store.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Opaque true-colour picture, top row first.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    RgbImage() = default;
    RgbImage(int w, int h, Rgb fill = {255, 255, 255}) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}
    Rgb& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    const Rgb& at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// Palette indices, top row first.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    uint8_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

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
