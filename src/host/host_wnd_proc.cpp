// HostWndProc as a table of rows in the order they are tried: the first row
// whose message and condition match decides; a message that no row takes goes
// on to the saver procedure.
#include "host/host_window.h"

#include "host/host_state.h"

#include <array>

namespace quibac {

namespace {

using Condition = bool (*)(const HostState&, const WindowMessage&);
using Prelude = void (*)(HostState&, const WindowMessage&);

// What a row does after its prelude.
enum class Then { SaverProc, DefaultProc, AnswerZero, AnswerOne };

struct HostRow {
    UINT message;
    Condition when;
    Prelude first;  // may be null
    Then then;
};

// How long the preview waits for its parent to take a help request.
constexpr UINT kHelpAnswerLimitMs = 1000;

bool Always(const HostState&, const WindowMessage&) { return true; }
bool IfClosing(const HostState& host, const WindowMessage&) { return host.Password.Closing != 0; }
bool IfPreview(const HostState& host, const WindowMessage&) { return host.PreviewMode; }
// Lifetime messages that the window's own life has already gone past, or not
// yet reached, come from elsewhere: another program can send them.
bool IfCreated(const HostState& host, const WindowMessage&) { return host.Life != WindowLife::Attached; }
bool IfDestroyed(const HostState& host, const WindowMessage&) { return host.Life == WindowLife::Destroyed; }
bool IfNotDestroyed(const HostState& host, const WindowMessage&) { return host.Life != WindowLife::Destroyed; }

// Task switching, and a second saver, are not let through a running one. The
// command is compared whole, low bits included.
bool IfDroppedCommand(const HostState& host, const WindowMessage& m) {
    return !host.PreviewMode && (m.wParam == SC_NEXTWINDOW || m.wParam == SC_PREVWINDOW || m.wParam == SC_SCREENSAVE);
}

void HideCursorOutsidePreview(HostState& host, const WindowMessage&) {
    if (!host.PreviewMode) SetCursor(nullptr);
}

// The input method would put its own window over the saver and take the keys
// that should close it; its context is given back when the window goes. The
// module is used only if something else has loaded it already.
void DetachInputContext(HostState& host, HWND window) {
    InputState& input = host.Input;
    input.ImmModule = GetModuleHandleA(kImmLibrary);
    if (input.ImmModule == nullptr) return;
    input.ImmAssociateContext = reinterpret_cast<ImmAssociateContextFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(input.ImmModule, kImmAssociateContextEntry)));
    if (input.ImmAssociateContext != nullptr) input.SavedImeContext = input.ImmAssociateContext(window, nullptr);
}

void OnCreate(HostState& host, const WindowMessage& m) {
    host.Life = WindowLife::Created;
    DetachInputContext(host, m.window);
    GetCursorPos(&host.Input.MouseAnchor);
    HideCursorOutsidePreview(host, m);
}

void OnDestroy(HostState& host, const WindowMessage& m) {
    host.Life = WindowLife::Destroyed;
    const InputState& input = host.Input;
    if (input.ImmModule != nullptr && input.ImmAssociateContext != nullptr && input.SavedImeContext != nullptr)
        input.ImmAssociateContext(m.window, input.SavedImeContext);
    PostQuitMessage(0);
}

// Help and context menus asked for over the preview belong to the settings
// page around it, which another program owns. A context menu's lParam is a
// point and may be posted; help's is a pointer, which Windows refuses to post
// (and would not carry into another process), so help is sent, for Windows
// to copy it across, with a limit so that a page that does not answer cannot
// hold up the preview.
void ForwardToParent(HostState&, const WindowMessage& m) {
    HWND parent = GetParent(m.window);
    if (parent == nullptr || !IsWindow(parent)) return;
    const auto wParam = reinterpret_cast<WPARAM>(parent);
    if (m.message == WM_HELP) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(parent, m.message, wParam, m.lParam, SMTO_ABORTIFHUNG, kHelpAnswerLimitMs, &ignored);
    } else {
        PostMessageA(parent, m.message, wParam, m.lParam);
    }
}

void YieldSlice(HostState&, const WindowMessage&) { Sleep(0); }

// The window's last message: nothing of the state is reached through it any more.
void Detach(HostState&, const WindowMessage& m) { SetWindowLongPtrA(m.window, GWLP_USERDATA, 0); }

constexpr std::array<HostRow, 21> kHostRows{{
    // Forged lifetime messages are answered here and go no further: the
    // platform's default handling would take the title from a forged
    // WM_NCCREATE and free it on a forged WM_NCDESTROY, and the saver would
    // load its animation again under the running show.
    {WM_NCCREATE, IfCreated, nullptr, Then::AnswerOne},
    {WM_CREATE, IfCreated, nullptr, Then::AnswerZero},
    {WM_CREATE, Always, OnCreate, Then::SaverProc},
    {WM_DESTROY, IfDestroyed, nullptr, Then::AnswerZero},
    {WM_DESTROY, Always, OnDestroy, Then::SaverProc},
    {WM_NCDESTROY, IfNotDestroyed, nullptr, Then::AnswerZero},
    {WM_NCDESTROY, Always, Detach, Then::SaverProc},
    {WM_SETTEXT, Always, nullptr, Then::AnswerZero},  // the title is how a running saver is found
    {WM_PAINT, IfClosing, nullptr, Then::DefaultProc},
    {WM_PAINT, Always, HideCursorOutsidePreview, Then::SaverProc},
    {WM_HELP, IfPreview, ForwardToParent, Then::AnswerOne},
    {WM_CONTEXTMENU, IfPreview, ForwardToParent, Then::AnswerOne},
    {WM_KEYDOWN, IfClosing, nullptr, Then::DefaultProc},
    {WM_SYSKEYDOWN, IfClosing, nullptr, Then::DefaultProc},
    {WM_MOUSEMOVE, IfClosing, nullptr, Then::DefaultProc},
    {WM_LBUTTONDOWN, IfClosing, nullptr, Then::DefaultProc},
    {WM_RBUTTONDOWN, IfClosing, nullptr, Then::DefaultProc},
    {WM_MBUTTONDOWN, IfClosing, nullptr, Then::DefaultProc},
    {WM_SYSCOMMAND, IfDroppedCommand, nullptr, Then::AnswerZero},
    {WM_TIMER, IfClosing, nullptr, Then::AnswerZero},
    {WM_TIMER, Always, YieldSlice, Then::SaverProc},
}};

LRESULT PassToSaver(HostState& host, const WindowMessage& m) {
    return SaverProc(*host.SaverState, m.window, m.message, m.wParam, m.lParam);
}

// The state travels as the window's creation data and is kept in its user
// data from its WM_NCCREATE on. Only a window without a state reads creation
// data: a WM_NCCREATE sent later, by anyone, may carry any pointer at all.
HostState* AttachOnCreation(HWND window, UINT message, LPARAM lParam) {
    if (message != WM_NCCREATE || lParam == 0) return nullptr;
    auto* host = static_cast<HostState*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    if (host == nullptr) return nullptr;
    host->Life = WindowLife::Attached;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host));
    return host;
}

}  // namespace

HostState* HostOf(HWND window) { return reinterpret_cast<HostState*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

LRESULT CALLBACK HostWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HostState* host = HostOf(window);
    if (host == nullptr) host = AttachOnCreation(window, message, lParam);
    if (host == nullptr || host->SaverState == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    const WindowMessage m{window, message, wParam, lParam};
    for (const HostRow& row : kHostRows) {
        if (row.message != message || !row.when(*host, m)) continue;
        if (row.first != nullptr) row.first(*host, m);
        switch (row.then) {
        case Then::SaverProc: return PassToSaver(*host, m);
        case Then::DefaultProc: return DefWindowProcA(window, message, wParam, lParam);
        case Then::AnswerZero: return 0;
        case Then::AnswerOne: return 1;
        }
    }
    return PassToSaver(*host, m);
}

}  // namespace quibac
