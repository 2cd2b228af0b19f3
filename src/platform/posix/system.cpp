// What the system tells a program about itself: its version, the screen's
// size, the screen saver's running mark, icons from resources; and the sound
// the saver only ever stops.
#include "internal.h"

#include <mmsystem.h>
#include <posix_windows.h>

#include <cstring>
#include <mutex>

using namespace posix::detail;

namespace {

struct VersionInfo {
    DWORD major;
    DWORD minor;
    DWORD build;
    DWORD platform;
};
// Windows 98 puts its version into the high word of the build number.
constexpr VersionInfo kWindows98{4, 10, 0x040A07CE, VER_PLATFORM_WIN32_WINDOWS};
constexpr VersionInfo kWindowsXp{5, 1, 2600, VER_PLATFORM_WIN32_NT};

struct SystemState {
    std::mutex lock;
    bool win9x = false;
    bool versionFails = false;
    bool saverRunning = false;
    int parameterCalls = 0;
    int soundCalls = 0;
};

SystemState& System() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* state = new SystemState();
    return *state;
}

using Guard = std::lock_guard<std::mutex>;

}  // namespace

namespace posix::detail {

void ResetSystem() {
    SystemState& s = System();
    Guard guard(s.lock);
    s.win9x = false;
    s.versionFails = false;
    s.saverRunning = false;
    s.parameterCalls = 0;
    s.soundCalls = 0;
}

}  // namespace posix::detail

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA lpVersionInformation) {
    SystemState& s = System();
    Guard guard(s.lock);
    if (lpVersionInformation == nullptr || lpVersionInformation->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA) ||
        s.versionFails)
        return FALSE;
    const VersionInfo& v = s.win9x ? kWindows98 : kWindowsXp;
    lpVersionInformation->dwMajorVersion = v.major;
    lpVersionInformation->dwMinorVersion = v.minor;
    lpVersionInformation->dwBuildNumber = v.build;
    lpVersionInformation->dwPlatformId = v.platform;
    std::memset(lpVersionInformation->szCSDVersion, 0, sizeof(lpVersionInformation->szCSDVersion));
    return TRUE;
}

int WINAPI GetSystemMetrics(int nIndex) {
    std::lock_guard<std::recursive_mutex> guard(GdiLock());
    switch (nIndex) {
    case SM_CXSCREEN: return PrimaryMonitor().right - PrimaryMonitor().left;
    case SM_CYSCREEN: return PrimaryMonitor().bottom - PrimaryMonitor().top;
    default: return 0;
    }
}

BOOL WINAPI SystemParametersInfoA(UINT uiAction, UINT uiParam, PVOID pvParam, UINT) {
    SystemState& s = System();
    Guard guard(s.lock);
    ++s.parameterCalls;
    if (uiAction != SPI_SCREENSAVERRUNNING) return FALSE;
    if (pvParam != nullptr) *static_cast<BOOL*>(pvParam) = s.saverRunning ? TRUE : FALSE;
    s.saverRunning = uiParam != 0;
    return TRUE;
}

HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    // The icon group's resource stands for the icon: nothing draws it here.
    if (lpIconName == nullptr) return nullptr;
    return reinterpret_cast<HICON>(FindResourceA(hInstance, lpIconName, RT_GROUP_ICON));
}

BOOL WINAPI sndPlaySoundA(LPCSTR, UINT) {
    SystemState& s = System();
    Guard guard(s.lock);
    ++s.soundCalls;
    return TRUE;
}

namespace posix {

void SetWin9x(bool win9x) {
    Guard guard(System().lock);
    System().win9x = win9x;
}

void SetGetVersionFails(bool failing) {
    Guard guard(System().lock);
    System().versionFails = failing;
}

bool ScreenSaverRunningMark() {
    Guard guard(System().lock);
    return System().saverRunning;
}

int SystemParameterCalls() {
    Guard guard(System().lock);
    return System().parameterCalls;
}

int SoundCalls() {
    Guard guard(System().lock);
    return System().soundCalls;
}

}  // namespace posix
