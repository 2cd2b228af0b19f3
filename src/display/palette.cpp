#include "display/palette.h"

#include "display/display.h"

namespace quibac {

bool AllocatePaletteBlock(PaletteState& palette) {
    palette.PaletteBlockHandle = GlobalAlloc(GMEM_ZEROINIT, kPaletteBlockBytes);
    if (palette.PaletteBlockHandle == nullptr) return false;
    palette.PaletteBlock = static_cast<LOGPALETTE*>(GlobalLock(palette.PaletteBlockHandle));
    palette.PaletteBlock->palVersion = kPaletteVersion;
    palette.PaletteBlock->palNumEntries = kPaletteEntries;
    return true;
}

void BuildPalette(PaletteState& palette) {
    for (int k = 0; k < kPaletteEntries; ++k) {
        const CapturedColour& c = palette.CapturedPalette[size_t(k)];
        palette.Entry(k) = PALETTEENTRY{c.Red, c.Green, c.Blue, PC_NOCOLLAPSE};
    }
    palette.Entry(0) = PALETTEENTRY{0, 0, 0, 0};
    palette.Entry(255) = PALETTEENTRY{255, 255, 255, 0};
}

void RefreshPalette(Display& display) {
    PaletteState& palette = display.Palette;
    if (palette.PaletteBlock == nullptr || display.Dib.DibColourTable == nullptr) return;
    const DeviceGuard guard(display.DeviceLock);
    // Release the palette from both DCs before deleting it.
    if (display.MemoryDC != nullptr) SelectPalette(display.MemoryDC, display.MemoryDefaultPalette, FALSE);
    if (display.WindowDC != nullptr) SelectPalette(display.WindowDC, display.WindowDefaultPalette, FALSE);
    if (palette.SaverPalette != nullptr) DeleteObject(palette.SaverPalette);

    for (int k = 0; k < kPaletteEntries; ++k) {
        const RGBQUAD& c = display.Dib.DibColourTable[k];
        palette.Entry(k) = PALETTEENTRY{c.rgbRed, c.rgbGreen, c.rgbBlue, PC_NOCOLLAPSE};
    }
    palette.Entry(255).peRed = 255;
    palette.Entry(255).peGreen = 255;
    palette.Entry(255).peBlue = 255;

    palette.SaverPalette = CreatePalette(palette.PaletteBlock);
    if (palette.SaverPalette == nullptr) return;
    if (display.WindowDC != nullptr) {
        display.WindowDefaultPalette = SelectPalette(display.WindowDC, palette.SaverPalette, FALSE);
        RealizePalette(display.WindowDC);
    }
    if (display.MemoryDC != nullptr) {
        display.MemoryDefaultPalette = SelectPalette(display.MemoryDC, palette.SaverPalette, FALSE);
        RealizePalette(display.MemoryDC);
    }
}

}  // namespace quibac
