// DefWindowProcA: what Windows does with the messages a window procedure
// passes on, for the messages a saver window meets.
#include "internal.h"

#include <algorithm>
#include <cstring>

using namespace posix::detail;

namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

// The low four bits of a WM_SYSCOMMAND's wParam are Windows' own.
constexpr WPARAM kSysCommandMask = 0xFFF0;

enum class Relative { Parent, ParentOrOwner };

HWND RelativeOf(HWND hwnd, Relative which) {
    Guard guard(GdiLock());
    const Window* w = LookupWindow(hwnd);
    if (w == nullptr) return nullptr;
    if (w->parent != nullptr) return HandleOf(w->parent);
    return which == Relative::ParentOrOwner && w->owner != nullptr ? HandleOf(w->owner) : nullptr;
}

// Copies the title into a WM_GETTEXT buffer, terminated; returns its length.
LRESULT CopyTitle(HWND hwnd, WPARAM capacity, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    if (out == nullptr || capacity == 0) return 0;
    Guard guard(GdiLock());
    const Window* w = LookupWindow(hwnd);
    const size_t length = w != nullptr ? std::min(w->title.size(), size_t(capacity - 1)) : 0;
    if (length > 0) std::memcpy(out, w->title.data(), length);
    out[length] = '\0';
    return LRESULT(length);
}

LRESULT TitleLength(HWND hwnd) {
    Guard guard(GdiLock());
    const Window* w = LookupWindow(hwnd);
    return w != nullptr ? LRESULT(w->title.size()) : 0;
}

}  // namespace

LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    switch (Msg) {
    case WM_NCCREATE: return TRUE;
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_PAINT:
        // BeginPaint: the background is erased first when the invalidation
        // asked for it, through the window's own WM_ERASEBKGND.
        if (TakeEraseDue(hWnd)) SendMessageA(hWnd, WM_ERASEBKGND, 0, 0);
        ValidateRect(hWnd, nullptr);
        return 0;
    case WM_ERASEBKGND: EraseBackground(hWnd); return TRUE;
    case WM_SETTEXT: SetWindowTitle(hWnd, reinterpret_cast<LPCSTR>(lParam)); return TRUE;
    case WM_GETTEXT: return CopyTitle(hWnd, wParam, lParam);
    case WM_GETTEXTLENGTH: return TitleLength(hWnd);
    case WM_SYSCOMMAND:
        if ((wParam & kSysCommandMask) == SC_CLOSE) SendMessageA(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SETCURSOR: {
        // A parent may set the cursor for its children before they do.
        HWND parent = RelativeOf(hWnd, Relative::Parent);
        return parent != nullptr && SendMessageA(parent, Msg, wParam, lParam) != 0 ? TRUE : FALSE;
    }
    case WM_HELP: {
        HWND up = RelativeOf(hWnd, Relative::ParentOrOwner);
        return up != nullptr ? SendMessageA(up, Msg, wParam, lParam) : 0;
    }
    case WM_CONTEXTMENU: {
        HWND parent = RelativeOf(hWnd, Relative::Parent);
        return parent != nullptr ? SendMessageA(parent, Msg, wParam, lParam) : 0;
    }
    default: return 0;
    }
}
