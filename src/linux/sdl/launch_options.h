// How the Linux program was asked to run: as the Windows saver does, from a
// mode letter (/s, /p, /c), or as an XScreenSaver display hack drawing into a
// window it is given or one of its own.
#pragma once

#include "show_start.h"

#include <optional>
#include <string>
#include <vector>

namespace quibac::linux_sdl {

enum class Launch {
    Windows,  // the saver's own command line, through HostMain
    Hack,     // an XScreenSaver display hack
    Usage,    // the options made no sense: print the usage and exit 1
    Version,  // --version: print the program's version and exit 0
};

enum class HackTarget {
    OwnWindow,    // -window
    GivenWindow,  // -window-id, or XSCREENSAVER_WINDOW
    VirtualRoot,  // -root without a window named
};

struct LaunchOptions {
    Launch launch = Launch::Windows;
    // Windows: the text after the program's name, as HostMain reads it.
    std::string commandText;
    // Windows: a window of its own instead of the whole display.
    bool windowed = false;
    // Windows: "/p" or "/l" with no window handle, which on Linux asks for a
    // small preview window of the program's own.
    bool ownPreview = false;
    HackTarget target = HackTarget::OwnWindow;
    unsigned long windowId = 0;
    // The Stretch setting as the hack's settings passed it, if they did.
    std::optional<bool> stretch;
    // The show pinned to a date and a seed, as the renderer's are.
    std::optional<show_start::CalendarDate> date;
    std::optional<uint32_t> seed;
    std::string problem;  // why the options made no sense
};

// Reads the arguments after the program's name. xscreensaverWindow is the
// XSCREENSAVER_WINDOW variable, or null when it is not set.
LaunchOptions ReadLaunchOptions(const std::vector<std::string>& arguments, const char* xscreensaverWindow);

// Reads a window id in decimal, or in hexadecimal after 0x; nothing for any
// other text, or for 0.
std::optional<unsigned long> ReadWindowId(const std::string& text);

extern const char kUsage[];

}  // namespace quibac::linux_sdl
