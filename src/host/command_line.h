// Reading the command line the screen-saver control starts the program with.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quibac {

enum class Mode {
    Configure,       // no mode letter at all: the dialog with no owner
    ConfigureOwned,  // c: the dialog owned by the foreground window
    FullScreen,      // s
    Preview,         // p or l, with a window handle
    ChangePassword,  // a, with a window handle (Windows 95/98 only)
    Unknown,
};

struct ModeRequest {
    Mode mode = Mode::Unknown;
    const char* handleText = nullptr;  // for Preview and ChangePassword
};

// The command text behind the program's name: a leading quoted name is passed
// over whole (up to its closing quote), an unquoted one up to the first
// character of value 1 to 32; then every such character is passed over too.
const char* SkipProgramName(const char* commandLine);
// The mode that the first character other than a separator (space, '-', '/')
// asks for. Only that character decides; behind a, p and l the spaces (and
// only spaces) are passed over to reach the handle. On other platforms than
// Windows 95/98, a asks for nothing the program does.
ModeRequest ReadMode(const char* commandText, bool isWin9x);
// The decimal digits at the start of text as a 32-bit value that wraps; no
// sign, spaces or other bases.
uint32_t ParseWindowHandle(const char* text);
// The window a 32-bit handle value from the command line names. Window
// handles are 32-bit values that 64-bit Windows sign-extends, so the value is
// widened as a signed number.
HWND WindowFromHandleValue(uint32_t value);

}  // namespace quibac
