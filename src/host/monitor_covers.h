// Plain black windows over every monitor but the primary one, while the
// full-screen saver runs there, so nothing of the desktop shows beside it.
// Input over them is the saver's input; they go when the saver's window goes
// (the saver owns them).
#pragma once

#include <windows.h>

namespace quibac {

constexpr const char kCoverClassName[] = "QuibAdventMonitorCover";

// Registers the covers' class and covers the other monitors; returns whether
// the class was registered (to be unregistered once the saver has ended).
bool CoverOtherMonitors(HINSTANCE instance, HWND saver);
void ForgetMonitorCovers(HINSTANCE instance);

LRESULT CALLBACK CoverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quibac
