// A display whose first paint failed part way holds what it made, and frees
// all of it by its own destruction, in an order Windows accepts.
#include "display/display.h"
#include "support/display_harness.h"
#include "support/platform_fixture.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <string>

namespace quibac {
namespace {

struct FailingStep {
    const char* name;  // what the failing call would have made
    posix::FailingCall call;
    int after;
};

class HalfBuiltDisplayTest : public testing::PlatformTest, public ::testing::WithParamInterface<FailingStep> {};

TEST_P(HalfBuiltDisplayTest, FreesWhatItMadeWhenItGoes) {
    posix::FailCall(GetParam().call, GetParam().after);
    {
        testing::DisplayHarness h(0, 0, 800, 600, false);
        EXPECT_FALSE(h.ok());
    }
    EXPECT_EQ(GdiObjectsLeft(), 0);
    EXPECT_EQ(MemoryBlocksLeft(), 0);
}

const FailingStep kFailingSteps[] = {
    {"WindowDC", posix::FailingCall::GetDC, 0},
    {"PaletteBlock", posix::FailingCall::GlobalAlloc, 0},
    {"FrameDib", posix::FailingCall::GlobalAlloc, 1},
    {"SaverPalette", posix::FailingCall::CreatePalette, 0},
    {"MemoryDC", posix::FailingCall::CreateCompatibleDC, 0},
    {"MemoryBitmap", posix::FailingCall::CreateCompatibleBitmap, 0},
};

std::string StepName(const ::testing::TestParamInfo<FailingStep>& step) { return step.param.name; }

INSTANTIATE_TEST_SUITE_P(FirstPaint, HalfBuiltDisplayTest, ::testing::ValuesIn(kFailingSteps), StepName);

}  // namespace
}  // namespace quibac
