#include "settings/config_dialog.h"

#include "settings/settings.h"

namespace quibac {

int RunConfigDialog(HWND owner, HINSTANCE instance) {
    return int(DialogBoxParamA(instance, MAKEINTRESOURCEA(kConfigDialogId), owner, ConfigDialogProc, 0));
}

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        // A stored value other than 0 or 1 shows as checked: the button
        // clamps it, just as the saver treats any non-zero value as on.
        const Settings stored = ReadSettings();
        CheckDlgButton(dialog, kStretchBox, UINT(stored.Stretch));
        CheckDlgButton(dialog, kEveryMonitorBox, UINT(stored.EveryMonitor));
        // FALSE: leave the keyboard focus where it is rather than on a
        // control of the platform's choosing.
        return FALSE;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {  // the OK button, or Enter through the default button
            Settings chosen;
            chosen.Stretch = INT(IsDlgButtonChecked(dialog, kStretchBox));
            chosen.EveryMonitor = INT(IsDlgButtonChecked(dialog, kEveryMonitorBox));
            // OK ends the dialog as OK whether or not the settings could be
            // stored: failures are never shown to the user.
            static_cast<void>(WriteSettings(chosen));
            EndDialog(dialog, kConfigSaved);
            return TRUE;
        }
        case IDCANCEL:  // the Cancel button, Esc, or the caption's close button
            EndDialog(dialog, kConfigCancelled);
            return TRUE;
        default: return FALSE;
        }
    default:
        // Everything else, the check box's own clicks included, is left to
        // the platform; the check box toggles itself.
        return FALSE;
    }
}

}  // namespace quibac
