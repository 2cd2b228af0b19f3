#include "support/show_harness.h"

#include "show/sequencer.h"

#include <posix_control.h>

namespace quibac::testing {

ShowHarness::ShowHarness(int width, int height, bool stretch, HMODULE module) {
    if (module == nullptr) module = posix::MainModule();
    window_ = posix::CreateTestWindow(0, 0, width, height);
    saver_ = std::make_unique<Saver>(module, DefWindowProcA);
    ok_ = SetUpSaver(*saver_, width, height, stretch) && BuildDrawing(*saver_, window_);
}

ShowHarness::~ShowHarness() {
    Stop();
    saver_.reset();
    posix::DestroyTestWindow(window_);
}

void ShowHarness::StartThread() {
    show().ShowRunning = true;
    thread_ = std::thread([this] { ShowThread(&show()); });
}

void ShowHarness::Stop() {
    show().ShowRunning = false;
    if (thread_.joinable()) thread_.join();
}

}  // namespace quibac::testing
