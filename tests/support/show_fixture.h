// A fixture for show tests: test animations and bitmaps in a module of their
// own, virtual time, and a ShowHarness made on demand.
#pragma once

#include "support/platform_fixture.h"
#include "support/show_harness.h"
#include "support/test_resources.h"

#include <posix_control.h>

#include <memory>

namespace quibac::testing {

class ShowTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        UseScreen(1024, 768);
        module_ = posix::CreateResourceModule();
        AddTestAnimations(module_);
        AddTestBitmaps(module_);
    }
    void TearDown() override {
        harness_.reset();
        posix::DestroyResourceModule(module_);
        PlatformTest::TearDown();
    }
    // A fresh screen of this size, in virtual time, without trace capture.
    // Resets the local date too: set it afterwards.
    void UseScreen(int width, int height) {
        SetScreenSize(width, height);
        posix::UseVirtualTime(true);
        posix::SetDebugCapture(false);
    }
    // The window's client area lies at the screen's top-left corner.
    ShowHarness& Make(int width = 800, int height = 600, bool stretch = false) {
        harness_.reset();
        harness_ = std::make_unique<ShowHarness>(width, height, stretch, module_);
        EXPECT_TRUE(harness_->ok());
        return *harness_;
    }

    HMODULE module_ = nullptr;
    std::unique_ptr<ShowHarness> harness_;
};

}  // namespace quibac::testing
