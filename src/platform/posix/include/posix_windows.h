// Test controls of the POSIX platform layer for windows, messages, input and
// the rest of the system around a saver window: the version Windows reports,
// registry values, libraries loaded by name, threads, the command line.
// Nothing in the saver's own code includes this header.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace posix {

// ---- windows ---------------------------------------------------------------
// What a window was created with, and where its client area lies on the screen.
struct WindowInfo {
    bool alive = false;
    std::string className;
    std::string title;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    RECT screenClient{};  // client area in screen pixels
};
WindowInfo DescribeWindow(HWND hwnd);
// Windows created by CreateWindowExA or CreateTestWindow and not yet destroyed.
int LiveWindows();
// The live child windows of a window, in the order they were created.
std::vector<HWND> ChildWindows(HWND parent);
// The live top-level windows, topmost first (as WindowFromPoint would try them).
std::vector<HWND> TopLevelWindows();
// The messages that reached a test window's procedure (CreateTestWindow), in
// order, sent and posted alike.
std::vector<MSG> TestWindowMessages(HWND hwnd);

// ---- the message loop --------------------------------------------------------
// The user at the keyboard. GetMessageA calls the idle driver, on its own
// thread, whenever it finds nothing to return; the driver acts (through the
// input functions below, or by waiting for the show to get somewhere) and
// returns true to have the queue looked at again. When it returns false, or no
// driver is set, GetMessageA waits for messages from other threads for up to
// kUnattendedLoopMs of real time; if none comes, the user is taken to have
// walked away: it counts an unattended loop and returns -1, so a test can never
// hang in a message loop.
using IdleDriver = std::function<bool()>;
constexpr int kUnattendedLoopMs = 20000;
void SetIdleDriver(IdleDriver driver);
int UnattendedLoops();
// The next GetMessageA on any thread fails (returns -1) once.
void FailNextGetMessage();

// ---- input -------------------------------------------------------------------
// Input is queued as Windows queues it for the window's thread: mouse messages
// to the window under the cursor (the topmost live, visible window containing
// it, children before their parents), with client coordinates in lParam; on
// taking a mouse message from the queue, GetMessageA and PeekMessageA first
// send WM_SETCURSOR to its window. Keys go to the given window, or to the
// foreground window when none is given.
void SetCursorPosition(int x, int y);  // moves the cursor without any message
void MoveCursor(int x, int y);         // moves it and queues WM_MOUSEMOVE
void MoveCursorBy(int dx, int dy);
// WM_KEYDOWN then WM_KEYUP (WM_SYSKEYDOWN/WM_SYSKEYUP when system is set).
void PressKey(WORD virtualKey, HWND target = nullptr, bool system = false);
// Button down then up; button 0 left, 1 right, 2 middle.
void ClickMouse(int button);
// Another application becomes active: every top-level window is sent
// WM_ACTIVATEAPP with wParam FALSE, and nothing is the foreground any more.
void ActivateOtherApplication();
// SetCursor(nullptr) calls since the last reset, and whether the cursor is
// hidden now (the last SetCursor had no cursor).
int CursorHideCalls();
bool CursorHidden();

// ---- the system ----------------------------------------------------------------
// GetVersionExA reports Windows 98 (platform 1) or Windows NT (platform 2);
// NT by default. With failing set, GetVersionExA fails.
void SetWin9x(bool win9x);
void SetGetVersionFails(bool failing);
// GetSystemMetrics' screen size follows the screen surface (ResetPlatform).

// SystemParametersInfoA(SPI_SCREENSAVERRUNNING): the mark as last set, and the
// number of SystemParametersInfoA calls of any kind.
bool ScreenSaverRunningMark();
int SystemParameterCalls();

// Registry values, by root, key path (compared without regard to case) and
// value name. A value's bytes are stored as given.
void SetRegistryValue(HKEY root, const std::string& key, const std::string& name, std::vector<uint8_t> bytes,
                      DWORD type = REG_DWORD);
// Calls of RegOpenKeyA, RegQueryValueExA and RegCloseKey, and keys left open.
int RegistryCalls();
int OpenRegistryKeys();

// Libraries that LoadLibraryA finds by file name (compared without regard to
// case), with their entries by name. A library marked loaded is already in the
// process: GetModuleHandleA finds it without any LoadLibraryA.
void ProvideLibrary(const std::string& name, std::vector<std::pair<std::string, FARPROC>> entries, bool loaded = false);
// LoadLibraryA calls of any name, and libraries loaded and not yet freed
// (not counting those provided as already loaded).
int LibraryLoadCalls();
int LoadedLibraries();

// The text GetCommandLineA returns.
void SetCommandLine(const std::string& commandLine);
// Called by ExitProcess with the exit code, just before the process ends: the
// last moment a test (a death test's child) can look at the platform.
using ExitHook = std::function<void(UINT exitCode)>;
void SetExitHook(ExitHook hook);
// An exception that leaves a thread from CreateThread is a fault nothing
// handled, as on Windows: it goes to UnhandledExceptionFilter, whose filter
// the program may have set, and then the process ends with this exit code.
constexpr UINT kThreadFaultExitCode = 0xE06D7363;

// sndPlaySoundA calls.
int SoundCalls();

// ---- threads -------------------------------------------------------------------
// Threads from CreateThread that have not ended, and thread handles not closed.
int LiveThreads();
int OpenThreadHandles();
// Event handles from CreateEventA not closed.
int OpenEventHandles();
// In virtual time a timed wait lasts its timeout on the virtual clock; while it
// waits, the waiter moves the clock on by kWaitStepMs for each real millisecond,
// so a wait for a thread that never ends still times out (in a tenth of its
// time).
constexpr uint32_t kWaitStepMs = 10;
// Called on the sleeping thread at the start of every Sleep, with its argument,
// and of every timed wait on an event that finds it clear, with its timeout.
// A hook may block; TerminateThread interrupts a blocked hook as it interrupts
// the Sleep itself.
using SleepHook = std::function<void(DWORD milliseconds)>;
void SetSleepHook(SleepHook hook);
// Called on every thread from CreateThread before its procedure runs, so a
// driver can hold a new thread back until the thread that made it has got
// somewhere (the window's first paint finished, say). A hook may block;
// TerminateThread interrupts a blocked hook.
using ThreadStartHook = std::function<void()>;
void SetThreadStartHook(ThreadStartHook hook);

// ---- failures on request ---------------------------------------------------------
// The next call of the kind fails once, after `after` more successful calls of
// that kind, as when Windows runs out of memory or GDI objects.
enum class FailingCall {
    GetDC,
    GlobalAlloc,
    CreatePalette,
    CreateCompatibleDC,
    CreateCompatibleBitmap,
    CreateThread,
    CreateEvent
};
void FailCall(FailingCall call, int after = 0);

}  // namespace posix
