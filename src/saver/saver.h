// The saver's own window procedure and everything one saver window owns: the
// output geometry, the drawing resources, the five bitmaps, the show and the
// thread that runs it. The host's window procedure hands it every message of
// the saver window; it acts on creation, painting and destruction and passes
// every message on to the host's default handler.
#pragma once

#include "assets/bitmap_assets.h"
#include "display/display.h"
#include "settings/settings.h"
#include "show/show.h"

#include <windows.h>

#include <cstdint>
#include <memory>

namespace quibac {

// How long WM_DESTROY waits for the show thread before terminating it, and
// then for the termination to take effect.
constexpr DWORD kShowStopWaitMs = 10000;
constexpr DWORD kTerminationWaitMs = 2000;

constexpr uint32_t kFlcMagicAt = 4;
constexpr const char kNotOfficialFlc[] = "\n\n** Not an 'official' .FLC file.\nI'm not touching it, mate! **\n\n";

struct Saver {
    // instance: where the animations and bitmaps are found; defaultProc: the
    // handler every message is passed on to.
    Saver(HINSTANCE instance, WNDPROC defaultProc);
    // A saver whose window never saw WM_DESTROY (a fault unwound past it)
    // still stops its thread before anything the thread uses goes, and frees
    // everything as the window's destruction would. A saver whose thread
    // could not be stopped must not be destroyed at all (see ReleaseSaver).
    ~Saver();
    Saver(const Saver&) = delete;
    Saver& operator=(const Saver&) = delete;

    HINSTANCE Instance;
    WNDPROC DefaultProc;
    Settings Preferences;  // as QUIBAC.INI held them when the window was created
    Display Output;
    std::unique_ptr<BitmapAssets> Assets;
    Show Animation;  // the show the thread runs, drawn into Output
    bool Painted = false;
    HANDLE ShowThreadHandle = nullptr;
};

LRESULT SaverProc(Saver& saver, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The steps of the procedure that tests drive one by one, so that a test's
// show is built in exactly the order a saver window builds it.
//
// Creation for a window of the given client size, stretched or not: the
// geometry, the dates animation with its magic check, the random seed.
// Reports a failure on the debug output and returns false.
bool SetUpSaver(Saver& saver, int32_t windowWidth, int32_t windowHeight, bool stretch);
// The first paint's drawing resources and bitmaps, in the order the palette
// needs them. Returns false when a resource cannot be made; what was made is
// left for ReleaseSaver.
bool BuildDrawing(Saver& saver, HWND window);
// Starts the show thread, with the event that stops it at once. Returns
// whether the thread runs.
bool StartShowThread(Saver& saver);
// Stops the show thread (if one runs) and frees everything, in the order
// the window's destruction requires. Safe to call more than once.
void ReleaseSaver(Saver& saver);

}  // namespace quibac
