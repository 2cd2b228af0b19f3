#include "png_frame.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

namespace quibac::render {

namespace {

constexpr int kRgbBytes = 3;
// Frames are written as they come, while the show runs on: a middling level
// keeps the writer from holding the show up for little gain in size.
constexpr int kCompressionLevel = 6;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

// The rows of the picture, as libpng takes them.
std::vector<uint8_t> Rows(int width, int height, const std::vector<uint32_t>& pixels, const IndexedFrame& indexed) {
    if (indexed.exact) return indexed.indices;
    std::vector<uint8_t> rgb(size_t(width) * size_t(height) * kRgbBytes);
    for (size_t i = 0; i < pixels.size() && i * kRgbBytes < rgb.size(); ++i) {
        rgb[i * kRgbBytes + 0] = uint8_t(pixels[i] >> 16);
        rgb[i * kRgbBytes + 1] = uint8_t(pixels[i] >> 8);
        rgb[i * kRgbBytes + 2] = uint8_t(pixels[i]);
    }
    return rgb;
}

// libpng reports failure by long jump; nothing with a destructor may live
// between the setjmp and the calls that can fail.
bool Encode(FILE* file, int width, int height, const std::vector<uint8_t>& rows, const IndexedFrame& indexed) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    png_color palette[kTableSize];
    const int colours = int(indexed.table.size());
    for (int k = 0; k < colours && k < kTableSize; ++k) {
        const uint32_t rgb = indexed.table[size_t(k)];
        palette[k] = png_color{png_byte(rgb >> 16), png_byte(rgb >> 8), png_byte(rgb)};
    }
    const size_t stride = size_t(width) * (indexed.exact ? 1 : kRgbBytes);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, kCompressionLevel);
    if (indexed.exact) {
        png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_PLTE(png, info, palette, colours);
        // Filters rarely help indexed pictures and cost time.
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    } else {
        png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    }
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) png_write_row(png, rows.data() + size_t(y) * stride);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

std::string WritePngFrame(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels,
                          const IndexedFrame& indexed) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) return "cannot write '" + path + "': " + std::strerror(errno);
    const std::vector<uint8_t> rows = Rows(width, height, pixels, indexed);
    const bool encoded = Encode(file.get(), width, height, rows, indexed);
    const bool flushed = std::fflush(file.get()) == 0 && std::ferror(file.get()) == 0;
    if (encoded && flushed && std::fclose(file.release()) == 0) return "";
    return "cannot write '" + path + "': " + (errno != 0 ? std::strerror(errno) : "the PNG encoder failed");
}

}  // namespace quibac::render
