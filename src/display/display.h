// Everything the saver draws with: geometry, scaling maps, palette, frame
// buffer and the window's device contexts. One instance per saver window.
#pragma once

#include "display/canvas.h"
#include "display/device_lock.h"
#include "display/frame_dib.h"
#include "display/frame_drawing.h"
#include "display/gdi_owners.h"
#include "display/geometry.h"
#include "display/palette.h"
#include "display/scaling_maps.h"
#include "display/shown_picture.h"

#include <windows.h>

namespace quibac {

struct Display {
    OutputGeometry Geometry;
    ScalingMaps Maps;

    // The resources of the first paint. Members are destroyed in reverse
    // order, so this order is the order of release: out of the memory DC the
    // palette (then realized) and the bitmap are selected, the DC deleted and
    // then its bitmap; out of the window's DC the palette is selected (then
    // realized) and deleted; the frame buffer's block goes, then the palette
    // block, and the window's DC last of all. ReleaseDrawing and
    // ReleaseWindowDC release them in the same order in two steps, for the
    // saver to free its animation in between.
    WindowDCOwner WindowDC;
    PaletteState Palette;  // holds PaletteBlock
    FrameDib Dib;
    GdiPalette SaverPalette;
    PaletteSelection WindowPaletteSelection;  // SaverPalette in WindowDC
    GdiBitmap MemoryBitmap;
    MemoryDCOwner MemoryDC;
    BitmapSelection MemoryBitmapSelection;    // MemoryBitmap in MemoryDC
    PaletteSelection MemoryPaletteSelection;  // SaverPalette in MemoryDC

    // The window's thread repaints through WindowDC while the show thread
    // presents and replaces the palette and the memory bitmap selected into
    // the same DCs. GDI does not serialise calls on one DC across threads, so
    // every call on these DCs and their objects holds this lock, and only for
    // those calls. The frame buffer is not guarded: a repaint may show a
    // half-drawn frame, which the show's next presentation replaces.
    DeviceLock Devices;

    // What the window shows, so that the show presents only what changed.
    ShownPicture Shown;
};

// The display's frame buffer and scaling maps, for drawing.
inline FrameView FrameOf(const Display& display) {
    return FrameView{display.Dib.FrameBuffer, display.Dib.Stride, display.Geometry.OutputWidth,
                     display.Geometry.OutputHeight, &display.Maps};
}

// First-paint work in two halves around the loading of the walker bitmap,
// whose colour table the palette is built from. BeginDrawing takes the
// window's DC and allocates the palette block; FinishDrawingResources builds
// the palette, the frame buffer, the logical palette and the memory DC with
// its bitmap. Each returns success; what a failed one made stays with the
// display, to be released with the rest.
bool BeginDrawing(Display& display, HWND window);
bool FinishDrawingResources(Display& display);
// Releases everything but the window's DC, in the order of the display's own
// destruction; safe on a partly built or never built display.
void ReleaseDrawing(Display& display);
// Releases the window's DC, last of all.
void ReleaseWindowDC(Display& display);

}  // namespace quibac
