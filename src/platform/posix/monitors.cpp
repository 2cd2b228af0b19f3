// Several monitors on one screen surface: the primary one at (0, 0), whose
// size is the screen's as GetSystemMetrics reports it, and the others beside
// or below it.
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
    return {RECT{0, 0, s.width, s.height}};
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

void SetMonitors(const std::vector<RECT>& monitors) {
    if (monitors.empty()) return;
    Guard guard(GdiLock());
    Monitors() = monitors;
    Screen& s = TheScreen();
    for (const RECT& m : monitors) {
        s.width = std::max<int>(s.width, m.right);
        s.height = std::max<int>(s.height, m.bottom);
    }
    s.pixels.assign(size_t(s.width) * size_t(s.height), 0);
    posix::detail::ResizedScreen();
}

}  // namespace posix
