// The 8-bit frame buffer inside a device-independent bitmap laid out as a BMP
// file image, so the platform can present it directly.
#pragma once

#include "display/gdi_owners.h"

#include <windows.h>

#include <cstdint>

namespace quibac {

struct Display;

constexpr WORD kBmpSignature = 0x4D42;                // "BM"
constexpr DWORD kDibPixelOffset = 14 + 40 + 256 * 4;  // file header, info header, colour table
// The file image starts this far into its memory block, which puts the info
// header, the colour table and the pixels on 4-byte boundaries.
constexpr size_t kDibImageOffset = 2;

struct FrameDib {
    GlobalBlock Block;  // the memory everything below points into
    BITMAPFILEHEADER* FileHeader = nullptr;
    BITMAPINFOHEADER* InfoHeader = nullptr;
    BITMAPINFO* Info = nullptr;
    RGBQUAD* DibColourTable = nullptr;
    uint8_t* FrameBuffer = nullptr;  // top-down rows, Stride bytes apart
    int32_t Stride = 0;
};

// Allocates FrameDib for the output size, all pixels index 0, with the colour
// table copied from the built palette. Returns success. Assigning an empty
// FrameDib frees it.
bool CreateFrameDib(Display& display);

}  // namespace quibac
