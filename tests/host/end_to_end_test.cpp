// The program as the control panel runs it, through HostMain on the POSIX
// platform in virtual time: the show runs, input ends it, and nothing is left
// behind, whichever way it ends.
#include "host_fixture.h"

#include "assets/resource_names.h"
#include "host/host_window.h"
#include "host/monitor_covers.h"
#include "host/password.h"
#include "settings/config_dialog.h"
#include "support/ini_text.h"
#include "support/resource_bytes.h"

#include <posix_control.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
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
    // The drivers note the running saver's show for the sleep hook.
    void WhileSaverRuns(std::function<bool(HWND saver)> step) {
        HostTest::WhileSaverRuns([this, step = std::move(step)](HWND saver) { return step(NoteShow(saver)); });
    }
    void WhilePreviewRuns(HWND parent, std::function<bool(HWND preview)> step) {
        HostTest::WhilePreviewRuns(parent,
                                   [this, step = std::move(step)](HWND preview) { return step(NoteShow(preview)); });
    }
    HWND NoteShow(HWND saver) {
        if (show_.load() == nullptr) show_.store(&HostOf(saver)->SaverState->Animation);
        return saver;
    }

public:
    // An idle driver that only waits for the show lets it have the processor.
    static bool WaitAMoment() {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        return true;
    }

protected:
    std::atomic<const Show*> show_{nullptr};
    std::atomic<int32_t> scenes_{0};
    uint64_t doorAt_ = 0;
};

TEST_F(EndToEndTest, FullScreenRunsAWholeCycleAndAFivePixelMoveEndsIt) {
    posix::SetLocalDateTime(2026, 12, 24);
    posix::SetDebugCapture(true);
    bool moved = false;
    WhileSaverRuns([&](HWND saver) {
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
    WhilePreviewRuns(parent, [&](HWND preview) {
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
    EXPECT_EQ(folder_.Read(kSettingsFile), testing::SavedIni("1"));
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
    WhileSaverRuns([&](HWND saver) {
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
    WhileSaverRuns([&](HWND saver) {
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
    WhileSaverRuns([&](HWND saver) {
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
    WhileSaverRuns([&](HWND) {
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
    WhilePreviewRuns(parent, [&](HWND preview) {
        coveredInPreview = FindWindowA(kCoverClassName, nullptr) != nullptr;
        return ClosePreview(preview);
    });
    EXPECT_EQ(Run("quibac.scr /p " + HandleText(parent)), 0);
    EXPECT_FALSE(coveredInPreview);
    posix::DestroyTestWindow(parent);
}

// ---- the window class, read back while the saver runs --------------------------------

struct ClassRow {
    const char* name;
    bool withIcon100;  // the shipped resources have none
};

class WindowClassTest : public EndToEndTest, public ::testing::WithParamInterface<ClassRow> {
protected:
    void TearDown() override {
        if (module_ != nullptr) posix::DestroyResourceModule(module_);
        EndToEndTest::TearDown();
    }
    // The saver's own resources, and an icon of the id the class asks for.
    HMODULE ResourcesWithIcon100() {
        module_ = posix::CreateResourceModule();
        for (const char* flic : {kDatesFlic, kAdventFlic})
            posix::AddResource(module_, kFlicResourceType, flic,
                               testing::ResourceBytes(posix::MainModule(), kFlicResourceType, flic));
        for (const char* bitmap : {kWalkAnim, kWinkAnim, kQuotes, kAdvert, kQuibLogo})
            posix::AddResource(module_, RT_BITMAP, bitmap,
                               testing::ResourceBytes(posix::MainModule(), RT_BITMAP, bitmap));
        posix::AddResource(module_, RT_GROUP_ICON, MAKEINTRESOURCEA(100), {0, 0, 1, 0, 0, 0});
        return module_;
    }
    HMODULE module_ = nullptr;
};

TEST_P(WindowClassTest, IsRegisteredAsTheOneRecordForBothKindsOfWindow) {
    const HMODULE module = GetParam().withIcon100 ? ResourcesWithIcon100() : posix::MainModule();
    const HICON icon100 = LoadIconA(module, MAKEINTRESOURCEA(100));
    EXPECT_EQ(icon100 != nullptr, GetParam().withIcon100);
    WNDCLASSA record{};
    bool found = false;
    WhileSaverRuns([&](HWND saver) {
        found = GetClassInfoA(module, kSaverClassName, &record) != FALSE;
        PostMessageA(saver, WM_CLOSE, 0, 0);
        return true;
    });
    EXPECT_EQ(HostMain(module, "/s"), 0);
    ASSERT_TRUE(found);
    EXPECT_EQ(record.style, UINT(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC));
    EXPECT_EQ(record.style, 0x2Bu);
    EXPECT_EQ(record.lpfnWndProc, &HostWndProc);
    EXPECT_EQ(record.cbClsExtra, 0);
    EXPECT_EQ(record.cbWndExtra, 0);
    EXPECT_EQ(record.hInstance, module);
    EXPECT_EQ(record.hIcon, icon100) << "the icon of id 100, if any";
    EXPECT_EQ(record.hCursor, nullptr) << "the cursor is hidden";
    EXPECT_EQ(record.hbrBackground, GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(record.lpszMenuName, nullptr);
    WNDCLASSA after{};
    EXPECT_FALSE(GetClassInfoA(module, kSaverClassName, &after)) << "unregistered once the saver has run";
}

const ClassRow kClassRows[] = {{"ShippedResources", false}, {"ResourcesWithAnIcon100", true}};

INSTANTIATE_TEST_SUITE_P(Resources, WindowClassTest, ::testing::ValuesIn(kClassRows), testing::RowName<ClassRow>);

// ---- the running mark of Windows 95/98 -------------------------------------------------
// While the mark is on, the system keys are locked: it must not outlive the
// saver, however the saver ends.

BOOL WINAPI AcceptingVerify(HWND) { return TRUE; }
// The verifier of a test that makes the host meet a fault.
BOOL WINAPI FaultingVerify(HWND) { throw std::runtime_error("the verifier failed"); }

// Windows 98 with a password in use, asked by the given verifier.
void UseWin9xPassword(VerifyScreenSavePwdFn verify) {
    posix::SetWin9x(true);
    posix::SetRegistryValue(HKEY_CURRENT_USER, kPasswordSettingsKey, kUsePasswordValue, {1, 0, 0, 0});
    posix::ProvideLibrary(kVerifierLibrary, {{kVerifierEntry, testing::Entry(verify)}});
}

struct Win9xEndRow {
    const char* name;
    VerifyScreenSavePwdFn verify;  // asked when a key closes the saver
    int exitCode;
};

class Win9xEndTest : public EndToEndTest, public ::testing::WithParamInterface<Win9xEndRow> {};

TEST_P(Win9xEndTest, ClearsTheRunningMarkAndLeavesNothing) {
    UseWin9xPassword(GetParam().verify);
    bool marked = false;
    WhileSaverRuns([&](HWND saver) {
        marked = posix::ScreenSaverRunningMark();
        posix::PressKey(VK_SPACE, saver);
        return true;
    });
    EXPECT_EQ(Run("quibac.scr /s"), GetParam().exitCode);
    EXPECT_TRUE(marked);
    EXPECT_FALSE(posix::ScreenSaverRunningMark());
    ExpectNothingLeft();
}

const Win9xEndRow kWin9xEndRows[] = {
    {"RightPassword", AcceptingVerify, 0},
    {"FaultInTheModeThatHostMainHandles", FaultingVerify, kSaverFailedExitCode},
};

INSTANTIATE_TEST_SUITE_P(Ends, Win9xEndTest, ::testing::ValuesIn(kWin9xEndRows), testing::RowName<Win9xEndRow>);

// A fault on the show thread ends the process there and then, with nothing
// of the host's own left to run: only the platform's top-level filter, which
// the host set, can still clear the mark. The process ends, so it runs as a
// death test, whose child says at its very end what became of the mark.
void RunSaverWhoseShowFaults() {
    static bool markedAtTheFault = false;
    UseWin9xPassword(AcceptingVerify);
    posix::SetThreadStartHook([] {
        markedAtTheFault = posix::ScreenSaverRunningMark();
        throw std::runtime_error("the show failed");
    });
    posix::SetExitHook([](UINT) {
        std::fprintf(stderr, "mark at the fault: %s, at the end: %s\n", markedAtTheFault ? "on" : "off",
                     posix::ScreenSaverRunningMark() ? "on" : "off");
    });
    posix::SetIdleDriver(EndToEndTest::WaitAMoment);  // until the fault ends it all
    HostMain(posix::MainModule(), "/s");
}

TEST_F(EndToEndTest, FaultOnTheShowThreadClearsTheRunningMarkBeforeTheProcessEnds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunSaverWhoseShowFaults(), ::testing::ExitedWithCode(int(posix::kThreadFaultExitCode & 0xFF)),
                "mark at the fault: on, at the end: off");
}

TEST_F(EndToEndTest, MissingOrForeignDatesAnimationEndsTheSaverBeforeItShows) {
    struct Case {
        std::vector<uint8_t> dates;  // empty: no DATESFLIC at all
        const char* text;
    };
    std::vector<uint8_t> foreign = testing::ResourceBytes(posix::MainModule(), "Flic", "DATESFLIC");
    foreign.resize(128);
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
