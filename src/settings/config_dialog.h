// The configuration dialog: a check box for each setting, OK and Cancel.
#pragma once

#include <windows.h>

namespace quibac {

// Dialog resource 2003 and its check boxes.
constexpr WORD kConfigDialogId = 2003;
constexpr int kStretchBox = 1000;
constexpr int kEveryMonitorBox = 1001;

// Results of the dialog, which become the process's exit code.
constexpr INT_PTR kConfigSaved = 1;
constexpr INT_PTR kConfigCancelled = 0;

// Shows the dialog modally, owned by owner (or by nothing), from the template
// in instance (the executable itself when null). Returns 1 after OK, 0 after
// Cancel, -1 when the dialog cannot be created.
int RunConfigDialog(HWND owner, HINSTANCE instance = nullptr);

INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quibac
