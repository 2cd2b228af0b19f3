// A complete show over a test window, built in the order a saver window builds
// it: the dates animation loaded at creation, then on the first paint the
// walker bitmap (its colours become the palette), the drawing resources and
// the other bitmaps. Tests drive it tick by tick or run its thread.
#pragma once

#include "assets/bitmap_assets.h"
#include "display/display.h"
#include "show/show.h"

#include <windows.h>

#include <memory>
#include <thread>

namespace quibac::testing {

class ShowHarness {
public:
    // module: where the animations and bitmaps are found (the executable's
    // own resources by default).
    ShowHarness(int width, int height, int stretch, HMODULE module = nullptr);
    ~ShowHarness();
    ShowHarness(const ShowHarness&) = delete;
    ShowHarness& operator=(const ShowHarness&) = delete;

    Show& show() { return *show_; }
    Display& display() { return display_; }
    BitmapAssets& assets() { return *assets_; }
    HWND window() const { return window_; }
    bool ok() const { return ok_; }

    // Runs ShowThread on a thread of its own until Stop.
    void StartThread();
    void Stop();

private:
    HWND window_ = nullptr;
    Display display_;
    std::unique_ptr<BitmapAssets> assets_;
    std::unique_ptr<Show> show_;
    std::thread thread_;
    bool ok_ = false;
};

}  // namespace quibac::testing
