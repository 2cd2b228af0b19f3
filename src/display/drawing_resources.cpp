#include "display/display.h"

namespace quibac {

bool BeginDrawing(Display& display, HWND window) {
    display.WindowDC = TakeWindowDC(window);
    if (!display.WindowDC) return false;
    return AllocatePaletteBlock(display.Palette);
}

bool FinishDrawingResources(Display& display) {
    PaletteState& palette = display.Palette;
    if (!display.WindowDC || palette.PaletteBlock == nullptr) return false;
    BuildPalette(palette);
    if (!CreateFrameDib(display)) return false;

    const HDC window = display.WindowDC.get();
    display.SaverPalette = GdiPalette(CreatePalette(palette.PaletteBlock));
    if (!display.SaverPalette) return false;
    display.WindowPaletteSelection = SelectPaletteInto(window, display.SaverPalette.get());
    RealizePalette(window);

    display.MemoryDC = MemoryDCOwner(CreateCompatibleDC(window));
    if (!display.MemoryDC) return false;
    display.MemoryBitmap =
        GdiBitmap(CreateCompatibleBitmap(window, display.Geometry.OutputWidth, display.Geometry.OutputHeight));
    if (!display.MemoryBitmap) return false;
    display.MemoryBitmapSelection = SelectBitmapInto(display.MemoryDC.get(), display.MemoryBitmap.get());
    display.MemoryPaletteSelection = SelectPaletteInto(display.MemoryDC.get(), display.SaverPalette.get());
    return true;
}

void ReleaseDrawing(Display& display) {
    // The reverse of the members' order, as the display's destruction goes.
    display.MemoryPaletteSelection.reset();
    display.MemoryBitmapSelection.reset();
    display.MemoryDC.reset();
    display.MemoryBitmap.reset();
    display.WindowPaletteSelection.reset();
    display.SaverPalette.reset();
    display.Dib = FrameDib{};
    display.Palette = PaletteState{};
    ReleaseShown(display.Shown);
}

void ReleaseWindowDC(Display& display) { display.WindowDC.reset(); }

}  // namespace quibac
