#include "display/display.h"

namespace quibac {

bool BeginDrawing(Display& display, HWND window) {
    display.WindowDC = GetDC(window);
    if (display.WindowDC == nullptr) return false;
    return AllocatePaletteBlock(display.Palette);
}

bool FinishDrawingResources(Display& display) {
    PaletteState& palette = display.Palette;
    if (display.WindowDC == nullptr || palette.PaletteBlock == nullptr) return false;
    BuildPalette(palette);
    if (!CreateFrameDib(display)) return false;

    palette.SaverPalette = CreatePalette(palette.PaletteBlock);
    if (palette.SaverPalette == nullptr) return false;
    display.WindowDefaultPalette = SelectPalette(display.WindowDC, palette.SaverPalette, FALSE);
    RealizePalette(display.WindowDC);

    display.MemoryDC = CreateCompatibleDC(display.WindowDC);
    if (display.MemoryDC == nullptr) return false;
    display.MemoryBitmap =
        CreateCompatibleBitmap(display.WindowDC, display.Geometry.OutputWidth, display.Geometry.OutputHeight);
    if (display.MemoryBitmap == nullptr) return false;
    display.MemoryDefaultBitmap = static_cast<HBITMAP>(SelectObject(display.MemoryDC, display.MemoryBitmap));
    display.MemoryDefaultPalette = SelectPalette(display.MemoryDC, palette.SaverPalette, FALSE);
    return true;
}

void FreeDrawingResources(Display& display) {
    if (display.MemoryDC != nullptr) {
        if (display.MemoryDefaultPalette != nullptr) {
            SelectPalette(display.MemoryDC, display.MemoryDefaultPalette, FALSE);
            RealizePalette(display.MemoryDC);
        }
        if (display.MemoryDefaultBitmap != nullptr) SelectObject(display.MemoryDC, display.MemoryDefaultBitmap);
        DeleteDC(display.MemoryDC);
    }
    if (display.MemoryBitmap != nullptr) DeleteObject(display.MemoryBitmap);
    if (display.WindowDC != nullptr && display.WindowDefaultPalette != nullptr) {
        SelectPalette(display.WindowDC, display.WindowDefaultPalette, FALSE);
        RealizePalette(display.WindowDC);
    }
    if (display.Palette.SaverPalette != nullptr) DeleteObject(display.Palette.SaverPalette);
    FreeFrameDib(display.Dib);
    if (display.Palette.PaletteBlockHandle != nullptr) GlobalFree(display.Palette.PaletteBlockHandle);

    display.Palette.PaletteBlockHandle = nullptr;
    display.Palette.PaletteBlock = nullptr;
    display.Palette.SaverPalette = nullptr;
    display.MemoryDC = nullptr;
    display.MemoryBitmap = nullptr;
    display.WindowDefaultPalette = nullptr;
    display.MemoryDefaultPalette = nullptr;
    display.MemoryDefaultBitmap = nullptr;
}

void ReleaseWindowDC(Display& display, HWND window) {
    if (display.WindowDC != nullptr) ReleaseDC(window, display.WindowDC);
    display.WindowDC = nullptr;
}

}  // namespace quibac
