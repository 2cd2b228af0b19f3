#include "host/host.h"

#include "host/command_line.h"
#include "host/fault_guard.h"
#include "settings/config_dialog.h"

namespace quibac {

namespace {

int RunMode(HostState& host, const char* commandText) {
    const ModeRequest request = ReadMode(commandText, host.IsWin9x);
    switch (request.mode) {
    case Mode::Configure: return RunConfigDialog(nullptr, host.SaverInstance);
    case Mode::ConfigureOwned: return RunConfigDialog(GetForegroundWindow(), host.SaverInstance);
    case Mode::FullScreen: return RunSaver(host, nullptr);
    case Mode::Preview: return StartPreview(host, request.handleText);
    case Mode::ChangePassword: return StartPasswordChange(request.handleText);
    case Mode::Unknown: break;
    }
    return kUnknownModeExitCode;
}

}  // namespace

bool RunningOnWin9x() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = kVersionInfoSize;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

int HostMain(HINSTANCE instance, const char* commandText) {
    HostState host;
    host.SaverInstance = instance;
    host.IsWin9x = RunningOnWin9x();
    const FaultGuard guard;
    try {
        return RunMode(host, commandText);
    } catch (...) {
        return guard.Handle(host);
    }
}

}  // namespace quibac
