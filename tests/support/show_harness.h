// A complete show over a test window, built by the saver's own creation and
// first-paint steps (so in exactly the order a saver window builds it), but
// without starting the show thread: tests drive the show tick by tick or run
// its thread when they ask for it.
#pragma once

#include "saver/saver.h"

#include <windows.h>

#include <memory>
#include <thread>

namespace quibac::testing {

class ShowHarness {
public:
    // module: where the animations and bitmaps are found (the executable's
    // own resources by default).
    ShowHarness(int width, int height, bool stretch, HMODULE module = nullptr);
    ~ShowHarness();
    ShowHarness(const ShowHarness&) = delete;
    ShowHarness& operator=(const ShowHarness&) = delete;

    Saver& saver() { return *saver_; }
    Show& show() { return saver_->Animation; }
    Display& display() { return saver_->Output; }
    BitmapAssets& assets() { return *saver_->Assets; }
    HWND window() const { return window_; }
    bool ok() const { return ok_; }

    // Runs ShowThread on a thread of its own until Stop.
    void StartThread();
    void Stop();

private:
    HWND window_ = nullptr;
    std::unique_ptr<Saver> saver_;
    std::thread thread_;
    bool ok_ = false;
};

}  // namespace quibac::testing
