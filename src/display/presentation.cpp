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
    const DeviceGuard guard(display.Devices);
    // All scan lines from the top: the whole top-down frame at the origin.
    SetDIBitsToDevice(display.WindowDC.get(), g.OriginX, g.OriginY, DWORD(g.OutputWidth), DWORD(g.OutputHeight), 0, 0,
                      0, UINT(g.OutputHeight), display.Dib.FrameBuffer, display.Dib.Info, DIB_RGB_COLORS);
}

void PresentRect(Display& display, int32_t x, int32_t y, int32_t width, int32_t height) {
    if (!display.WindowDC || !display.MemoryDC) return;
    const OutputGeometry& g = display.Geometry;
    const DeviceGuard guard(display.Devices);
    BitBlt(display.WindowDC.get(), x + g.OriginX, y + g.OriginY, width, height, display.MemoryDC.get(), x, y, SRCCOPY);
}

}  // namespace quibac
