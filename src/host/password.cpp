#include "host/password.h"

#include "host/library_entry.h"

namespace quibac {

namespace {

using PwdChangePasswordFn = DWORD(WINAPI*)(LPCSTR provider, HWND parent, DWORD reserved1, DWORD reserved2);

// Whether the user's settings ask for a password. The buffer is cleared
// first, so a value shorter than four bytes reads as the number it holds.
bool PasswordInUse(HKEY key) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, kUsePasswordValue, nullptr, nullptr, reinterpret_cast<LPBYTE>(&value), &size) !=
        ERROR_SUCCESS)
        return false;
    return value != 0;
}

void HideCursor() { SetCursor(nullptr); }

constexpr UINT kTimerMessagesDiscarded = 2;

}  // namespace

void LoadVerifier(HostState& host) {
    if (!host.IsWin9x) return;
    PasswordGate& gate = host.Password;
    if (gate.VerifierLibrary != nullptr) UnloadVerifier(host);
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_CURRENT_USER, kPasswordSettingsKey, &key) != ERROR_SUCCESS) return;
    if (PasswordInUse(key)) {
        gate.VerifierLibrary = LoadLibraryA(kVerifierLibrary);
        if (gate.VerifierLibrary != nullptr) {
            gate.VerifyFn = EntryOf<VerifyScreenSavePwdFn>(gate.VerifierLibrary, kVerifierEntry);
            if (gate.VerifyFn != nullptr)
                SetSaverRunning(host.IsWin9x, true);
            else
                UnloadVerifier(host);
        }
    }
    RegCloseKey(key);
}

void UnloadVerifier(HostState& host) {
    PasswordGate& gate = host.Password;
    if (!host.IsWin9x || gate.VerifierLibrary == nullptr) return;
    FreeLibrary(gate.VerifierLibrary);
    gate.VerifierLibrary = nullptr;
    // The library goes before the mark is cleared.
    if (gate.VerifyFn != nullptr) {
        gate.VerifyFn = nullptr;
        SetSaverRunning(host.IsWin9x, false);
    }
}

void SetSaverRunning(bool isWin9x, bool on) {
    if (!isWin9x) return;
    BOOL previous = FALSE;
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, on ? 1 : 0, &previous, 0);
}

LRESULT VerifyPassword(HostState& host, HWND window) {
    PasswordGate& gate = host.Password;
    if (gate.CheckingPassword) return 0;  // the prompt is up already
    if (gate.VerifyFn == nullptr) {
        gate.Closing = 1;
        return 1;
    }
    const DWORD now = GetTickCount();
    if (gate.LastCheckTick && now - *gate.LastCheckTick < kPasswordRetryMs) return 0;
    gate.CheckingPassword = true;
    // Timer messages queued meanwhile would reach the saver behind the prompt.
    MSG discarded{};
    for (UINT i = 0; i < kTimerMessagesDiscarded; ++i)
        PeekMessageA(&discarded, window, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    gate.Closing = SendMessageA(window, VerifyPasswordMsg, 0, 0);
    gate.CheckingPassword = false;
    if (gate.Closing == 0) HideCursor();
    gate.LastCheckTick = GetTickCount();
    return gate.Closing;
}

void ChangePassword(HWND parent) {
    HMODULE provider = LoadLibraryA(kProviderLibrary);
    if (provider == nullptr) return;
    if (auto change = EntryOf<PwdChangePasswordFn>(provider, kChangePasswordEntry))
        change(kPasswordProvider, parent, 0, 0);
    FreeLibrary(provider);
}

}  // namespace quibac
