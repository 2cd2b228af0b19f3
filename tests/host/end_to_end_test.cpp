// The program as the control panel runs it, through HostMain on the POSIX
// platform in virtual time: the show runs, input ends it, and nothing is left
// behind, whichever way it ends.
#include "host_fixture.h"

#include "host/monitor_covers.h"
#include "host/password.h"
#include "settings/config_dialog.h"

#include <posix_control.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <set>
#include <stdexcept>
#include <thread>

namespace quibac {
namespace {

using testing::HostTest;

// The first walk and the eight scenes of the December cycle.
constexpr int kScenesInACycle = 9;
// A show that gets nowhere in this much virtual time has hung.
constexpr uint64_t kGiveUpMs = 15u * 60u * 1000u;

class EndToEndTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        // Scene set-ups, as the show thread itself sees them (read on its own
        // thread, so there is nothing to race with).
        posix::SetSleepHook([this](DWORD) {
            const Show* show = show_.load();
            if (show != nullptr && OnShowThread()) scenes_.store(show->Sequencer.ScenesSetUp);
        });
    }
    // The running full-screen saver, noting its show for the sleep hook.
    HWND Saver() { return NoteShow(FindWindowA(kSaverClassName, kFullScreenTitle)); }
    HWND NoteShow(HWND saver) {
        if (saver != nullptr && show_.load() == nullptr) show_.store(&HostOf(saver)->SaverState->Animation);
        return saver;
    }
    // An idle driver that only waits for the show lets it have the processor.
    static bool WaitAMoment() {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        return true;
    }
    std::atomic<const Show*> show_{nullptr};
    std::atomic<int32_t> scenes_{0};
    uint64_t doorAt_ = 0;
};

TEST_F(EndToEndTest, FullScreenRunsAWholeCycleAndAFivePixelMoveEndsIt) {
    posix::SetLocalDateTime(2026, 12, 24);
    posix::SetDebugCapture(true);
    bool moved = false;
    posix::SetIdleDriver([&] {
        HWND saver = Saver();
        if (saver == nullptr) return false;
        if (scenes_.load() <= kScenesInACycle && posix::VirtualElapsed() < kGiveUpMs) {
            // Repaint on the window's thread all the while the show draws on
            // its own: the two must never meet on one DC.
            InvalidateRect(saver, nullptr, FALSE);
            return WaitAMoment();
        }
        if (!moved) {
            posix::WriteScreenPng(testing::TestOutputPath("host_full_screen.png"));
            posix::MoveCursorBy(3, 2);
            moved = true;
            return true;
        }
        return false;
    });
    EXPECT_EQ(Run("quibac.scr /s"), 0);
    EXPECT_GT(scenes_.load(), kScenesInACycle);
    const std::string trace = posix::DebugOutput();
    EXPECT_NE(trace.find("\nHeader addr.: "), std::string::npos);
    EXPECT_NE(trace.find("Delta Flc"), std::string::npos);
    ExpectNothingLeft();
}

TEST_F(EndToEndTest, PreviewShowsThePictureInsideItsParentAndInputLeavesItRunning) {
    posix::SetLocalDateTime(2026, 12, 24);
    HWND parent = posix::CreateTestWindow(200, 150, 152, 112);
    int phase = 0;
    bool aliveAfterInput = false;
    std::set<uint32_t> colours;
    posix::SetIdleDriver([&] {
        const std::vector<HWND> children = posix::ChildWindows(parent);
        if (children.empty()) return false;
        HWND preview = NoteShow(children.front());
        if (phase == 0) {
            // Today's door follows the first walk; give it a moment to play.
            if (scenes_.load() < 2) return WaitAMoment();
            if (doorAt_ == 0) doorAt_ = posix::VirtualElapsed();
            if (posix::VirtualElapsed() < doorAt_ + 2000) return WaitAMoment();
            for (uint32_t pixel : posix::ScreenPixels(200, 150, 152, 112)) colours.insert(pixel);
            posix::WriteScreenPng(testing::TestOutputPath("host_preview.png"), 150, 100, 252, 212);
            posix::PressKey(VK_SPACE, preview);
            posix::MoveCursor(260, 200);
            posix::ClickMouse(0);
            posix::MoveCursor(300, 240);
            phase = 1;
            return true;
        }
        aliveAfterInput = IsWindow(preview) != FALSE;
        PostMessageA(preview, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(Run("quibac.scr /p " + HandleText(parent)), 0);
    EXPECT_GT(colours.size(), 16u) << "a door picture fills the parent";
    EXPECT_TRUE(aliveAfterInput);
    EXPECT_EQ(posix::ScreenPixel(199, 149), 0u) << "nothing drawn outside the parent";
    posix::DestroyTestWindow(parent);
    ExpectNothingLeft();
}

TEST_F(EndToEndTest, ConfigurationWritesTheIniFile) {
    posix::ScriptDialog({posix::DialogStep::Click(kStretchBox), posix::DialogStep::Enter()});
    EXPECT_EQ(Run("quibac.scr /c"), 1);
    EXPECT_EQ(folder_.Read("QUIBAC.INI"), "[Quib Advent Screen Saver]\nStretch=1\nEveryMonitor=0\n");
}

struct PaintFailureRow {
    const char* name;
    posix::FailingCall call;
    int after;
};

class PaintFailureTest : public EndToEndTest, public ::testing::WithParamInterface<PaintFailureRow> {};

TEST_P(PaintFailureTest, EndsTheSaverCleanlyWithExitCodeZero) {
    const PaintFailureRow& row = GetParam();
    posix::FailCall(row.call, row.after);
    bool ranOn = false;
    posix::SetIdleDriver([&] {
        HWND saver = Saver();
        if (saver == nullptr) return false;
        ranOn = true;  // the failure did not end it
        PostMessageA(saver, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(Run("quibac.scr /s"), 0);
    EXPECT_FALSE(ranOn);
    ExpectNothingLeft();
}

const PaintFailureRow kPaintFailureRows[] = {
    {"WindowDC", posix::FailingCall::GetDC, 0},
    {"PaletteBlock", posix::FailingCall::GlobalAlloc, 0},
    {"FrameBuffer", posix::FailingCall::GlobalAlloc, 1},
    {"Palette", posix::FailingCall::CreatePalette, 0},
    {"MemoryDC", posix::FailingCall::CreateCompatibleDC, 0},
    {"MemoryBitmap", posix::FailingCall::CreateCompatibleBitmap, 0},
    {"ShowThread", posix::FailingCall::CreateThread, 0},
};

INSTANTIATE_TEST_SUITE_P(FirstPaint, PaintFailureTest, ::testing::ValuesIn(kPaintFailureRows),
                         testing::RowName<PaintFailureRow>);

TEST_F(EndToEndTest, FailingGetMessageEndsTheLoopAndTheSaver) {
    posix::SetIdleDriver([&] {
        HWND saver = Saver();
        if (saver == nullptr) return false;
        if (scenes_.load() < 2) return WaitAMoment();
        posix::FailNextGetMessage();
        PostMessageA(saver, WM_NULL, 0, 0);  // ends this GetMessageA; the next one fails
        return true;
    });
    EXPECT_EQ(Run("quibac.scr /s"), kSaverFailedExitCode);
    ExpectNothingLeft();
}

TEST_F(EndToEndTest, ShowThreadThatWillNotStopIsTerminatedBeforeAnythingIsFreed) {
#if defined(__SANITIZE_ADDRESS__)
    // The platform terminates a thread by cancelling it, whose unwinding
    // AddressSanitizer does not follow (it aborts on the stack it left
    // poisoned); the plain build runs this test.
    GTEST_SKIP() << "runs in the plain build";
#endif
#if defined(__SANITIZE_THREAD__)
    // ThreadSanitizer loses the locks a cancelled thread takes while it
    // unwinds: it reports the thread's exit record, written under the thread
    // table's lock, as written with no lock held.
    GTEST_SKIP() << "runs in the plain build";
#endif
    std::atomic<bool> closing{false};
    std::atomic<bool> hung{false};
    posix::SetSleepHook([&](DWORD) {
        if (!closing.load() || !OnShowThread()) return;
        hung = true;
        for (;;) usleep(1000);  // hangs until terminated
    });
    posix::SetIdleDriver([&] {
        HWND saver = Saver();
        if (saver == nullptr) return false;
        if (posix::VirtualElapsed() < 2000) return WaitAMoment();
        closing = true;
        if (!hung.load()) return WaitAMoment();  // until the show thread is stuck
        PostMessageA(saver, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(Run("quibac.scr /s"), 0);
    EXPECT_TRUE(hung.load());
    ExpectNothingLeft();
}

TEST_F(EndToEndTest, OtherMonitorsAreCoveredAndInputOverThemIsTheSaversOnly) {
    const RECT second{1024, 100, 1824, 700};
    posix::SetMonitors({RECT{0, 0, 1024, 768}, second});
    posix::FillScreen(0x00336699);  // the desktop
    const int width = second.right - second.left, height = second.bottom - second.top;
    posix::WindowInfo cover;
    uint32_t lit = 0;
    posix::SetIdleDriver([&] {
        HWND saver = Saver();
        if (saver == nullptr) return false;
        if (scenes_.load() < 1) return WaitAMoment();
        HWND found = FindWindowA(kCoverClassName, nullptr);
        if (found == nullptr) return false;
        cover = posix::DescribeWindow(found);
        for (uint32_t pixel : posix::ScreenPixels(second.left, second.top, width, height)) lit += pixel != 0 ? 1 : 0;
        posix::PressKey(VK_SPACE, found);
        return true;
    });
    EXPECT_EQ(Run("quibac.scr /s"), 0) << "a key over the cover closed the saver";
    EXPECT_EQ(cover.exStyle, DWORD(WS_EX_TOPMOST));
    EXPECT_EQ(cover.screenClient.left, second.left);
    EXPECT_EQ(cover.screenClient.top, second.top);
    EXPECT_EQ(cover.screenClient.right, second.right);
    EXPECT_EQ(cover.screenClient.bottom, second.bottom);
    EXPECT_EQ(lit, 0u) << "the second monitor is black";
    ExpectNothingLeft();

    HWND parent = posix::CreateTestWindow(200, 150, 152, 112);
    bool coveredInPreview = true;
    posix::SetIdleDriver([&] {
        const std::vector<HWND> children = posix::ChildWindows(parent);
        if (children.empty()) return false;
        coveredInPreview = FindWindowA(kCoverClassName, nullptr) != nullptr;
        PostMessageA(children.front(), WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(Run("quibac.scr /p " + HandleText(parent)), 0);
    EXPECT_FALSE(coveredInPreview);
    posix::DestroyTestWindow(parent);
}

// The verifier of a test that makes the host meet a fault.
BOOL WINAPI FaultingVerify(HWND) { throw std::runtime_error("the verifier failed"); }

TEST_F(EndToEndTest, FaultInAModeClearsTheRunningMarkAndHostMainReturns) {
    posix::SetWin9x(true);
    posix::SetRegistryValue(HKEY_CURRENT_USER, kPasswordSettingsKey, kUsePasswordValue, {1, 0, 0, 0});
    posix::ProvideLibrary(kVerifierLibrary, {{kVerifierEntry, testing::Entry(FaultingVerify)}});
    bool marked = false;
    posix::SetIdleDriver([&] {
        HWND saver = Saver();
        if (saver == nullptr) return false;
        marked = posix::ScreenSaverRunningMark();
        posix::PressKey(VK_SPACE, saver);
        return true;
    });
    EXPECT_EQ(Run("quibac.scr /s"), kSaverFailedExitCode);
    EXPECT_TRUE(marked);
    EXPECT_FALSE(posix::ScreenSaverRunningMark());
    ExpectNothingLeft();
}

TEST_F(EndToEndTest, MissingOrForeignDatesAnimationEndsTheSaverBeforeItShows) {
    struct Case {
        std::vector<uint8_t> dates;  // empty: no DATESFLIC at all
        const char* text;
    };
    const HRSRC real = FindResourceA(posix::MainModule(), "DATESFLIC", "Flic");
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(posix::MainModule(), real)));
    std::vector<uint8_t> foreign(bytes, bytes + 128);
    foreign[kFlcMagicAt] = 0x11;  // an FLI, not an FLC
    for (const Case& c : {Case{{}, "\nFindResource failed.\n\n** Failed to init FLC resource! **\n\n"},
                          Case{foreign, kNotOfficialFlc}, Case{{0x12, 0xAF}, kNotOfficialFlc}}) {
        HMODULE module = posix::CreateResourceModule();
        if (!c.dates.empty()) posix::AddResource(module, "Flic", "DATESFLIC", c.dates);
        posix::SetDebugCapture(true);
        posix::ClearDebugOutput();
        posix::SetIdleDriver([] { return false; });
        EXPECT_EQ(HostMain(module, "/s"), kSaverFailedExitCode);
        EXPECT_NE(posix::DebugOutput().find(c.text), std::string::npos) << posix::DebugOutput();
        posix::DestroyResourceModule(module);
        ExpectNothingLeft();
    }
}

}  // namespace
}  // namespace quibac
