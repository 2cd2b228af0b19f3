// What the host keeps for one run of the program: the mode's facts, the saver
// window, the password gate and the input state of the window, and the
// saver's own per-window state. HostMain owns it; the window procedures find
// it through the window's user data.
#pragma once

#include "saver/saver.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

namespace quibac {

// The password prompt of Windows 95/98: asks the user, with the saver window
// as owner, and answers non-zero when the close may go ahead.
using VerifyScreenSavePwdFn = BOOL(WINAPI*)(HWND window);
// The input-method context detached from the window while it runs.
using ImmAssociateContextFn = HIMC(WINAPI*)(HWND window, HIMC context);

struct PasswordGate {
    HMODULE VerifierLibrary = nullptr;
    VerifyScreenSavePwdFn VerifyFn = nullptr;
    // Non-zero once a close has been allowed: the verifier's raw answer.
    LRESULT Closing = 0;
    bool CheckingPassword = false;
    // When the last verification finished; empty until one has.
    std::optional<DWORD> LastCheckTick;
};

struct InputState {
    POINT MouseAnchor{};
    HMODULE ImmModule = nullptr;
    ImmAssociateContextFn ImmAssociateContext = nullptr;
    HIMC SavedImeContext = nullptr;
};

// How far the saver window's own life has got. Another program can send the
// window any lifetime message; only the window's own creation and destruction
// move it on, so forged ones are recognised and ignored.
enum class WindowLife { Attached, Created, Destroyed };

struct HostState {
    HINSTANCE SaverInstance = nullptr;
    bool IsWin9x = false;
    bool PreviewMode = false;
    HWND SaverWindow = nullptr;
    WindowLife Life = WindowLife::Attached;
    PasswordGate Password;
    InputState Input;
    std::unique_ptr<Saver> SaverState;
};

// The host state of a saver window, or nullptr before it is attached.
HostState* HostOf(HWND window);

}  // namespace quibac
