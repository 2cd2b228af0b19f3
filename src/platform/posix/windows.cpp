// Windows: the registry of window objects, their creation with the messages
// Windows sends on the way, and their destruction with their children.
#include "internal.h"

#include <algorithm>
#include <cstdint>

using namespace posix::detail;

namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

// Window handles are small numbers, never reused, as on Windows, where they
// fit in 32 bits: a control panel hands its window to a saver as a number on
// the command line. They start above the range of integer resource ids.
constexpr uintptr_t kFirstHandle = 0x10010;
constexpr uintptr_t kHandleStep = 4;

struct Registry {
    std::vector<Window*> byHandle;  // every window ever created
    std::vector<Window*> all;       // creation order, since the last reset
    uint64_t created = 0;
};

Registry& Windows() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* registry = new Registry();
    return *registry;
}

bool IsChildStyle(DWORD style) { return (style & (WS_CHILD | WS_POPUP)) == WS_CHILD; }

// Sends WM_DESTROY to the window, then to each of its children: a parent
// hears of its end before its children do.
void SendDestroy(HWND hwnd) {
    {
        Guard guard(GdiLock());
        Window* w = LookupWindow(hwnd);
        if (w == nullptr || w->destroying) return;
        w->destroying = true;
    }
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    for (HWND child : ChildrenOf(hwnd)) SendDestroy(child);
}

// Frees the children first, then the window: WM_NCDESTROY goes bottom-up,
// and each window is dead once its WM_NCDESTROY has been handled.
void FreeWindow(HWND hwnd) {
    for (HWND child : ChildrenOf(hwnd)) FreeWindow(child);
    if (!IsLiveWindow(hwnd)) return;
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    Guard guard(GdiLock());
    if (Window* w = LookupWindow(hwnd)) {
        w->alive = false;
        w->invalid = false;
    }
}

}  // namespace

namespace posix::detail {

Window* KnownWindow(HWND hwnd) {
    const auto value = reinterpret_cast<uintptr_t>(hwnd);
    if (value < kFirstHandle || (value - kFirstHandle) % kHandleStep != 0) return nullptr;
    const uintptr_t index = (value - kFirstHandle) / kHandleStep;
    Guard guard(GdiLock());
    return index < Windows().byHandle.size() ? Windows().byHandle[index] : nullptr;
}

bool IsLiveWindow(HWND hwnd) { return LookupWindow(hwnd) != nullptr; }

Window* LookupWindow(HWND hwnd) {
    Guard guard(GdiLock());
    Window* w = KnownWindow(hwnd);
    return w != nullptr && w->alive ? w : nullptr;
}

const std::vector<Window*>& AllWindows() { return Windows().all; }

void ResetWindows() {
    // Windows left by an earlier test stay allocated (a DC may still point at
    // one) but stop drawing and receive nothing more.
    // Scans look at the windows made since.
    Guard guard(GdiLock());
    for (Window* w : Windows().all) {
        w->alive = false;
        w->invalid = false;
        w->received.clear();
    }
    Windows().all.clear();
    ClearForeground();
}

void ForgetThreadWindows(DWORD thread) {
    Guard guard(GdiLock());
    for (Window* w : Windows().all)
        if (w->thread == thread) w->alive = false;
}

LRESULT CallWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC procedure = nullptr;
    {
        Guard guard(GdiLock());
        if (Window* w = LookupWindow(hwnd)) procedure = w->procedure;
    }
    return procedure != nullptr ? procedure(hwnd, message, wParam, lParam) : 0;
}

DWORD WindowThread(HWND hwnd) {
    Guard guard(GdiLock());
    Window* w = LookupWindow(hwnd);
    return w != nullptr ? w->thread : 0;
}

}  // namespace posix::detail

HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle, int X, int Y,
                            int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance,
                            LPVOID lpParam) {
    WindowClass windowClass;
    if (!FindWindowClass(lpClassName, hInstance, windowClass)) return nullptr;
    const bool child = IsChildStyle(dwStyle);
    Window* w = nullptr;
    {
        Guard guard(GdiLock());
        Window* parent = LookupWindow(hWndParent);
        // A child needs a live parent; a top-level window's owner, when one
        // is named, must be a window too.
        if ((child || hWndParent != nullptr) && parent == nullptr) return nullptr;
        w = new Window();
        w->className = windowClass.name;
        w->title = lpWindowName != nullptr ? lpWindowName : "";
        w->style = dwStyle;
        w->exStyle = dwExStyle;
        w->instance = hInstance;
        w->procedure = windowClass.procedure;
        w->background = windowClass.background;
        w->thread = CurrentThreadId();
        w->x = child ? parent->x + X : X;
        w->y = child ? parent->y + Y : Y;
        w->width = std::max(nWidth, 0);
        w->height = std::max(nHeight, 0);
        (child ? w->parent : w->owner) = parent;
        Registry& r = Windows();
        w->order = ++r.created;
        w->handle = reinterpret_cast<HWND>(kFirstHandle + r.byHandle.size() * kHandleStep);
        r.byHandle.push_back(w);
        r.all.push_back(w);
    }
    // The window's messages are posted to this thread from now on.
    EnsureMessageQueue();

    const HWND hwnd = HandleOf(w);
    CREATESTRUCTA create{lpParam, hInstance, hMenu,         hWndParent,   nHeight,     nWidth,
                         Y,       X,         LONG(dwStyle), lpWindowName, lpClassName, dwExStyle};
    const LPARAM createParam = reinterpret_cast<LPARAM>(&create);
    // A window refused by WM_NCCREATE or WM_CREATE is freed without WM_DESTROY,
    // as Windows frees it; one destroyed by its own procedure meanwhile is gone.
    if (CallWindowProcedure(hwnd, WM_NCCREATE, 0, createParam) == 0 ||
        CallWindowProcedure(hwnd, WM_CREATE, 0, createParam) == -1) {
        FreeWindow(hwnd);
        return nullptr;
    }
    if (!IsWindow(hwnd)) return nullptr;
    if ((dwStyle & WS_VISIBLE) != 0) {
        CallWindowProcedure(hwnd, WM_SHOWWINDOW, TRUE, 0);
        InvalidateRect(hwnd, nullptr, TRUE);
        // Shown, a top-level window of the active application becomes the
        // foreground window.
        if (!child) SetForegroundWindow(hwnd);
    }
    return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hWnd) {
    {
        Guard guard(GdiLock());
        Window* w = LookupWindow(hWnd);
        // Windows lets only the owning thread destroy a window.
        if (w == nullptr || w->destroying || w->thread != CurrentThreadId()) return FALSE;
        if (GetForegroundWindow() == hWnd) ClearForeground();
    }
    // Owned windows go first, then the window with its children.
    for (HWND owned : OwnedBy(hWnd)) DestroyWindow(owned);
    SendDestroy(hWnd);
    FreeWindow(hWnd);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hWnd) { return IsLiveWindow(hWnd) ? TRUE : FALSE; }
