// The screen-saver password of Windows 95/98: its verifier loaded for the
// full-screen saver's life, the gate every close request passes, and the
// platform's change-password dialog. On other platforms none of it acts.
#pragma once

#include "host/host_state.h"

#include <windows.h>

namespace quibac {

// The host's private message that asks the window's default handler to run
// the verifier.
constexpr UINT VerifyPasswordMsg = WM_APP;
// Close requests within this long after a verification ended are refused
// without asking again.
constexpr DWORD kPasswordRetryMs = 200;

constexpr const char kPasswordSettingsKey[] = "Control Panel\\Desktop";
constexpr const char kUsePasswordValue[] = "ScreenSaveUsePassword";
constexpr const char kVerifierLibrary[] = "PASSWORD.CPL";
constexpr const char kVerifierEntry[] = "VerifyScreenSavePwd";
constexpr const char kProviderLibrary[] = "MPR.DLL";
constexpr const char kChangePasswordEntry[] = "PwdChangePasswordA";
constexpr const char kPasswordProvider[] = "SCRSAVE";

// Loads the verifier when the user's settings ask for a password, and marks
// the system as running a screen saver while it is loaded.
void LoadVerifier(HostState& host);
void UnloadVerifier(HostState& host);
// Marks the system as running, or no longer running, a screen saver
// (Windows 95/98 only).
void SetSaverRunning(bool isWin9x, bool on);
// Non-zero when the close may proceed, 0 when it is refused.
LRESULT VerifyPassword(HostState& host, HWND window);
void ChangePassword(HWND parent);

}  // namespace quibac
