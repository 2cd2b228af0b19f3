// Everything the saver draws with: geometry, scaling maps, palette, frame
// buffer and the window's device contexts. One instance per saver window.
#pragma once

#include "display/canvas.h"
#include "display/frame_dib.h"
#include "display/frame_drawing.h"
#include "display/geometry.h"
#include "display/palette.h"
#include "display/scaling_maps.h"

#include <windows.h>

#include <mutex>

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
    // The window's thread repaints through WindowDC while the show thread
    // presents and replaces the palette and the memory bitmap selected into
    // the same DCs. GDI does not serialise calls on one DC across threads, so
    // every call on these DCs and their objects holds this lock, and only for
    // those calls. The frame buffer is not guarded: a repaint may show a
    // half-drawn frame, which the show's next presentation replaces.
    std::mutex DeviceLock;
};

using DeviceGuard = std::lock_guard<std::mutex>;

// The display's frame buffer and scaling maps, for drawing.
inline FrameView FrameOf(const Display& display) {
    return FrameView{display.Dib.FrameBuffer, display.Dib.Stride, display.Geometry.OutputWidth,
                     display.Geometry.OutputHeight, &display.Maps};
}

// First-paint work in two halves around the loading of the walker bitmap,
// whose colour table the palette is built from. BeginDrawing takes the
// window's DC and allocates the palette block; FinishDrawingResources builds
// the palette, the frame buffer, the logical palette and the memory DC with
// its bitmap. Each returns success.
bool BeginDrawing(Display& display, HWND window);
bool FinishDrawingResources(Display& display);
// Puts the displaced objects back and frees the memory DC, its bitmap, the
// palette and both memory blocks; safe on a partly built or never built
// display. The window's DC is released last, by ReleaseWindowDC.
void FreeDrawingResources(Display& display);
void ReleaseWindowDC(Display& display, HWND window);

}  // namespace quibac
