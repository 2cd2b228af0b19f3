// Shared internals of the POSIX platform layer: the GDI object model, the
// window registry and the message queues. Not visible to the saver's code.
#pragma once

#include <windows.h>
#include <posix_windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace posix::detail {

// One lock for all GDI and window state: the show thread draws while the
// window thread may present, exactly as on Windows, and the layer must not
// itself tear its own bookkeeping.
std::recursive_mutex& GdiLock();

void ReportMisuse(const std::string& what);

// True when a failure armed by posix::FailCall fires for this call of the
// kind; the failure is then used up. Thread-safe.
bool ShouldFail(posix::FailingCall call);
void ResetFailures();

enum class ObjectKind { Palette, Bitmap, Brush, WindowDC, MemoryDC };

struct GdiObject {
    explicit GdiObject(ObjectKind k, bool isStock = false) : kind(k), stock(isStock) {}
    virtual ~GdiObject() = default;
    ObjectKind kind;
    bool stock;
};

struct Palette : GdiObject {
    explicit Palette(bool isStock = false) : GdiObject(ObjectKind::Palette, isStock) {}
    std::vector<PALETTEENTRY> entries;
    int selections = 0;  // DCs that hold it
};

struct Bitmap : GdiObject {
    explicit Bitmap(bool isStock = false) : GdiObject(ObjectKind::Bitmap, isStock) {}
    int width = 0;
    int height = 0;
    // 0x00RRGGBB, top row first. Not a vector: a bitmap about to be filled
    // from a DIB is not zeroed first, which halves the cost of a refresh.
    std::unique_ptr<uint32_t[]> pixels;
    int selections = 0;
};

struct Window {
    int x = 0, y = 0, width = 0, height = 0;  // client area on the screen
    bool alive = true;
    HWND handle = nullptr;
    // What CreateWindowExA was given, and what the window has become since.
    std::string className;
    std::string title;
    DWORD style = 0;
    DWORD exStyle = 0;
    HINSTANCE instance = nullptr;
    Window* parent = nullptr;  // child windows only
    Window* owner = nullptr;   // owned top-level windows only
    DWORD thread = 0;          // the thread whose queue receives its messages
    WNDPROC procedure = nullptr;
    LONG_PTR userData = 0;        // GWLP_USERDATA
    bool invalid = false;         // a WM_PAINT is due
    bool eraseDue = false;        // and its BeginPaint erases the background first
    HBRUSH background = nullptr;  // the class's
    bool destroying = false;      // DestroyWindow has begun on it
    uint64_t order = 0;           // creation order: a later window lies above an earlier one
    std::vector<MSG> received;    // test windows: what their procedure saw
};

struct DeviceContext : GdiObject {
    explicit DeviceContext(ObjectKind k) : GdiObject(k) {}
    Window* window = nullptr;  // window DCs
    Bitmap* bitmap = nullptr;  // memory DCs: the selected bitmap
    Palette* palette = nullptr;
};

// Registration of live objects: every handle the layer hands out is checked
// against these before use, so a stale or foreign handle fails as on Windows
// instead of crashing the test.
void Track(GdiObject* object);
void Untrack(GdiObject* object);
bool IsLive(const void* handle);
GdiObject* Lookup(const void* handle);

Palette* StockPalette();
Bitmap* StockBitmap();

// The window registry, guarded by GdiLock(). Window objects are never freed:
// a DC or a stale handle may still point at one, and finds it dead.
bool IsLiveWindow(HWND hwnd);
Window* LookupWindow(HWND hwnd);
// The windows created since the last reset, dead ones included, in creation
// order; and any window ever created, by its handle, dead or alive.
const std::vector<Window*>& AllWindows();
Window* KnownWindow(HWND hwnd);
inline bool IsKnownWindow(HWND hwnd) { return KnownWindow(hwnd) != nullptr; }
inline HWND HandleOf(const Window* w) { return w->handle; }

// The screen surface, guarded by GdiLock(). It covers the virtual screen:
// pixel (0, 0) of the surface is screen point (left, top), which lies left of
// or above (0, 0) when a monitor does.
struct Screen {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};
Screen& TheScreen();
void RecordWindowBlit(int x, int y, int width, int height);
// Adds a rectangle of the surface (surface pixels, exclusive right and
// bottom) to the area changed since a live program last took it.
void NoteChangedArea(int left, int top, int right, int bottom);
// After the surface is made anew at another size.
void ResizedScreen();
void ResetGdi();
void ResetWindows();
void ResetClocks();
void ResetDebugOutput();

// ==== windows, messages and the system around them ===========================
// Lock order: the message lock may be held while GdiLock() is taken, never the
// other way round; no lock of the layer is held while a window procedure, a
// hook, a driver or a thread procedure runs.

// Names that Windows compares without regard to case (ASCII, as ours are).
bool SameTextIgnoringCase(const std::string& a, LPCSTR b);
std::string LowerCase(std::string text);

// The calling thread's id: threads from CreateThread keep the id it reported.
DWORD CurrentThreadId();

// Window classes (window_classes.cpp).
struct WindowClass {
    ATOM atom = 0;
    std::string name;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    HBRUSH background = nullptr;
    // The rest of the record as registered, for GetClassInfoA; a menu given
    // by name is kept in a copy of its own, which the record points at.
    WNDCLASSA record{};
    std::shared_ptr<const std::string> menuName;
};
// By name (without regard to case) or atom; a class of the given instance
// wins over one of another instance.
bool FindWindowClass(LPCSTR nameOrAtom, HINSTANCE instance, WindowClass& found);
void ResetWindowClasses();

// Windows (windows.cpp, window_tree.cpp, window_state.cpp).
// Calls the procedure of a live window on the calling thread; 0 for a dead one.
LRESULT CallWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// The thread that owns a live window, 0 for a dead or unknown one.
DWORD WindowThread(HWND hwnd);
bool IsChildWindow(const Window* child);
// True when w is the window itself or one of its descendants.
bool IsSelfOrDescendant(const Window* ancestor, const Window* w);
// Live children, and live windows the window owns, in creation order.
std::vector<HWND> ChildrenOf(HWND hwnd);
std::vector<HWND> OwnedBy(HWND hwnd);
std::vector<HWND> TopLevelWindows();
// The topmost live, visible window at a screen point, children before parents.
HWND WindowAt(int x, int y);
// A window of the thread that waits for WM_PAINT, within the filter.
HWND WindowToPaint(DWORD thread, HWND filter);
// Windows of a thread that has ended go with it, as on Windows.
void ForgetThreadWindows(DWORD thread);
void SetWindowTitle(HWND hwnd, LPCSTR title);
void ClearForeground();

// Message queues (message_queue.cpp, message_loop.cpp).
// Queues a message sent to a window of another thread without waiting for it
// (as the system sends notifications); same thread: calls the procedure.
void SendNotification(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Gives the calling thread its queue, so that messages for its windows land.
void EnsureMessageQueue();
// Wakes a thread waiting in GetMessageA: something for it may have changed.
void WakeThread(DWORD thread);
void ResetMessages();
// Whether a system message's parameters carry a pointer, which no queue may
// hold: such messages can only be sent.
bool CarriesPointer(UINT message, WPARAM wParam);
// The time and cursor position that a message carries.
DWORD MessageTime();
POINT CursorPoint();
void ResetInput();

// The rest of the system (system.cpp, process.cpp, registry.cpp, libraries.cpp).
void ResetSystem();
void ResetRegistry();
void ResetLibraries();
HMODULE LoadedLibraryNamed(LPCSTR name);
// What the process was started with (the POSIX main records it).
void RecordProcessCommandLine(const std::string& commandLine);
void ResetProcess();
// Threads (threads.cpp): forgetting the start hook.
void ResetThreadStartHook();
// What the system does with a fault that left a thread's procedure: the
// top-level filter, then the end of the process. Never returns.
[[noreturn]] void EndProcessOnThreadFault();

// Kernel objects by kind (threads.cpp, events.cpp), behind the one
// WaitForSingleObject and CloseHandle (handles.cpp). Each answers only for
// handles it made, and says whether the handle was one of them.
bool WaitForThread(HANDLE handle, DWORD milliseconds, DWORD& result);
bool CloseThreadHandle(HANDLE handle);
bool WaitForEvent(HANDLE handle, DWORD milliseconds, DWORD& result);
bool CloseEventHandle(HANDLE handle);

// Sleeps (clock.cpp). A timed wait that has to wait is a sleep too: it runs
// the sleep hook (with no lock held) before it starts, and when it has waited
// its whole time it is counted as a sleep of that length, which in virtual
// time moves the clock on by it.
void RunSleepHook(DWORD milliseconds);
void CountSleep(DWORD milliseconds);

// The primary monitor's rectangle, and forgetting any others.
RECT PrimaryMonitor();
void ResetMonitors();

// Painting: whether the window's next BeginPaint erases (taking the flag),
// and the erase itself, with the window class's background.
bool TakeEraseDue(HWND hwnd);
void EraseBackground(HWND hwnd);

}  // namespace posix::detail
