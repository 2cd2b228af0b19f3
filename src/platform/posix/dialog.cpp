// Modal dialogs from dialog templates, with the parts of Windows' dialog
// manager that a dialog procedure can observe: WM_INITDIALOG, buttons that
// notify through WM_COMMAND, auto check boxes that toggle themselves, Enter
// for the default push button, Esc and the close button for IDCANCEL, and
// EndDialog's value as DialogBoxParamA's result. Nothing is drawn; the user
// is the dialog driver of posix_control.h.
#include "internal.h"

#include <posix_control.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_set>
#include <vector>

namespace {

constexpr UINT kWmClose = 0x0010;
constexpr UINT kWmSysCommand = 0x0112;
constexpr WPARAM kScClose = 0xF060;
constexpr WORD kBnClicked = 0;

constexpr DWORD kWsVisible = 0x10000000;
constexpr DWORD kWsDisabled = 0x08000000;
constexpr DWORD kWsTabStop = 0x00010000;
constexpr DWORD kButtonTypeMask = 0x0F;

enum ButtonType : DWORD {
    kPushButton = 0,
    kDefPushButton = 1,
    kCheckBox = 2,
    kAutoCheckBox = 3,
    kRadioButton = 4,
    kThreeState = 5,
    kAutoThreeState = 6,
    kAutoRadioButton = 9,
};

WPARAM MakeWParam(WORD low, WORD high) { return WPARAM(low) | (WPARAM(high) << 16); }

struct Dialog;

struct Control {
    Dialog* dialog = nullptr;
    posix::DialogItemInfo item;
    UINT check = BST_UNCHECKED;

    bool IsButton() const { return posix::detail::SameTextIgnoringCase(item.className, "Button"); }
    DWORD ButtonType() const { return item.style & kButtonTypeMask; }
    bool Usable() const { return (item.style & (kWsVisible | kWsDisabled)) == kWsVisible; }
    // The highest state BM_SETCHECK accepts for this kind of button.
    UINT MaxCheck() const {
        if (!IsButton()) return BST_UNCHECKED;
        switch (ButtonType()) {
        case kCheckBox:
        case kAutoCheckBox:
        case kRadioButton:
        case kAutoRadioButton: return BST_CHECKED;
        case kThreeState:
        case kAutoThreeState: return BST_INDETERMINATE;
        default: return BST_UNCHECKED;
        }
    }
};

struct Dialog {
    DLGPROC proc = nullptr;
    HWND owner = nullptr;
    bool ended = false;
    INT_PTR result = 0;
    std::vector<std::unique_ptr<Control>> controls;
};

struct DialogState {
    std::recursive_mutex lock;
    std::unordered_set<const void*> live;  // dialogs and their controls
    posix::DialogDriver driver;
    int unattended = 0;
};

DialogState& State() {
    // Never destroyed: a dialog may still be open while the process exits.
    static auto* state = new DialogState();
    return *state;
}

using Guard = std::lock_guard<std::recursive_mutex>;

HWND Handle(const void* object) { return reinterpret_cast<HWND>(const_cast<void*>(object)); }

Dialog* LookupDialog(HWND hwnd) {
    Guard guard(State().lock);
    auto* d = reinterpret_cast<Dialog*>(hwnd);
    return hwnd != nullptr && State().live.count(d) != 0 ? d : nullptr;
}

Dialog* RunningDialog(HWND hwnd) {
    Dialog* d = LookupDialog(hwnd);
    return d != nullptr && !d->ended ? d : nullptr;
}

Control* FindItem(Dialog* d, int id) {
    if (d == nullptr) return nullptr;
    for (auto& c : d->controls)
        if (WORD(c->item.id) == WORD(id)) return c.get();
    return nullptr;
}

INT_PTR Send(Dialog* d, UINT message, WPARAM wParam, LPARAM lParam) {
    return d->proc != nullptr ? d->proc(Handle(d), message, wParam, lParam) : 0;
}

void SendCommand(Dialog* d, int id, WORD notification) {
    Control* c = FindItem(d, id);
    Send(d, WM_COMMAND, MakeWParam(WORD(id), notification),
         reinterpret_cast<LPARAM>(c != nullptr ? Handle(c) : nullptr));
}

// The id Enter stands for: the template's default push button (the last
// one, when a template has several: each new one demotes the one before),
// else IDOK.
int DefaultId(Dialog* d) {
    int id = IDOK;
    for (auto& c : d->controls)
        if (c->IsButton() && c->ButtonType() == kDefPushButton) id = c->item.id;
    return id;
}

void Unregister(Dialog* d) {
    Guard guard(State().lock);
    for (auto& c : d->controls) State().live.erase(c.get());
    State().live.erase(d);
}

}  // namespace

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
    HRSRC found = FindResourceA(hInstance, lpTemplateName, RT_DIALOG);
    if (found == nullptr) return -1;
    const void* bytes = LockResource(LoadResource(hInstance, found));
    const std::optional<posix::DialogTemplateInfo> parsed =
        bytes != nullptr ? posix::ParseDialogTemplate(bytes, SizeofResource(hInstance, found)) : std::nullopt;
    if (!parsed) return -1;
    // Windows answers 0, not -1, for an owner that is not a window.
    if (hWndParent != nullptr && !posix::detail::IsLiveWindow(hWndParent) && LookupDialog(hWndParent) == nullptr)
        return 0;

    auto dialog = std::make_unique<Dialog>();
    Dialog* d = dialog.get();
    d->proc = lpDialogFunc;
    d->owner = hWndParent;
    HWND firstTabStop = nullptr;
    {
        Guard guard(State().lock);
        State().live.insert(d);
        for (const posix::DialogItemInfo& item : parsed->items) {
            auto c = std::make_unique<Control>();
            c->dialog = d;
            c->item = item;
            State().live.insert(c.get());
            if (firstTabStop == nullptr && (item.style & kWsTabStop) && c->Usable()) firstTabStop = Handle(c.get());
            d->controls.push_back(std::move(c));
        }
    }

    Send(d, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstTabStop), dwInitParam);
    for (int step = 0; !d->ended; ++step) {
        posix::DialogDriver driver;
        {
            Guard guard(State().lock);
            driver = State().driver;
        }
        if (step < posix::kMaxDialogSteps && driver && driver(Handle(d))) continue;
        std::fprintf(stderr, "posix: a dialog was left open with no more input; pressing its close button\n");
        {
            Guard guard(State().lock);
            ++State().unattended;
        }
        posix::PressDialogCloseButton(Handle(d));
        if (!d->ended) {
            d->ended = true;
            d->result = 0;
        }
    }
    const INT_PTR result = d->result;
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

namespace posix {

void SetDialogDriver(DialogDriver driver) {
    Guard guard(State().lock);
    State().driver = std::move(driver);
}

int UnattendedDialogs() {
    Guard guard(State().lock);
    return State().unattended;
}

void ScriptDialog(std::vector<DialogStep> steps) {
    auto remaining = std::make_shared<std::vector<DialogStep>>(std::move(steps));
    auto next = std::make_shared<size_t>(0);
    SetDialogDriver([remaining, next](HWND dialog) {
        if (*next >= remaining->size()) return false;
        const DialogStep step = (*remaining)[(*next)++];
        switch (step.kind) {
        case DialogStep::Kind::Click: ClickDialogItem(dialog, step.itemId); break;
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
    Dialog* d = RunningDialog(dialog);
    Control* c = FindItem(d, itemId);
    if (c == nullptr || !c->Usable() || !c->IsButton()) return false;
    switch (c->ButtonType()) {
    case kAutoCheckBox: c->check = c->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
    case kAutoThreeState: c->check = (c->check + 1) % (BST_INDETERMINATE + 1); break;
    case kAutoRadioButton: c->check = BST_CHECKED; break;
    default: break;
    }
    SendCommand(d, c->item.id, kBnClicked);
    return true;
}

bool PressDialogEnter(HWND dialog) {
    Dialog* d = RunningDialog(dialog);
    if (d == nullptr) return false;
    const int id = DefaultId(d);
    Control* c = FindItem(d, id);
    if (c != nullptr && !c->Usable()) return false;  // a disabled default button swallows Enter
    SendCommand(d, id, kBnClicked);
    return true;
}

bool PressDialogEscape(HWND dialog) {
    Dialog* d = RunningDialog(dialog);
    if (d == nullptr) return false;
    SendCommand(d, IDCANCEL, kBnClicked);
    return true;
}

bool PressDialogCloseButton(HWND dialog) {
    Dialog* d = RunningDialog(dialog);
    if (d == nullptr) return false;
    if (Send(d, kWmSysCommand, kScClose, 0) != 0 || d->ended) return true;
    if (Send(d, kWmClose, 0, 0) != 0 || d->ended) return true;
    SendCommand(d, IDCANCEL, kBnClicked);
    return true;
}

HWND DialogOwner(HWND dialog) {
    Dialog* d = LookupDialog(dialog);
    return d != nullptr ? d->owner : nullptr;
}

}  // namespace posix
