// Modal dialogs from dialog templates, with the parts of Windows' dialog
// manager that a dialog procedure can observe: WM_INITDIALOG, buttons that
// notify through WM_COMMAND, auto check boxes that toggle themselves, the
// caption's close button, and EndDialog's value as DialogBoxParamA's result.
// The keyboard and the focus are in dialog_keys.cpp. Nothing is drawn here;
// the user is the dialog driver of posix_dialogs.h.
#include "dialog_state.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr UINT kWmClose = 0x0010;
constexpr UINT kWmSysCommand = 0x0112;
constexpr WPARAM kScClose = 0xF060;

WPARAM MakeWParam(WORD low, WORD high) { return WPARAM(low) | (WPARAM(high) << 16); }

}  // namespace

namespace posix::detail {

DialogState& Dialogs() {
    // Never destroyed: a dialog may still be open while the process exits.
    static auto* state = new DialogState();
    return *state;
}

Dialog* LookupDialog(HWND hwnd) {
    DialogGuard guard(Dialogs().lock);
    auto* d = reinterpret_cast<Dialog*>(hwnd);
    return Dialogs().dialogs.count(d) != 0 ? d : nullptr;
}

Dialog* RunningDialog(HWND hwnd) {
    Dialog* d = LookupDialog(hwnd);
    return d != nullptr && !d->ended ? d : nullptr;
}

Control* RunningControl(HWND hwnd) {
    DialogGuard guard(Dialogs().lock);
    auto* c = reinterpret_cast<Control*>(hwnd);
    return Dialogs().controls.count(c) != 0 && !c->dialog->ended ? c : nullptr;
}

Control* FindItem(Dialog* d, int id) {
    if (d == nullptr) return nullptr;
    for (auto& c : d->controls)
        if (WORD(c->item.id) == WORD(id)) return c.get();
    return nullptr;
}

INT_PTR SendToDialog(Dialog* d, UINT message, WPARAM wParam, LPARAM lParam) {
    return d->proc != nullptr ? d->proc(DialogHandle(d), message, wParam, lParam) : 0;
}

void SendCommand(Dialog* d, int id, WORD notification) {
    Control* c = FindItem(d, id);
    SendToDialog(d, WM_COMMAND, MakeWParam(WORD(id), notification),
                 reinterpret_cast<LPARAM>(c != nullptr ? DialogHandle(c) : nullptr));
}

bool PressButton(Control* c) {
    if (c == nullptr || !c->Usable() || !c->IsButton()) return false;
    switch (c->ButtonType()) {
    case BS_AUTOCHECKBOX: c->check = c->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
    case BS_AUTO3STATE: c->check = (c->check + 1) % (BST_INDETERMINATE + 1); break;
    case BS_AUTORADIOBUTTON: c->check = BST_CHECKED; break;
    default: break;
    }
    SendCommand(c->dialog, c->item.id, kBnClicked);
    return true;
}

}  // namespace posix::detail

namespace {

using namespace posix::detail;

// The template's default push button, or 0.
int TemplateDefaultId(const posix::DialogTemplateInfo& layout) {
    int id = 0;
    for (const posix::DialogItemInfo& item : layout.items)
        if (SameTextIgnoringCase(item.className, "Button") && (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            id = item.id;
    return id;
}

// Registers the dialog and its controls; returns the first control the Tab
// key can reach, the one WM_INITDIALOG proposes for the focus.
HWND Register(Dialog* d) {
    DialogGuard guard(Dialogs().lock);
    HWND firstTabStop = nullptr;
    Dialogs().dialogs.insert(d);
    for (const posix::DialogItemInfo& item : d->layout.items) {
        auto c = std::make_unique<Control>();
        c->dialog = d;
        c->item = item;
        Dialogs().controls.insert(c.get());
        if (firstTabStop == nullptr && c->IsTabStop()) firstTabStop = DialogHandle(c.get());
        d->controls.push_back(std::move(c));
    }
    d->defaultId = TemplateDefaultId(d->layout);
    d->focusBefore = Dialogs().focus;
    return firstTabStop;
}

void Unregister(Dialog* d) {
    DialogGuard guard(Dialogs().lock);
    for (auto& c : d->controls) Dialogs().controls.erase(c.get());
    Dialogs().dialogs.erase(d);
}

// The focus goes back where it was before the dialog opened, as Windows
// gives it back to the re-enabled owner.
void GiveBackFocus(Dialog* d) {
    DialogGuard guard(Dialogs().lock);
    const HWND focus = Dialogs().focus;
    Control* c = reinterpret_cast<Control*>(focus);
    if (focus == DialogHandle(d) || (Dialogs().controls.count(c) != 0 && c->dialog == d))
        Dialogs().focus = d->focusBefore;
}

}  // namespace

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
    HRSRC found = FindResourceA(hInstance, lpTemplateName, RT_DIALOG);
    if (found == nullptr) return -1;
    const void* bytes = LockResource(LoadResource(hInstance, found));
    std::optional<posix::DialogTemplateInfo> parsed =
        bytes != nullptr ? posix::ParseDialogTemplate(bytes, SizeofResource(hInstance, found)) : std::nullopt;
    if (!parsed) return -1;
    // Windows answers 0, not -1, for an owner that is not a window.
    if (hWndParent != nullptr && !IsLiveWindow(hWndParent) && LookupDialog(hWndParent) == nullptr) return 0;

    auto dialog = std::make_unique<Dialog>();
    Dialog* d = dialog.get();
    d->proc = lpDialogFunc;
    d->owner = hWndParent;
    d->layout = std::move(*parsed);
    const HWND firstTabStop = Register(d);

    // TRUE from WM_INITDIALOG asks the platform to put the focus on the
    // proposed control; FALSE means the procedure placed it itself. When it
    // placed none, the dialog's activation as it is shown gives the focus to
    // the first tab stop all the same, as Windows' dialog manager does.
    {
        DialogGuard guard(Dialogs().lock);
        Dialogs().focus = DialogHandle(d);
    }
    const bool focusProposed = SendToDialog(d, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), dwInitParam) != 0;
    if (firstTabStop != nullptr && !d->ended && (focusProposed || GetFocus() == DialogHandle(d)))
        SetFocus(firstTabStop);

    for (int step = 0; !d->ended; ++step) {
        posix::DialogDriver driver;
        {
            DialogGuard guard(Dialogs().lock);
            driver = Dialogs().driver;
        }
        if (step < posix::kMaxDialogSteps && driver && driver(DialogHandle(d))) continue;
        std::fprintf(stderr, "posix: a dialog was left open with no more input; pressing its close button\n");
        {
            DialogGuard guard(Dialogs().lock);
            ++Dialogs().unattended;
        }
        posix::PressDialogCloseButton(DialogHandle(d));
        if (!d->ended) {
            d->ended = true;
            d->result = 0;
        }
    }
    const INT_PTR result = d->result;
    GiveBackFocus(d);
    Unregister(d);
    return result;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
    Dialog* d = LookupDialog(hDlg);
    if (d == nullptr) return FALSE;
    if (!d->ended) {
        d->ended = true;
        d->result = nResult;
    }
    return TRUE;
}

BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
    Control* c = FindItem(LookupDialog(hDlg), nIDButton);
    if (c == nullptr) return FALSE;
    // BM_SETCHECK: a state beyond what the button can show becomes its highest.
    c->check = uCheck > c->MaxCheck() ? c->MaxCheck() : uCheck;
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton) {
    Control* c = FindItem(LookupDialog(hDlg), nIDButton);
    return c != nullptr ? c->check : BST_UNCHECKED;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
    Control* c = FindItem(RunningDialog(hDlg), nIDDlgItem);
    return c != nullptr ? DialogHandle(c) : nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
    Control* c = RunningControl(hWnd);
    return c != nullptr ? c->item.id : 0;
}

namespace posix {

void SetDialogDriver(DialogDriver driver) {
    DialogGuard guard(Dialogs().lock);
    Dialogs().driver = std::move(driver);
}

int UnattendedDialogs() {
    DialogGuard guard(Dialogs().lock);
    return Dialogs().unattended;
}

void ScriptDialog(std::vector<DialogStep> steps) {
    auto remaining = std::make_shared<std::vector<DialogStep>>(std::move(steps));
    auto next = std::make_shared<size_t>(0);
    SetDialogDriver([remaining, next](HWND dialog) {
        if (*next >= remaining->size()) return false;
        const DialogStep step = (*remaining)[(*next)++];
        switch (step.kind) {
        case DialogStep::Kind::Click: ClickDialogItem(dialog, step.itemId); break;
        case DialogStep::Kind::Key: PressDialogKey(dialog, step.key, step.shift); break;
        case DialogStep::Kind::Enter: PressDialogEnter(dialog); break;
        case DialogStep::Kind::Escape: PressDialogEscape(dialog); break;
        case DialogStep::Kind::CloseButton: PressDialogCloseButton(dialog); break;
        case DialogStep::Kind::Run:
            if (step.run) step.run(dialog);
            break;
        }
        return true;
    });
}

bool ClickDialogItem(HWND dialog, int itemId) {
    Control* c = FindItem(RunningDialog(dialog), itemId);
    if (c == nullptr || !c->Usable() || !c->IsButton()) return false;
    // A button takes the focus as the mouse goes down on it.
    SetFocus(DialogHandle(c));
    return PressButton(c);
}

bool PressDialogCloseButton(HWND dialog) {
    Dialog* d = RunningDialog(dialog);
    if (d == nullptr) return false;
    if (SendToDialog(d, kWmSysCommand, kScClose, 0) != 0 || d->ended) return true;
    if (SendToDialog(d, kWmClose, 0, 0) != 0 || d->ended) return true;
    SendCommand(d, IDCANCEL, kBnClicked);
    return true;
}

HWND DialogOwner(HWND dialog) {
    Dialog* d = LookupDialog(dialog);
    return d != nullptr ? d->owner : nullptr;
}

std::optional<DialogTemplateInfo> RunningDialogTemplate(HWND dialog) {
    DialogGuard guard(Dialogs().lock);
    Dialog* d = RunningDialog(dialog);
    if (d == nullptr) return std::nullopt;
    return d->layout;
}

}  // namespace posix
