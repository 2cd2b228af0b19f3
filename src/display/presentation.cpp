#include "display/presentation.h"

#include "display/display.h"

namespace quibac {

void RefreshMemoryBitmap(Display& display) {
    if (display.MemoryDC == nullptr || display.Dib.InfoHeader == nullptr) return;
    const DeviceGuard guard(display.DeviceLock);
    SelectObject(display.MemoryDC, display.MemoryDefaultBitmap);
    if (display.MemoryBitmap != nullptr) DeleteObject(display.MemoryBitmap);
    display.MemoryBitmap = CreateDIBitmap(display.WindowDC, display.Dib.InfoHeader, CBM_INIT, display.Dib.FrameBuffer,
                                          display.Dib.Info, DIB_RGB_COLORS);
    if (display.MemoryBitmap == nullptr) return;
    display.MemoryDefaultBitmap = static_cast<HBITMAP>(SelectObject(display.MemoryDC, display.MemoryBitmap));
}

void PresentFrame(Display& display) {
    if (display.WindowDC == nullptr || display.Dib.FrameBuffer == nullptr) return;
    const OutputGeometry& g = display.Geometry;
    const DeviceGuard guard(display.DeviceLock);
    // All scan lines from the top: the whole top-down frame at the origin.
    SetDIBitsToDevice(display.WindowDC, g.OriginX, g.OriginY, DWORD(g.OutputWidth), DWORD(g.OutputHeight), 0, 0, 0,
                      UINT(g.OutputHeight), display.Dib.FrameBuffer, display.Dib.Info, DIB_RGB_COLORS);
}

void PresentRect(Display& display, int32_t x, int32_t y, int32_t width, int32_t height) {
    if (display.WindowDC == nullptr || display.MemoryDC == nullptr) return;
    const OutputGeometry& g = display.Geometry;
    const DeviceGuard guard(display.DeviceLock);
    BitBlt(display.WindowDC, x + g.OriginX, y + g.OriginY, width, height, display.MemoryDC, x, y, SRCCOPY);
}

}  // namespace quibac
