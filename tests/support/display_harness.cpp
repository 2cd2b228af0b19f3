#include "support/display_harness.h"

#include "display/display.h"

#include <posix_control.h>

#include <cstring>

namespace quibac::testing {

DisplayHarness::DisplayHarness(int x, int y, int width, int height, bool stretch, const std::array<Rgb, 256>& colours)
    : x_(x), y_(y) {
    window_ = posix::CreateTestWindow(x, y, width, height);
    Display& display = *display_;
    display.Geometry = ComputeOutputGeometry(width, height, stretch);
    if (!BeginDrawing(display, window_)) return;
    for (size_t k = 0; k < 256; ++k)
        display.Palette.CapturedPalette[k] = CapturedColour{colours[k].r, colours[k].g, colours[k].b, 0};
    ok_ = FinishDrawingResources(display);
    BuildScalingMaps(display.Maps, display.Geometry);
}

DisplayHarness::~DisplayHarness() {
    display_.reset();
    posix::DestroyTestWindow(window_);
}

uint32_t DisplayHarness::ColourOf(uint8_t index) const {
    const RGBQUAD& q = display_->Dib.DibColourTable[index];
    return (uint32_t(q.rgbRed) << 16) | (uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
}

uint32_t DisplayHarness::WindowPixel(int x, int y) const { return posix::ScreenPixel(x_ + x, y_ + y); }

void DisplayHarness::FillFrame(uint8_t index) {
    for (int32_t v = 0; v < display_->Geometry.OutputHeight; ++v)
        std::memset(FrameRow(FrameOf(*display_), v), index, size_t(display_->Geometry.OutputWidth));
}

}  // namespace quibac::testing
