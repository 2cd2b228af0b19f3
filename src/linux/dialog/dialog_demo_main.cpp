// The configuration dialog on its own, in an SDL window: the saver's "/c"
// mode with the SDL dialog driver. Its exit code is the dialog's result.
#include "host/host.h"
#include "sdl_dialog.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    quibac::UseSdlDialogs();
    ExitProcess(UINT(quibac::HostMain(GetModuleHandleA(nullptr), "/c")));
}
