// Everything the saver draws with: geometry, scaling maps, palette, frame
// buffer and the window's device contexts. One instance per saver window.
#pragma once

#include "display/canvas.h"
#include "display/frame_dib.h"
#include "display/geometry.h"
#include "display/palette.h"
#include "display/scaling_maps.h"

#include <windows.h>

namespace quibac {

struct Display {
    OutputGeometry Geometry;
    ScalingMaps Maps;
    PaletteState Palette;
    FrameDib Dib;
    HDC WindowDC = nullptr;
    HDC MemoryDC = nullptr;
    HBITMAP MemoryBitmap = nullptr;
    // What the first selections displaced, put back before anything is freed.
    HPALETTE WindowDefaultPalette = nullptr;
    HPALETTE MemoryDefaultPalette = nullptr;
    HBITMAP MemoryDefaultBitmap = nullptr;
};

// First-paint work in two halves around the loading of the walker bitmap,
// whose colour table the palette is built from. BeginDrawing takes the
// window's DC and allocates the palette block; FinishDrawingResources builds
// the palette, the frame buffer, the logical palette and the memory DC with
// its bitmap. Each returns success.
bool BeginDrawing(Display& display, HWND window);
bool FinishDrawingResources(Display& display);
// Puts the displaced objects back and frees everything; safe on a partly
// built or never built display.
void FreeDrawingResources(Display& display, HWND window);

}  // namespace quibac
