// How windows relate: parents and children, owners, stacking order, the window
// under a point, and what tests can ask about a window.
#include "internal.h"

#include <posix_windows.h>

#include <algorithm>

using namespace posix::detail;

namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

bool Visible(const Window* w) { return (w->style & WS_VISIBLE) != 0; }

bool Contains(const Window* w, int x, int y) {
    return x >= w->x && y >= w->y && x - w->x < w->width && y - w->y < w->height;
}

// Live windows matching a test, topmost first: topmost windows above the
// rest, and among equals the later window above the earlier.
template <typename Test>
std::vector<Window*> TopFirst(Test test) {
    std::vector<Window*> out;
    for (Window* w : AllWindows())
        if (w->alive && test(w)) out.push_back(w);
    std::stable_sort(out.begin(), out.end(), [](const Window* a, const Window* b) {
        const bool aTop = (a->exStyle & WS_EX_TOPMOST) != 0;
        const bool bTop = (b->exStyle & WS_EX_TOPMOST) != 0;
        return aTop != bTop ? aTop : a->order > b->order;
    });
    return out;
}

std::vector<HWND> Handles(const std::vector<Window*>& windows) {
    std::vector<HWND> out;
    for (Window* w : windows) out.push_back(HandleOf(w));
    return out;
}

// Live windows that stand in a relation to a live window, in creation order.
std::vector<HWND> Related(HWND hwnd, Window* Window::*relation) {
    Guard guard(GdiLock());
    std::vector<HWND> out;
    const Window* to = LookupWindow(hwnd);
    for (Window* w : AllWindows())
        if (to != nullptr && w->alive && w->*relation == to) out.push_back(HandleOf(w));
    return out;
}

// The deepest visible window at the point among the candidates and their
// children, topmost first.
Window* Deepest(const std::vector<Window*>& candidates, int x, int y) {
    for (Window* w : candidates) {
        if (!Visible(w) || !Contains(w, x, y)) continue;
        Window* inner = Deepest(TopFirst([w](const Window* c) { return c->parent == w; }), x, y);
        return inner != nullptr ? inner : w;
    }
    return nullptr;
}

}  // namespace

namespace posix::detail {

bool IsChildWindow(const Window* w) { return w->parent != nullptr; }

bool IsSelfOrDescendant(const Window* ancestor, const Window* w) {
    for (; w != nullptr; w = w->parent)
        if (w == ancestor) return true;
    return false;
}

std::vector<HWND> ChildrenOf(HWND hwnd) { return Related(hwnd, &Window::parent); }

std::vector<HWND> OwnedBy(HWND hwnd) { return Related(hwnd, &Window::owner); }

std::vector<HWND> TopLevelWindows() {
    Guard guard(GdiLock());
    return Handles(TopFirst([](const Window* w) { return !IsChildWindow(w); }));
}

HWND WindowAt(int x, int y) {
    Guard guard(GdiLock());
    Window* w = Deepest(TopFirst([](const Window* c) { return !IsChildWindow(c); }), x, y);
    return w != nullptr ? HandleOf(w) : nullptr;
}

HWND WindowToPaint(DWORD thread, HWND filter) {
    Guard guard(GdiLock());
    const Window* within = filter != nullptr ? LookupWindow(filter) : nullptr;
    for (Window* w : AllWindows())
        if (w->alive && w->invalid && Visible(w) && w->thread == thread &&
            (filter == nullptr || IsSelfOrDescendant(within, w)))
            return HandleOf(w);
    return nullptr;
}

}  // namespace posix::detail

HWND WINAPI GetParent(HWND hWnd) {
    Guard guard(GdiLock());
    const Window* w = LookupWindow(hWnd);
    if (w == nullptr) return nullptr;
    // A child's parent; an owned pop-up's owner, as Windows reports them.
    if (w->parent != nullptr) return HandleOf(w->parent);
    return (w->style & WS_POPUP) != 0 && w->owner != nullptr ? HandleOf(w->owner) : nullptr;
}

HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
    Guard guard(GdiLock());
    const Window* w = LookupWindow(hWnd);
    if (w == nullptr || uCmd != GW_OWNER || w->owner == nullptr) return nullptr;
    return HandleOf(w->owner);
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    Guard guard(GdiLock());
    const Window* w = LookupWindow(hWnd);
    if (w == nullptr || lpRect == nullptr) return FALSE;
    *lpRect = RECT{0, 0, w->width, w->height};
    return TRUE;
}

HWND WINAPI FindWindowA(LPCSTR lpClassName, LPCSTR lpWindowName) {
    Guard guard(GdiLock());
    for (Window* w : TopFirst([](const Window* c) { return !IsChildWindow(c); })) {
        const bool classMatches =
            lpClassName == nullptr || (!IS_INTRESOURCE(lpClassName) && SameTextIgnoringCase(w->className, lpClassName));
        const bool titleMatches = lpWindowName == nullptr || SameTextIgnoringCase(w->title, lpWindowName);
        if (classMatches && titleMatches) return HandleOf(w);
    }
    return nullptr;
}

namespace posix {

WindowInfo DescribeWindow(HWND hwnd) {
    Guard guard(GdiLock());
    WindowInfo info;
    const Window* w = detail::KnownWindow(hwnd);
    if (w == nullptr) return info;
    info.alive = w->alive;
    info.className = w->className;
    info.title = w->title;
    info.style = w->style;
    info.exStyle = w->exStyle;
    info.parent = w->alive ? GetParent(hwnd) : nullptr;
    info.screenClient = RECT{w->x, w->y, w->x + w->width, w->y + w->height};
    return info;
}

std::vector<HWND> ChildWindows(HWND parent) { return detail::ChildrenOf(parent); }

std::vector<HWND> TopLevelWindows() { return detail::TopLevelWindows(); }

int LiveWindows() {
    Guard guard(GdiLock());
    return int(std::count_if(AllWindows().begin(), AllWindows().end(), [](const Window* w) { return w->alive; }));
}

}  // namespace posix
