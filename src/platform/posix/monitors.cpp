// Several monitors on one screen surface: the primary one at (0, 0), whose
// size is the screen's as GetSystemMetrics reports it, and the others around
// it, left of or above it too, at negative coordinates, as Windows places them.
#include "internal.h"

#include <posix_control.h>

#include <algorithm>
#include <vector>

using namespace posix::detail;

namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

// Empty: one monitor, the whole surface.
std::vector<RECT>& Monitors() {
    static auto* monitors = new std::vector<RECT>();
    return *monitors;
}

std::vector<RECT> CurrentMonitors() {
    Guard guard(GdiLock());
    if (!Monitors().empty()) return Monitors();
    const Screen& s = TheScreen();
    return {RECT{s.left, s.top, s.left + s.width, s.top + s.height}};
}

// Handles count from 1, so that none is null.
HMONITOR HandleOfMonitor(size_t index) { return reinterpret_cast<HMONITOR>(index + 1); }

}  // namespace

namespace posix::detail {

RECT PrimaryMonitor() { return CurrentMonitors().front(); }

void ResetMonitors() {
    Guard guard(GdiLock());
    Monitors().clear();
}

}  // namespace posix::detail

BOOL WINAPI EnumDisplayMonitors(HDC, LPCRECT, MONITORENUMPROC lpfnEnum, LPARAM dwData) {
    if (lpfnEnum == nullptr) return FALSE;
    // The callback runs without any platform lock held: it may make windows.
    std::vector<RECT> monitors = CurrentMonitors();
    for (size_t i = 0; i < monitors.size(); ++i)
        if (!lpfnEnum(HandleOfMonitor(i), nullptr, &monitors[i], dwData)) break;
    return TRUE;
}

BOOL WINAPI GetMonitorInfoA(HMONITOR hMonitor, LPMONITORINFO lpmi) {
    const std::vector<RECT> monitors = CurrentMonitors();
    const size_t index = reinterpret_cast<size_t>(hMonitor) - 1;
    if (lpmi == nullptr || lpmi->cbSize < sizeof(MONITORINFO) || index >= monitors.size()) return FALSE;
    lpmi->rcMonitor = monitors[index];
    lpmi->rcWork = monitors[index];
    lpmi->dwFlags = index == 0 ? MONITORINFOF_PRIMARY : 0;
    return TRUE;
}

namespace posix {

bool SetMonitors(const std::vector<RECT>& monitors) {
    if (monitors.empty() || monitors.front().left != 0 || monitors.front().top != 0) return false;
    Guard guard(GdiLock());
    Screen& s = TheScreen();
    // The surface keeps what it covered and grows to hold every monitor.
    int64_t left = s.left, top = s.top, right = int64_t(s.left) + s.width, bottom = int64_t(s.top) + s.height;
    for (const RECT& m : monitors) {
        if (m.right <= m.left || m.bottom <= m.top) return false;
        left = std::min<int64_t>(left, m.left);
        top = std::min<int64_t>(top, m.top);
        right = std::max<int64_t>(right, m.right);
        bottom = std::max<int64_t>(bottom, m.bottom);
    }
    if (right - left > kMaxScreenSide || bottom - top > kMaxScreenSide) return false;
    Monitors() = monitors;
    s.left = int(left);
    s.top = int(top);
    s.width = int(right - left);
    s.height = int(bottom - top);
    s.pixels.assign(size_t(s.width) * size_t(s.height), 0);
    posix::detail::ResizedScreen();
    return true;
}

}  // namespace posix
