#include "display/frame_dib.h"

#include "display/display.h"

namespace quibac {

bool CreateFrameDib(Display& display) {
    FrameDib& dib = display.Dib;
    const OutputGeometry& g = display.Geometry;
    if (g.OutputWidth <= 0 || g.OutputHeight <= 0 || display.Palette.PaletteBlock == nullptr) return false;
    const size_t imageBytes = size_t(g.Stride()) * size_t(g.OutputHeight);
    const size_t fileBytes = kDibPixelOffset + imageBytes;
    dib.Block = GlobalBlock(GlobalAlloc(GMEM_ZEROINIT, kDibImageOffset + fileBytes));
    if (!dib.Block) return false;
    auto* image = static_cast<uint8_t*>(GlobalLock(dib.Block.get())) + kDibImageOffset;

    dib.FileHeader = reinterpret_cast<BITMAPFILEHEADER*>(image);
    dib.InfoHeader = reinterpret_cast<BITMAPINFOHEADER*>(image + sizeof(BITMAPFILEHEADER));
    dib.Info = reinterpret_cast<BITMAPINFO*>(dib.InfoHeader);
    dib.DibColourTable = reinterpret_cast<RGBQUAD*>(image + sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    dib.FrameBuffer = image + kDibPixelOffset;
    dib.Stride = g.Stride();

    dib.FileHeader->bfType = kBmpSignature;
    dib.FileHeader->bfSize = DWORD(fileBytes);
    dib.FileHeader->bfOffBits = kDibPixelOffset;
    BITMAPINFOHEADER& info = *dib.InfoHeader;
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = g.OutputWidth;
    info.biHeight = -g.OutputHeight;  // negative: row 0 is the top row
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biCompression = BI_RGB;
    info.biSizeImage = DWORD(imageBytes);

    for (int k = 0; k < kPaletteEntries; ++k) {
        const PALETTEENTRY& e = display.Palette.Entry(k);
        dib.DibColourTable[k] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
    }
    return true;
}

}  // namespace quibac
