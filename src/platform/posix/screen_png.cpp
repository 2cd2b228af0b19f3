// The screen written as a PNG file, for tests to look at: apart from the
// surface itself, so that a build without libpng (the browser's) still has
// the whole screen.
#include <posix_screen.h>

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace posix {

bool WriteScreenPng(const std::string& path) {
    const RECT bounds = ScreenBounds();
    return WriteScreenPng(path, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

bool WriteScreenPng(const std::string& path, int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    std::vector<uint32_t> pixels = ScreenPixels(x, y, width, height);
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    std::vector<png_byte> row(size_t(width) * 3);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            uint32_t p = pixels[size_t(j) * size_t(width) + size_t(i)];
            row[size_t(i) * 3] = png_byte(p >> 16);
            row[size_t(i) * 3 + 1] = png_byte(p >> 8);
            row[size_t(i) * 3 + 2] = png_byte(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace posix
