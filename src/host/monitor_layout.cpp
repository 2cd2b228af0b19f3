#include "host/monitor_layout.h"

#include "host/library_entry.h"

namespace quibac {

namespace {

using EnumDisplayMonitorsFn = BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

struct Listing {
    GetMonitorInfoFn getMonitorInfo;
    std::vector<RECT> others;
};

BOOL CALLBACK ListMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& listing = *reinterpret_cast<Listing*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!listing.getMonitorInfo(monitor, &info) || (info.dwFlags & MONITORINFOF_PRIMARY) != 0) return TRUE;
    const RECT& r = info.rcMonitor;
    // A monitor the system describes as empty has nothing to cover.
    if (r.right > r.left && r.bottom > r.top) listing.others.push_back(r);
    return TRUE;
}

}  // namespace

std::vector<RECT> OtherMonitors() {
    // Looked up by name: a direct import would keep the program from loading
    // at all on the systems without them.
    const HMODULE user = GetModuleHandleA(kUserLibrary);
    const auto enumMonitors = EntryOf<EnumDisplayMonitorsFn>(user, kEnumDisplayMonitorsEntry);
    const auto getMonitorInfo = EntryOf<GetMonitorInfoFn>(user, kGetMonitorInfoEntry);
    if (enumMonitors == nullptr || getMonitorInfo == nullptr) return {};
    Listing listing{getMonitorInfo, {}};
    enumMonitors(nullptr, nullptr, ListMonitor, reinterpret_cast<LPARAM>(&listing));
    return listing.others;
}

}  // namespace quibac
