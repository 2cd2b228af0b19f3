// The screen surface that windows draw into, PNG output, and the reset of the
// whole platform.
#include "internal.h"

#include <posix_control.h>

#include <png.h>

#include <cstdio>
#include <memory>

using namespace posix::detail;

namespace {
using Guard = std::lock_guard<std::recursive_mutex>;

std::vector<posix::BlitRecord>& Blits() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* blits = new std::vector<posix::BlitRecord>();
    return *blits;
}
}  // namespace

namespace posix::detail {

Screen& TheScreen() {
    static auto* screen = new Screen();
    return *screen;
}

void RecordWindowBlit(int x, int y, int width, int height) {
    // Nobody takes the record while the saver runs on its own for days, so
    // it must not grow without end: when full, its older half goes.
    std::vector<posix::BlitRecord>& blits = Blits();
    if (blits.size() >= posix::kBlitRecordLimit)
        blits.erase(blits.begin(), blits.begin() + std::ptrdiff_t(posix::kBlitRecordLimit / 2));
    blits.push_back({x, y, width, height});
}

}  // namespace posix::detail

namespace posix {

int ScreenWidth() { return TheScreen().width; }
int ScreenHeight() { return TheScreen().height; }

uint32_t ScreenPixel(int x, int y) {
    Guard guard(GdiLock());
    Screen& s = TheScreen();
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return 0;
    return s.pixels[size_t(y) * size_t(s.width) + size_t(x)];
}

void FillScreen(uint32_t rgb) {
    Guard guard(GdiLock());
    std::fill(TheScreen().pixels.begin(), TheScreen().pixels.end(), rgb);
}

std::vector<uint32_t> ScreenPixels(int x, int y, int width, int height) {
    std::vector<uint32_t> out;
    out.reserve(size_t(width > 0 ? width : 0) * size_t(height > 0 ? height : 0));
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) out.push_back(ScreenPixel(x + i, y + j));
    return out;
}

bool WriteScreenPng(const std::string& path) { return WriteScreenPng(path, 0, 0, ScreenWidth(), ScreenHeight()); }

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

std::vector<BlitRecord> TakeWindowBlits() {
    Guard guard(GdiLock());
    std::vector<BlitRecord> out;
    out.swap(Blits());
    return out;
}

void ResetPlatform(int screenWidth, int screenHeight) {
    {
        Guard guard(GdiLock());
        Screen& s = TheScreen();
        s.width = screenWidth;
        s.height = screenHeight;
        s.pixels.assign(size_t(screenWidth) * size_t(screenHeight), 0);
        ResetWindows();
        Blits().clear();
        ResetGdi();
    }
    ResetClocks();
    ResetDebugOutput();
    ResetFailures();
    ResetMonitors();
    // Outside GdiLock: the message lock is never taken under it.
    ResetWindowClasses();
    ResetMessages();
    ResetInput();
    ResetSystem();
    ResetProcess();
    ResetRegistry();
    ResetLibraries();
}

}  // namespace posix
