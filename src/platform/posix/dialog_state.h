// The dialog manager's bookkeeping, shared by the modal loop (dialog.cpp) and
// the keyboard and focus handling (dialog_keys.cpp). A dialog's HWND is its
// Dialog object and a control's HWND is its Control object; every handle is
// checked against the live set before use.
#pragma once

#include "internal.h"

#include <posix_dialogs.h>

#include <memory>
#include <mutex>
#include <unordered_set>
#include <vector>

namespace posix::detail {

constexpr WORD kBnClicked = 0;

struct Dialog;

struct Control {
    Dialog* dialog = nullptr;
    DialogItemInfo item;
    UINT check = BST_UNCHECKED;

    bool IsButton() const { return SameTextIgnoringCase(item.className, "Button"); }
    DWORD ButtonType() const { return item.style & BS_TYPEMASK; }
    bool IsPushButton() const {
        return IsButton() && (ButtonType() == BS_PUSHBUTTON || ButtonType() == BS_DEFPUSHBUTTON);
    }
    bool Usable() const { return (item.style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE; }
    bool IsTabStop() const { return (item.style & WS_TABSTOP) != 0 && Usable(); }
    // The highest state BM_SETCHECK accepts for this kind of button.
    UINT MaxCheck() const {
        if (!IsButton()) return BST_UNCHECKED;
        switch (ButtonType()) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return BST_CHECKED;
        case BS_3STATE:
        case BS_AUTO3STATE: return BST_INDETERMINATE;
        default: return BST_UNCHECKED;
        }
    }
};

struct Dialog {
    DLGPROC proc = nullptr;
    HWND owner = nullptr;
    bool ended = false;
    INT_PTR result = 0;
    DialogTemplateInfo layout;  // the template, for drivers that draw it
    // The template's default push button (the last one, when a template has
    // several: each new one demotes the one before); 0 for none.
    int defaultId = 0;
    HWND focusBefore = nullptr;  // given back when the dialog ends
    std::vector<std::unique_ptr<Control>> controls;
};

struct DialogState {
    std::recursive_mutex lock;
    std::unordered_set<const Dialog*> dialogs;
    std::unordered_set<const Control*> controls;
    DialogDriver driver;
    int unattended = 0;
    // One keyboard focus for the process: the saver's dialogs and windows
    // all live on its main thread.
    HWND focus = nullptr;
};

DialogState& Dialogs();

using DialogGuard = std::lock_guard<std::recursive_mutex>;

inline HWND DialogHandle(const void* object) { return reinterpret_cast<HWND>(const_cast<void*>(object)); }

Dialog* LookupDialog(HWND hwnd);
Dialog* RunningDialog(HWND hwnd);
// A control of a running dialog, by its handle.
Control* RunningControl(HWND hwnd);
Control* FindItem(Dialog* d, int id);
INT_PTR SendToDialog(Dialog* d, UINT message, WPARAM wParam, LPARAM lParam);
void SendCommand(Dialog* d, int id, WORD notification);
// What a click on the control does, as the button itself would: toggle an
// auto box, then notify. False when the control takes no clicks.
bool PressButton(Control* c);

}  // namespace posix::detail
