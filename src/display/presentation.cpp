#include "display/presentation.h"

#include "display/display.h"

namespace quibac {

void RefreshMemoryBitmap(Display& display) {
    if (!display.MemoryDC || display.Dib.InfoHeader == nullptr) return;
    const DeviceGuard guard(display.Devices);
    // The bitmap is selected out before it is deleted, its successor in.
    display.MemoryBitmapSelection.reset();
    display.MemoryBitmap.reset();
    display.MemoryBitmap = GdiBitmap(CreateDIBitmap(display.WindowDC.get(), display.Dib.InfoHeader, CBM_INIT,
                                                    display.Dib.FrameBuffer, display.Dib.Info, DIB_RGB_COLORS));
    if (!display.MemoryBitmap) return;
    display.MemoryBitmapSelection = SelectBitmapInto(display.MemoryDC.get(), display.MemoryBitmap.get());
}

void PresentFrame(Display& display) {
    if (!display.WindowDC || display.Dib.FrameBuffer == nullptr) return;
    const OutputGeometry& g = display.Geometry;
    {
        const DeviceGuard guard(display.Devices);
        // All scan lines from the top: the whole top-down frame at the origin.
        SetDIBitsToDevice(display.WindowDC.get(), g.OriginX, g.OriginY, DWORD(g.OutputWidth), DWORD(g.OutputHeight), 0,
                          0, 0, UINT(g.OutputHeight), display.Dib.FrameBuffer, display.Dib.Info, DIB_RGB_COLORS);
    }
    // A repaint on the window's thread: the show's record of what the window
    // shows is its own to change, so it is only told.
    display.Shown.Repainted = true;
}

void PresentRect(Display& display, int32_t x, int32_t y, int32_t width, int32_t height) {
    if (!display.WindowDC || !display.MemoryDC) return;
    const OutputGeometry& g = display.Geometry;
    {
        const DeviceGuard guard(display.Devices);
        BitBlt(display.WindowDC.get(), x + g.OriginX, y + g.OriginY, width, height, display.MemoryDC.get(), x, y,
               SRCCOPY);
    }
    // The memory bitmap may be older than the frame buffer.
    ForgetShown(display.Shown, y, height);
    display.Shown.SentThisTick = true;
}

void PresentChanges(Display& display, int32_t x, int32_t y, int32_t width, int32_t height) {
    if (!display.WindowDC || display.Dib.FrameBuffer == nullptr) return;
    const OutputGeometry& g = display.Geometry;
    const FrameView frame = FrameOf(display);
    ShownPicture& shown = display.Shown;
    if (shown.Repainted.exchange(false)) ForgetShown(shown, 0, g.OutputHeight);
    const std::vector<RECT> areas = UnshownAreas(shown, frame, x, y, width, height);
    if (areas.empty()) return;
    {
        const DeviceGuard guard(display.Devices);
        for (const RECT& area : areas) {
            // The source rectangle of a DIB is placed from its bottom row,
            // top-down or not: the area's bottom edge is OutputHeight -
            // area.bottom up.
            SetDIBitsToDevice(display.WindowDC.get(), g.OriginX + area.left, g.OriginY + area.top,
                              DWORD(area.right - area.left), DWORD(area.bottom - area.top), area.left,
                              g.OutputHeight - area.bottom, 0, UINT(g.OutputHeight), display.Dib.FrameBuffer,
                              display.Dib.Info, DIB_RGB_COLORS);
        }
    }
    for (const RECT& area : areas) NoteShown(shown, frame, area);
    shown.SentThisTick = true;
}

void SettlePresentation(Display& display) {
    ShownPicture& shown = display.Shown;
    if (shown.SentThisTick) {
        shown.SentThisTick = false;
        shown.Unsettled = true;
        return;
    }
    if (!shown.Unsettled || !display.WindowDC) return;
    shown.Unsettled = false;
    const OutputGeometry& g = display.Geometry;
    const DeviceGuard guard(display.Devices);
    BitBlt(display.WindowDC.get(), g.OriginX, g.OriginY, 1, 1, display.WindowDC.get(), g.OriginX, g.OriginY, SRCCOPY);
}

}  // namespace quibac
