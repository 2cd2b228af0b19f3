// The keyboard focus, and the keys Windows' dialog manager (IsDialogMessage)
// takes for a dialog: Tab and Shift+Tab walk the WS_TABSTOP controls in
// template order, Space presses the focused button, Enter presses the focused
// push button or else the default one, Esc cancels. A push button with the
// focus is the one Enter presses, so Windows draws it as the default; the
// dialog's own default comes back once the focus leaves the push buttons.
#include "dialog_state.h"

namespace {

using namespace posix::detail;

// The focus if it names a live window, a running dialog or a control of one.
HWND ValidFocus() {
    DialogGuard guard(Dialogs().lock);
    const HWND focus = Dialogs().focus;
    if (focus == nullptr) return nullptr;
    if (RunningDialog(focus) != nullptr || RunningControl(focus) != nullptr || IsLiveWindow(focus)) return focus;
    return nullptr;
}

// The dialog's control that has the focus; nullptr when the dialog itself
// (or something outside it) has it.
Control* FocusedControl(Dialog* d) {
    Control* c = RunningControl(ValidFocus());
    return c != nullptr && c->dialog == d ? c : nullptr;
}

// The next control Tab (or Shift+Tab) reaches from `from`, wrapping at either
// end; from the dialog itself, the first (or last) one. nullptr when no
// control is a visible, enabled tab stop.
Control* NextTabStop(Dialog* d, Control* from, bool backward) {
    const int count = int(d->controls.size());
    int start = -1;
    for (int i = 0; i < count; ++i)
        if (d->controls[size_t(i)].get() == from) start = i;
    for (int step = 1; step <= count; ++step) {
        int i = 0;
        if (start < 0)
            i = backward ? count - step : step - 1;
        else
            i = backward ? (start - step + count) % count : (start + step) % count;
        if (d->controls[size_t(i)]->IsTabStop()) return d->controls[size_t(i)].get();
    }
    return nullptr;
}

bool PressTab(Dialog* d, bool backward) {
    Control* next = NextTabStop(d, FocusedControl(d), backward);
    if (next == nullptr) return false;
    SetFocus(DialogHandle(next));
    return true;
}

bool PressSpace(Dialog* d) { return PressButton(FocusedControl(d)); }

bool PressEnter(Dialog* d) {
    Control* focused = FocusedControl(d);
    if (focused != nullptr && focused->IsPushButton()) {
        if (!focused->Usable()) return false;
        SendCommand(d, focused->item.id, kBnClicked);
        return true;
    }
    const int id = d->defaultId != 0 ? d->defaultId : IDOK;
    Control* c = FindItem(d, id);
    if (c != nullptr && !c->Usable()) return false;  // a disabled default button swallows Enter
    SendCommand(d, id, kBnClicked);
    return true;
}

bool PressEscape(Dialog* d) {
    SendCommand(d, IDCANCEL, kBnClicked);
    return true;
}

}  // namespace

HWND WINAPI GetFocus(void) { return ValidFocus(); }

HWND WINAPI SetFocus(HWND hWnd) {
    DialogGuard guard(Dialogs().lock);
    const HWND before = ValidFocus();
    if (hWnd != nullptr && RunningDialog(hWnd) == nullptr && RunningControl(hWnd) == nullptr && !IsLiveWindow(hWnd))
        return nullptr;  // not a window: the focus stays
    Dialogs().focus = hWnd;
    return before;
}

namespace posix {

bool PressDialogKey(HWND dialog, WORD virtualKey, bool shift) {
    Dialog* d = RunningDialog(dialog);
    if (d == nullptr) return false;
    switch (virtualKey) {
    case VK_TAB: return PressTab(d, shift);
    case VK_SPACE: return PressSpace(d);
    case VK_RETURN: return PressEnter(d);
    case VK_ESCAPE: return PressEscape(d);
    default: return false;
    }
}

bool PressDialogEnter(HWND dialog) { return PressDialogKey(dialog, VK_RETURN); }

bool PressDialogEscape(HWND dialog) { return PressDialogKey(dialog, VK_ESCAPE); }

int DialogDefaultButton(HWND dialog) {
    DialogGuard guard(Dialogs().lock);
    Dialog* d = RunningDialog(dialog);
    if (d == nullptr) return 0;
    Control* focused = FocusedControl(d);
    if (focused != nullptr && focused->IsPushButton()) return focused->item.id;
    return d->defaultId != 0 && FindItem(d, d->defaultId) != nullptr ? d->defaultId : 0;
}

}  // namespace posix
