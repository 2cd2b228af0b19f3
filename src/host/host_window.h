// The two window procedures of the host around the saver's own procedure:
// HostWndProc, registered with the window class, sees every message first;
// DefaultSaverProc is the default handler the saver procedure passes every
// message on to. Together they hide the cursor, detach the input method,
// turn input into close requests and gate each close request by the
// password of Windows 95/98. A preview never closes on input.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quibac {

// A movement closes the saver when its x and y distances from the anchor add
// up to more than this many pixels.
constexpr uint32_t WakeThreshold = 4;

constexpr const char kImmLibrary[] = "IMM32.DLL";
constexpr const char kImmAssociateContextEntry[] = "ImmAssociateContext";

// One message as the procedures' table rows see it.
struct WindowMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

LRESULT CALLBACK HostWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DefaultSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quibac
