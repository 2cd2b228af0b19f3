// The user's mouse and keyboard as tests drive them: the cursor, queued mouse
// and key messages, and another application taking the foreground.
#include "internal.h"

#include <posix_windows.h>

#include <algorithm>
#include <iterator>
#include <mutex>
#include <utility>

using namespace posix::detail;

namespace {

// Bits of a key message's lParam: the repeat count of one, the context code
// (Alt held), the previous key state and the transition state.
constexpr LPARAM kKeyRepeatOnce = 0x00000001;
constexpr LPARAM kKeyAltHeld = 0x20000000;
constexpr LPARAM kKeyWasDown = 0x40000000;
constexpr LPARAM kKeyReleasing = LPARAM(0x80000000u);

struct MouseButton {
    UINT down;
    UINT up;
    WPARAM state;  // MK_ bit while it is held
};
constexpr MouseButton kButtons[] = {
    {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON},
    {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
    {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON},
};

// The arrow every window shows until someone sets another cursor.
int g_arrowCursor;
HCURSOR ArrowCursor() { return reinterpret_cast<HCURSOR>(&g_arrowCursor); }

struct CursorState {
    std::mutex lock;
    POINT position{0, 0};
    HCURSOR shape = ArrowCursor();
    int hideCalls = 0;
};

CursorState& Cursor() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* state = new CursorState();
    return *state;
}

// Windows keeps the cursor on the screen.
POINT ClampToScreen(int x, int y) {
    std::lock_guard<std::recursive_mutex> guard(GdiLock());
    const Screen& s = TheScreen();
    if (s.width > 0) x = std::clamp(x, s.left, s.left + s.width - 1);
    if (s.height > 0) y = std::clamp(y, s.top, s.top + s.height - 1);
    return POINT{x, y};
}

// Posts a mouse message to the window under the cursor, in its client
// coordinates.
void PostMouse(UINT message, WPARAM state) {
    const POINT at = CursorPoint();
    HWND target = WindowAt(at.x, at.y);
    if (target == nullptr) return;
    const posix::WindowInfo info = posix::DescribeWindow(target);
    PostMessageA(target, message, state, MAKELPARAM(at.x - info.screenClient.left, at.y - info.screenClient.top));
}

}  // namespace

namespace posix::detail {

POINT CursorPoint() {
    std::lock_guard<std::mutex> guard(Cursor().lock);
    return Cursor().position;
}

void ResetInput() {
    CursorState& c = Cursor();
    std::lock_guard<std::mutex> guard(c.lock);
    c.position = POINT{0, 0};
    c.shape = ArrowCursor();
    c.hideCalls = 0;
}

}  // namespace posix::detail

BOOL WINAPI GetCursorPos(LPPOINT lpPoint) {
    if (lpPoint == nullptr) return FALSE;
    *lpPoint = CursorPoint();
    return TRUE;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor) {
    CursorState& c = Cursor();
    std::lock_guard<std::mutex> guard(c.lock);
    if (hCursor == nullptr) ++c.hideCalls;
    return std::exchange(c.shape, hCursor);
}

namespace posix {

void SetCursorPosition(int x, int y) {
    const POINT at = ClampToScreen(x, y);
    std::lock_guard<std::mutex> guard(Cursor().lock);
    Cursor().position = at;
}

void MoveCursor(int x, int y) {
    SetCursorPosition(x, y);
    PostMouse(WM_MOUSEMOVE, 0);
}

void MoveCursorBy(int dx, int dy) {
    const POINT at = CursorPoint();
    MoveCursor(at.x + dx, at.y + dy);
}

void ClickMouse(int button) {
    if (button < 0 || button >= int(std::size(kButtons))) return;
    const MouseButton& b = kButtons[button];
    PostMouse(b.down, b.state);
    PostMouse(b.up, 0);
}

void PressKey(WORD virtualKey, HWND target, bool system) {
    if (target == nullptr) target = GetForegroundWindow();
    if (target == nullptr) return;
    const LPARAM down = kKeyRepeatOnce | (system ? kKeyAltHeld : 0);
    PostMessageA(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, down);
    PostMessageA(target, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey, down | kKeyWasDown | kKeyReleasing);
}

void ActivateOtherApplication() {
    ClearForeground();
    for (HWND window : TopLevelWindows()) SendNotification(window, WM_ACTIVATEAPP, FALSE, 0);
}

int CursorHideCalls() {
    std::lock_guard<std::mutex> guard(Cursor().lock);
    return Cursor().hideCalls;
}

bool CursorHidden() {
    std::lock_guard<std::mutex> guard(Cursor().lock);
    return Cursor().shape == nullptr;
}

}  // namespace posix
