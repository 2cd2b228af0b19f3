// Test controls of the POSIX platform layer. Nothing in the saver's own code
// includes this header: only tests, benchmarks, fuzz targets and the Linux
// runner use it to drive and observe the platform the saver runs on.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace posix {

// ---- the whole platform ------------------------------------------------
// Puts the platform back to a fresh state: a black screen of the given size,
// no windows, real time, empty debug output. Live object counts are kept, so a
// test can compare them before and after the code it runs.
void ResetPlatform(int screenWidth = 1024, int screenHeight = 768);

// ---- the screen surface ------------------------------------------------
// Pixels are 0x00RRGGBB. Every window DC draws into this surface, clipped to
// its window's client area.
int ScreenWidth();
int ScreenHeight();
uint32_t ScreenPixel(int x, int y);
void FillScreen(uint32_t rgb);
std::vector<uint32_t> ScreenPixels(int x, int y, int width, int height);
// Writes the whole screen, or a part of it, as an RGB PNG. Returns success.
bool WriteScreenPng(const std::string& path);
bool WriteScreenPng(const std::string& path, int x, int y, int width, int height);
// Counts BitBlt calls that reached a window, and the rows they touched, so
// tests can follow what a reveal brought to the screen.
struct BlitRecord {
    int x, y, width, height;
};
std::vector<BlitRecord> TakeWindowBlits();

// ---- windows -----------------------------------------------------------
// A plain window whose client area lies at (x, y) on the screen.
HWND CreateTestWindow(int x, int y, int width, int height);
void DestroyTestWindow(HWND hwnd);

// ---- clocks ------------------------------------------------------------
// In virtual time nothing waits: Sleep advances both millisecond counters and
// the local date at once, so a test can run hours of show in seconds. A
// Sleep(0) advances virtual time by 1 ms so that polling loops always progress.
void UseVirtualTime(bool on);
bool VirtualTime();
// Sets the two 32-bit millisecond counters (timeGetTime, GetTickCount), which
// may be started near their wrap.
void SetMillisecondClocks(uint32_t timeGetTimeNow, uint32_t tickCountNow);
// Sets the local date and time that GetLocalTime reports from now on; it moves
// on with the clock (virtual or real).
void SetLocalDateTime(int year, int month, int day, int hour = 12, int minute = 0, int second = 0);
// Advances virtual time without sleeping any thread.
void AdvanceVirtualTime(uint32_t milliseconds);
// Total milliseconds of virtual time since the last reset.
uint64_t VirtualElapsed();
// Number of Sleep calls and their total requested time since the last reset.
uint64_t SleepCalls();
uint64_t SleptMilliseconds();

// ---- debug output --------------------------------------------------------
// OutputDebugStringA appends here (up to a bound, after which only the count of
// dropped bytes grows) and, when echo is on, to standard error.
std::string DebugOutput();
void ClearDebugOutput();
void SetDebugCapture(bool on);
void SetDebugEcho(bool on);

// ---- leak accounting ---------------------------------------------------
// Live palettes, bitmaps and DCs (stock objects excluded), and live memory
// blocks from GlobalAlloc.
int LiveGdiObjects();
int LiveMemoryBlocks();
// Calls that Windows would refuse or that corrupt state there: deleting a
// selected object, deleting a DC that still holds a non-default object,
// freeing a block twice, and the like. Each is also described on stderr.
int GdiMisuseCount();
// Calls on one DC from two threads at once are misuse too: Windows does not
// serialise them. To show one thread's call provably in progress, a test holds
// the layer's GDI lock on its own thread (HoldGdi); another thread's call then
// marks its DCs and waits, counted by GdiWaiters, while the holder's own calls
// go ahead. ReleaseGdi, on the same thread, lets the waiter finish.
void HoldGdi();
void ReleaseGdi();
int GdiWaiters();

// ---- resources ---------------------------------------------------------
// The executable's own resources come from the table built from the resource
// script; tests can build other modules with resources of their choosing.
HMODULE MainModule();
HMODULE CreateResourceModule();
void DestroyResourceModule(HMODULE module);
// type and name are either text or MAKEINTRESOURCEA values.
void AddResource(HMODULE module, LPCSTR type, LPCSTR name, std::vector<uint8_t> bytes);

struct EmbeddedResource {
    const char* type;  // text type, or nullptr when typeId is used
    int typeId;
    const char* name;  // text name, or nullptr when nameId is used
    int nameId;
    const uint8_t* data;
    size_t size;
};
// Called by the generated resource table of the executable.
void RegisterEmbeddedResources(const EmbeddedResource* table, size_t count);

}  // namespace posix

// ==== private-profile files and dialogs ======================================
#include <functional>
#include <optional>

namespace posix {

// ---- private-profile (INI) files -----------------------------------------
// A profile file named without a folder lives in this folder. Empty (the
// start state) means the user's configuration folder: $XDG_CONFIG_HOME when
// it holds an absolute path, otherwise ~/.config.
void SetProfileDirectory(const std::string& folder);
// The path that GetPrivateProfileIntA and WritePrivateProfileStringA use for
// a file name.
std::string ProfilePath(const std::string& fileName);

// ---- dialog templates ----------------------------------------------------
// A classic (DIALOG) template as DialogBoxParamA reads it. Texts are UTF-8.
struct DialogItemInfo {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    int id = 0;                        // the 16-bit id, sign-extended (-1 for 0xFFFF)
    std::string className;             // predefined classes by their names: "Button", "Static", ...
    std::string text;                  // "#n" for an ordinal (such as an icon id)
    size_t creationDataSize = 0;
};

struct DialogTemplateInfo {
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string menu;       // empty for none, "#n" for an ordinal
    std::string className;  // empty for the platform's dialog class
    std::string caption;
    bool hasFont = false;   // DS_SETFONT
    int pointSize = 0;
    std::string typeface;
    std::vector<DialogItemInfo> items;
};

// Parses a dialog template; nullopt for bytes that do not hold a whole
// classic template (extended DIALOGEX templates included).
std::optional<DialogTemplateInfo> ParseDialogTemplate(const void* data, size_t size);

// ---- driving a modal dialog ------------------------------------------------
// DialogBoxParamA runs its modal loop by calling the dialog driver again and
// again until the dialog ends. A driver acts through the input functions below
// and returns true; when it returns false (or when no driver is set, or after
// kMaxDialogSteps calls) the user is taken to have walked away: the platform
// presses the close button, ends the dialog with 0 if that did not end it, and
// counts an unattended dialog, so a test can never hang in a dialog.
using DialogDriver = std::function<bool(HWND dialog)>;
constexpr int kMaxDialogSteps = 10000;
void SetDialogDriver(DialogDriver driver);
int UnattendedDialogs();

// One user action, for scripted dialogs.
struct DialogStep {
    enum class Kind { Click, Enter, Escape, CloseButton, Run };
    Kind kind = Kind::Escape;
    int itemId = 0;
    std::function<void(HWND dialog)> run;

    static DialogStep Click(int itemId) { return {Kind::Click, itemId, {}}; }
    static DialogStep Enter() { return {Kind::Enter, 0, {}}; }
    static DialogStep Escape() { return {Kind::Escape, 0, {}}; }
    static DialogStep CloseButton() { return {Kind::CloseButton, 0, {}}; }
    // Runs a function on the open dialog, to look at it between actions.
    static DialogStep Run(std::function<void(HWND dialog)> fn) { return {Kind::Run, 0, std::move(fn)}; }
};
// Sets a driver that performs the steps in order, one per turn of the modal
// loop, across however many dialogs open; when they run out the dialog left
// open is unattended.
void ScriptDialog(std::vector<DialogStep> steps);

// User input to a running dialog, as Windows' dialog manager delivers it.
// Each returns false when the dialog is not running or the input reached no
// control. A click on an enabled, visible button toggles an auto check box
// (or cycles an auto three-state box) and sends WM_COMMAND (id, BN_CLICKED).
bool ClickDialogItem(HWND dialog, int itemId);
// Enter clicks the default push button (WM_COMMAND with its id), or sends
// IDOK when the dialog has none.
bool PressDialogEnter(HWND dialog);
// Esc sends WM_COMMAND IDCANCEL.
bool PressDialogEscape(HWND dialog);
// The caption's close button: WM_SYSCOMMAND SC_CLOSE, then WM_CLOSE, then,
// when the procedure handles neither, WM_COMMAND (IDCANCEL, BN_CLICKED).
bool PressDialogCloseButton(HWND dialog);
// The owner a running dialog was given.
HWND DialogOwner(HWND dialog);

}  // namespace posix
