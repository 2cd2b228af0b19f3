// What a window carries between messages: its title, its user data, whether it
// waits to be painted, and which window is in the foreground.
#include "internal.h"

#include <algorithm>
#include <utility>

using namespace posix::detail;

namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

// Guarded by GdiLock() with the windows themselves.
HWND g_foreground = nullptr;

// Marks a window (or, for none, every window) as waiting for WM_PAINT, or not,
// and wakes the threads that may now have a WM_PAINT to return.
BOOL SetPaintDue(HWND hwnd, bool due, bool erase = false) {
    std::vector<DWORD> threads;
    {
        Guard guard(GdiLock());
        if (hwnd != nullptr && !IsLiveWindow(hwnd)) return FALSE;
        for (Window* w : AllWindows()) {
            if (!w->alive || (hwnd != nullptr && HandleOf(w) != hwnd)) continue;
            w->invalid = due;
            w->eraseDue = due && (erase || w->eraseDue);
            threads.push_back(w->thread);
        }
    }
    // Outside GdiLock: the message lock is never taken under it.
    if (due)
        for (DWORD thread : threads) WakeThread(thread);
    return TRUE;
}

}  // namespace

namespace posix::detail {

bool TakeEraseDue(HWND hwnd) {
    Guard guard(GdiLock());
    Window* w = LookupWindow(hwnd);
    if (w == nullptr || !w->eraseDue) return false;
    w->eraseDue = false;
    return true;
}

void EraseBackground(HWND hwnd) {
    Guard guard(GdiLock());
    const Window* w = LookupWindow(hwnd);
    // The stock black brush is the only background the saver's classes use.
    if (w == nullptr || w->background != static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))) return;
    Screen& s = TheScreen();
    const int left = w->x - s.left, top = w->y - s.top;
    for (int y = std::max(0, top); y < std::min(s.height, top + w->height); ++y)
        for (int x = std::max(0, left); x < std::min(s.width, left + w->width); ++x)
            s.pixels[size_t(y) * size_t(s.width) + size_t(x)] = 0;
    NoteChangedArea(left, top, left + w->width, top + w->height);
}

void SetWindowTitle(HWND hwnd, LPCSTR title) {
    Guard guard(GdiLock());
    if (Window* w = LookupWindow(hwnd)) w->title = title != nullptr ? title : "";
}

void ClearForeground() {
    Guard guard(GdiLock());
    g_foreground = nullptr;
}

}  // namespace posix::detail

int WINAPI GetWindowTextA(HWND hWnd, LPSTR lpString, int nMaxCount) {
    if (lpString == nullptr || nMaxCount <= 0) return 0;
    // Windows asks the window itself, through WM_GETTEXT.
    lpString[0] = '\0';
    return int(SendMessageA(hWnd, WM_GETTEXT, WPARAM(nMaxCount), reinterpret_cast<LPARAM>(lpString)));
}

BOOL WINAPI SetWindowTextA(HWND hWnd, LPCSTR lpString) {
    // Windows sets the title through the window's own WM_SETTEXT.
    if (!IsWindow(hWnd)) return FALSE;
    return SendMessageA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) != 0 ? TRUE : FALSE;
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) {
    Guard guard(GdiLock());
    const Window* w = LookupWindow(hWnd);
    return w != nullptr && nIndex == GWLP_USERDATA ? w->userData : 0;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    Guard guard(GdiLock());
    Window* w = LookupWindow(hWnd);
    if (w == nullptr || nIndex != GWLP_USERDATA) return 0;
    return std::exchange(w->userData, dwNewLong);
}

BOOL WINAPI InvalidateRect(HWND hWnd, const RECT*, BOOL bErase) { return SetPaintDue(hWnd, true, bErase != FALSE); }

// Without a window, Windows' ValidateRect redraws every window instead.
BOOL WINAPI ValidateRect(HWND hWnd, const RECT*) { return SetPaintDue(hWnd, hWnd == nullptr); }

HWND WINAPI GetForegroundWindow(void) {
    Guard guard(GdiLock());
    return IsLiveWindow(g_foreground) ? g_foreground : nullptr;
}

BOOL WINAPI SetForegroundWindow(HWND hWnd) {
    Guard guard(GdiLock());
    const Window* w = LookupWindow(hWnd);
    // Only a top-level window can be the foreground window.
    if (w == nullptr || IsChildWindow(w)) return FALSE;
    g_foreground = hWnd;
    return TRUE;
}
