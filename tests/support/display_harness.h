// A saver window's display built the way the first paint builds it, over a
// test window on the POSIX screen, with a palette of the test's choosing.
#pragma once

#include "display/display.h"
#include "support/bitmap_builder.h"

#include <windows.h>

#include <array>
#include <optional>

namespace quibac::testing {

class DisplayHarness {
public:
    // A window with its client area at (x, y) on the screen.
    DisplayHarness(int x, int y, int width, int height, bool stretch,
                   const std::array<Rgb, 256>& colours = DistinctColours());
    ~DisplayHarness();
    DisplayHarness(const DisplayHarness&) = delete;
    DisplayHarness& operator=(const DisplayHarness&) = delete;

    Display& display() { return *display_; }
    HWND window() const { return window_; }
    bool ok() const { return ok_; }
    // The screen colour of a palette index as the built palette gives it.
    uint32_t ColourOf(uint8_t index) const;
    // Window client pixel (x, y) as it is on the screen.
    uint32_t WindowPixel(int x, int y) const;
    void FillFrame(uint8_t index);

private:
    int x_, y_;
    HWND window_ = nullptr;
    // Freed by its own destruction, before the window whose DC it holds.
    std::optional<Display> display_{std::in_place};
    bool ok_ = false;
};

}  // namespace quibac::testing
