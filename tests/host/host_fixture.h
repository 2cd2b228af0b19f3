// Common ground for the host tests: a fresh platform in virtual time, a
// folder for QUIBAC.INI, the cursor somewhere in the middle of the screen, and
// the program started from a whole command line, as the process entry does.
#pragma once

#include "host/command_line.h"
#include "host/host.h"
#include "support/platform_fixture.h"
#include "support/temp_folder.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace quibac::testing {

// A test double as the entry GetProcAddress hands out.
template <typename Function>
FARPROC Entry(Function function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

constexpr int kCursorX = 500;
constexpr int kCursorY = 400;

class HostTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        posix::UseVirtualTime(true);
        posix::SetDebugCapture(false);
        posix::SetProfileDirectory(folder_.path());
        posix::SetCursorPosition(kCursorX, kCursorY);
        windowsAtStart_ = posix::LiveWindows();
        testThread_ = std::this_thread::get_id();
    }
    void TearDown() override {
        posix::SetIdleDriver(nullptr);
        posix::SetDialogDriver(nullptr);
        posix::SetSleepHook(nullptr);
        posix::SetProfileDirectory("");
        PlatformTest::TearDown();
    }

    // The program run with a whole command line, program name included.
    static int Run(const std::string& commandLine) {
        return HostMain(posix::MainModule(), SkipProgramName(commandLine.c_str()));
    }
    // A window handle as the control panel writes it on the command line.
    static std::string HandleText(HWND window) { return std::to_string(uint32_t(reinterpret_cast<uintptr_t>(window))); }
    // Windows the code under test has left alive, counted from the last mark
    // (the test's start, or after the test made windows of its own).
    int WindowsLeft() const { return posix::LiveWindows() - windowsAtStart_; }
    void MarkWindows() { windowsAtStart_ = posix::LiveWindows(); }
    // Everything the saver made is gone: windows (from the last mark), GDI
    // objects and memory blocks (from the test's start), threads and their
    // handles.
    void ExpectNothingLeft() const {
        EXPECT_EQ(WindowsLeft(), 0);
        EXPECT_EQ(GdiObjectsLeft(), 0);
        EXPECT_EQ(MemoryBlocksLeft(), 0);
        EXPECT_EQ(posix::LiveThreads(), 0);
        EXPECT_EQ(posix::OpenThreadHandles(), 0);
    }
    // Idle drivers for a saver that is running: step is called with its window
    // once the window is there, and returns true to have the queue looked at
    // again. Until then the driver has nothing to do.
    static void WhileSaverRuns(std::function<bool(HWND saver)> step) {
        posix::SetIdleDriver([step = std::move(step)] {
            HWND saver = FindWindowA(kSaverClassName, kFullScreenTitle);
            return saver != nullptr && step(saver);
        });
    }
    static void WhilePreviewRuns(HWND parent, std::function<bool(HWND preview)> step) {
        posix::SetIdleDriver([parent, step = std::move(step)] {
            const std::vector<HWND> children = posix::ChildWindows(parent);
            return !children.empty() && step(children.front());
        });
    }
    // Closes the preview as the settings page around it does; a step that
    // ends with it has the queue looked at again.
    static bool ClosePreview(HWND preview) { return PostMessageA(preview, WM_CLOSE, 0, 0) != FALSE; }
    // Whether the caller runs on another thread than the test's own: in a
    // sleep hook, the show's.
    bool OnShowThread() const { return std::this_thread::get_id() != testThread_; }

    TempFolder folder_;

private:
    int windowsAtStart_ = 0;
    std::thread::id testThread_;
};

}  // namespace quibac::testing
