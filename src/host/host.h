// The program: one mode per run, chosen by the command line, whose result is
// the process's exit code.
#pragma once

#include "host/host_state.h"

#include <windows.h>

namespace quibac {

constexpr const char kSaverClassName[] = "WindowsScreenSaverClass";
constexpr const char kFullScreenTitle[] = "Screen Saver";
constexpr const char kPreviewTitle[] = "Preview";

// Exit codes besides a mode's own result.
constexpr int kUnknownModeExitCode = -1;
constexpr int kNoPreviewWindowExitCode = -1;
// The window could not be made, the message loop failed, or a fault ended
// the mode.
constexpr int kSaverFailedExitCode = -1;

// The size of the version record, as Windows 95 knows it.
constexpr DWORD kVersionInfoSize = 148;
// Whether the platform is Windows 95/98; a failing version query counts as
// any other platform.
bool RunningOnWin9x();

// Runs the mode that commandText (the command line behind the program's
// name) asks for, with every resource found in instance.
int HostMain(HINSTANCE instance, const char* commandText);

// The saver modes: full screen without a parent, the preview inside one.
int RunSaver(HostState& host, HWND parent);
int StartPreview(HostState& host, const char* handleText);
int StartPasswordChange(const char* handleText);

}  // namespace quibac
