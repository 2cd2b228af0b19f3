// The X side of drawing into a window another program owns: finding the
// virtual root, checking that a window id names a live window, and asking the
// server for the events SDL does not select on a foreign window.
#pragma once

#include <optional>
#include <string>

namespace quibac::linux_sdl {

struct WindowSize {
    int width = 0;
    int height = 0;
};

// The virtual root of the default screen of DISPLAY, as desktop programs set
// it with __SWM_VROOT, or the real root when there is none.
std::optional<unsigned long> VirtualRootWindow();

// The size of a live window; nothing for an id that names no window (which
// must never end the program, as Xlib's default error handler would).
std::optional<WindowSize> ForeignWindowSize(unsigned long window);

// Adds StructureNotify and Exposure to what this client hears of the window,
// on the connection SDL uses for it. Returns success.
bool HearWindowChanges(void* display, unsigned long window);

// From now on, X protocol errors are counted instead of ending the process;
// a window drawn into may be destroyed under the program at any time.
void CountXErrors();
int XErrorsSeen();

}  // namespace quibac::linux_sdl

namespace quibac::linux_sdl {

// Whether SDL's window-manager message (an SDL_SysWMmsg) is X telling that
// the window the program draws into was destroyed, by its owner or by any
// other client.
bool WindowDestroyed(const void* systemMessage);

}  // namespace quibac::linux_sdl
