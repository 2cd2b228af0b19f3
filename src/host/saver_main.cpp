// The process entry: the command line is read as the platform hands it over
// (the runtime's own view of the arguments is not used), and the process ends
// with the mode's result without the runtime's exit processing.
#include "host/command_line.h"
#include "host/host.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* commandText = quibac::SkipProgramName(GetCommandLineA());
    ExitProcess(UINT(quibac::HostMain(GetModuleHandleA(nullptr), commandText)));
}
