// How far a window's own life has got, for the windows whose state travels as
// their creation data. Another program can send a window any lifetime
// message; only the window's own creation and destruction move it on, so
// forged ones are recognised and go no further.
#pragma once

#include <windows.h>

namespace quibac {

enum class WindowLife { Attached, Created, Destroyed };

// A lifetime message that the window's own life has already gone past, or
// not yet reached: someone else sent it.
constexpr bool IsForgedLifetimeMessage(WindowLife life, UINT message) {
    switch (message) {
    case WM_NCCREATE:
    case WM_CREATE: return life != WindowLife::Attached;
    case WM_DESTROY: return life == WindowLife::Destroyed;
    case WM_NCDESTROY: return life != WindowLife::Destroyed;
    default: return false;
    }
}

// The state a window is created with, kept in its user data from its
// WM_NCCREATE on. Only a window without a state reads creation data: a
// WM_NCCREATE sent later, by anyone, may carry any pointer at all.
template <typename State>
State* AttachOnCreation(HWND window, UINT message, LPARAM lParam) {
    if (message != WM_NCCREATE || lParam == 0) return nullptr;
    auto* state = static_cast<State*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (state == nullptr) return nullptr;
    state->Life = WindowLife::Attached;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return state;
}

}  // namespace quibac
