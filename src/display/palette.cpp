#include "display/palette.h"

#include "display/display.h"

namespace quibac {

bool AllocatePaletteBlock(PaletteState& palette) {
    palette.Block = GlobalBlock(GlobalAlloc(GMEM_ZEROINIT, kPaletteBlockBytes));
    if (!palette.Block) return false;
    palette.PaletteBlock = static_cast<LOGPALETTE*>(GlobalLock(palette.Block.get()));
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
    const DeviceGuard guard(display.Devices);
    // Release the palette from both DCs before deleting it; its successor is
    // realized there, so what it displaced need not be.
    PutBackUnrealized(display.MemoryPaletteSelection);
    PutBackUnrealized(display.WindowPaletteSelection);
    display.SaverPalette.reset();

    for (int k = 0; k < kPaletteEntries; ++k) {
        const RGBQUAD& c = display.Dib.DibColourTable[k];
        palette.Entry(k) = PALETTEENTRY{c.rgbRed, c.rgbGreen, c.rgbBlue, PC_NOCOLLAPSE};
    }
    palette.Entry(255).peRed = 255;
    palette.Entry(255).peGreen = 255;
    palette.Entry(255).peBlue = 255;

    // The same indices mean other colours from the next presentation on.
    ForgetShown(display.Shown, 0, display.Geometry.OutputHeight);

    display.SaverPalette = GdiPalette(CreatePalette(palette.PaletteBlock));
    if (!display.SaverPalette) return;
    if (display.WindowDC) {
        display.WindowPaletteSelection = SelectPaletteInto(display.WindowDC.get(), display.SaverPalette.get());
        RealizePalette(display.WindowDC.get());
    }
    if (display.MemoryDC) {
        display.MemoryPaletteSelection = SelectPaletteInto(display.MemoryDC.get(), display.SaverPalette.get());
        RealizePalette(display.MemoryDC.get());
    }
}

}  // namespace quibac
