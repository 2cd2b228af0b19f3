#include "surface.h"

#include <algorithm>
#include <stdexcept>

namespace artgen {

Surface::Surface(int width, int height, Rgb background) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cr_ = cairo_create(surface_);
    cairo_set_source_rgb(cr_, background.r / 255.0, background.g / 255.0, background.b / 255.0);
    cairo_paint(cr_);
}

Surface Surface::Transparent(int width, int height) {
    Surface s;
    s.width_ = width;
    s.height_ = height;
    s.surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    s.cr_ = cairo_create(s.surface_);
    return s;
}

Surface::Surface(Surface&& other) noexcept
    : width_(other.width_), height_(other.height_), surface_(other.surface_), cr_(other.cr_) {
    other.surface_ = nullptr;
    other.cr_ = nullptr;
}

Surface::~Surface() {
    if (cr_ != nullptr) cairo_destroy(cr_);
    if (surface_ != nullptr) cairo_surface_destroy(surface_);
}

RgbImage Surface::Pixels() const {
    cairo_surface_flush(surface_);
    RgbImage image(width_, height_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < width_; ++x) {
            const uint32_t p = row[x];
            image.at(x, y) = Rgb{uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
        }
    }
    return image;
}

void Surface::PixelsWithAlpha(RgbImage& colours, std::vector<uint8_t>& alpha) const {
    cairo_surface_flush(surface_);
    colours = RgbImage(width_, height_);
    alpha.assign(size_t(width_) * size_t(height_), 0);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < width_; ++x) {
            const uint32_t p = row[x];
            const uint32_t a = p >> 24;
            alpha[size_t(y) * size_t(width_) + size_t(x)] = uint8_t(a);
            if (a == 0) continue;
            auto un = [a](uint32_t c) { return uint8_t(std::min<uint32_t>(255, (c * 255 + a / 2) / a)); };
            colours.at(x, y) = Rgb{un((p >> 16) & 0xFF), un((p >> 8) & 0xFF), un(p & 0xFF)};
        }
    }
}

cairo_surface_t* ToCairo(const RgbImage& image) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * size_t(stride));
        for (int x = 0; x < image.width; ++x) {
            const Rgb c = image.at(x, y);
            row[x] = 0xFF000000u | (uint32_t(c.r) << 16) | (uint32_t(c.g) << 8) | c.b;
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

void WritePng(cairo_surface_t* surface, const std::string& path) {
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

}  // namespace artgen
