#include "support/show_harness.h"

#include "assets/resource_names.h"

#include <posix_control.h>

namespace quibac::testing {

ShowHarness::ShowHarness(int width, int height, int stretch, HMODULE module) : assets_(std::make_unique<BitmapAssets>()) {
    if (module == nullptr) module = posix::MainModule();
    window_ = posix::CreateTestWindow(0, 0, width, height);
    display_.Geometry = ComputeOutputGeometry(width, height, stretch);
    show_ = std::make_unique<Show>(display_, *assets_, module);
    if (FlicLoad(show_->Flic, kDatesFlic)) show_->Flic.FlicFrameOffset = kFlicHeaderBytes;
    if (!BeginDrawing(display_, window_)) return;
    LoadWalkerBitmap(module, *assets_, display_.Palette.CapturedPalette);
    if (!FinishDrawingResources(display_)) return;
    LoadSceneBitmaps(module, *assets_);
    ok_ = true;
}

ShowHarness::~ShowHarness() {
    Stop();
    FreeDrawingResources(display_, window_);
    posix::DestroyTestWindow(window_);
}

void ShowHarness::StartThread() {
    show_->ShowRunning = 1;
    thread_ = std::thread([this] { ShowThread(show_.get()); });
}

void ShowHarness::Stop() {
    show_->ShowRunning = 0;
    if (thread_.joinable()) thread_.join();
}

}  // namespace quibac::testing
