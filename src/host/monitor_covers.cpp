#include "host/monitor_covers.h"

#include "host/library_entry.h"

#include <array>

namespace quibac {

namespace {

constexpr DWORD kCoverStyle = WS_POPUP | WS_VISIBLE;
constexpr DWORD kCoverExStyle = WS_EX_TOPMOST;

// Windows 95 and NT 4 know one monitor only and have neither entry.
constexpr char kUserLibrary[] = "USER32.DLL";
using EnumDisplayMonitorsFn = BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

struct CoverContext {
    HINSTANCE instance;
    HWND saver;
    GetMonitorInfoFn getMonitorInfo;
};

BOOL CALLBACK CoverMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    const auto& context = *reinterpret_cast<const CoverContext*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!context.getMonitorInfo(monitor, &info) || (info.dwFlags & MONITORINFOF_PRIMARY) != 0) return TRUE;
    const RECT& r = info.rcMonitor;
    // Owned by the saver's window: destroyed with it, never above it in its
    // own thread's order of things.
    CreateWindowExA(kCoverExStyle, kCoverClassName, "", kCoverStyle, r.left, r.top, r.right - r.left, r.bottom - r.top,
                    context.saver, nullptr, context.instance, nullptr);
    return TRUE;
}

// The input the saver closes on, whichever monitor the user touches.
constexpr std::array<UINT, 6> kSaverInput{WM_KEYDOWN,     WM_SYSKEYDOWN,  WM_MOUSEMOVE,
                                          WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};

bool IsSaverInput(UINT message) {
    for (UINT m : kSaverInput)
        if (m == message) return true;
    return false;
}

}  // namespace

bool CoverOtherMonitors(HINSTANCE instance, HWND saver) {
    const HMODULE user = GetModuleHandleA(kUserLibrary);
    const auto enumMonitors = EntryOf<EnumDisplayMonitorsFn>(user, "EnumDisplayMonitors");
    const auto getMonitorInfo = EntryOf<GetMonitorInfoFn>(user, "GetMonitorInfoA");
    if (enumMonitors == nullptr || getMonitorInfo == nullptr) return false;
    WNDCLASSA coverClass{};
    coverClass.lpfnWndProc = CoverWndProc;
    coverClass.hInstance = instance;
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = kCoverClassName;
    if (RegisterClassA(&coverClass) == 0) return false;
    CoverContext context{instance, saver, getMonitorInfo};
    enumMonitors(nullptr, nullptr, CoverMonitor, reinterpret_cast<LPARAM>(&context));
    return true;
}

void ForgetMonitorCovers(HINSTANCE instance) { UnregisterClassA(kCoverClassName, instance); }

LRESULT CALLBACK CoverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        SetCursor(nullptr);
        return TRUE;
    }
    // Passed on as it came: the saver measures movement by the cursor's
    // position on the whole screen, so the same threshold and the same
    // password gate apply.
    HWND saver = GetWindow(window, GW_OWNER);
    if (IsSaverInput(message) && saver != nullptr) {
        PostMessageA(saver, message, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace quibac
