// The monitors beside the primary one, as the system reports them. Windows 95
// and NT 4 know one monitor only and have none of the calls; there the list
// is empty and the saver keeps its one window.
#pragma once

#include <windows.h>

#include <vector>

namespace quibac {

constexpr const char kUserLibrary[] = "USER32.DLL";
constexpr const char kEnumDisplayMonitorsEntry[] = "EnumDisplayMonitors";
constexpr const char kGetMonitorInfoEntry[] = "GetMonitorInfoA";

// Every monitor but the primary one, in the order the system lists them, in
// screen coordinates (left of or above the primary one: negative).
std::vector<RECT> OtherMonitors();

}  // namespace quibac
