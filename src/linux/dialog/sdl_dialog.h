// Dialogs on a Linux desktop: every modal dialog the platform layer runs
// (DialogBoxParamA) is shown in an SDL window and takes the user's mouse and
// keyboard there, as the dialog manager of Windows would.
#pragma once

namespace quibac {

// Installs the SDL dialog driver for every dialog opened from now on. Where
// no display can be opened, or the dialog font is missing, a dialog is
// closed as if by its close button, with a message on standard error.
void UseSdlDialogs();

}  // namespace quibac
