// The windows over every monitor but the primary one while the full-screen
// saver runs there: plain black, so nothing of the desktop shows beside it, or
// (EveryMonitor) each with a show of its own, sized to its monitor and
// centred or stretched by the Stretch setting as the saver's own window is.
// Input over any of them is the saver's input, so it closes them all through
// the saver's one password gate; they are owned by the saver's window and go
// when it goes.
#pragma once

#include "saver/saver.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace quibac {

constexpr const char kCoverClassName[] = "QuibAdventMonitorCover";

enum class CoverKind { Black, Show };

class MonitorCovers {
public:
    // Covers every monitor but the primary one around the saver's window;
    // nothing at all where the class cannot be registered or the system
    // knows no other monitor.
    MonitorCovers(HINSTANCE instance, HWND saver, CoverKind kind);
    // Takes down any cover still there before the shows they draw go.
    ~MonitorCovers();
    MonitorCovers(const MonitorCovers&) = delete;
    MonitorCovers& operator=(const MonitorCovers&) = delete;

    // A show that ended on its own while the saver runs (its drawing could
    // not be built) leaves a black cover in its place, so that no monitor
    // shows the desktop; called after every message the loop dispatches.
    void MendLostShows();
    // Tells every show, the saver window's own included, to stop, without
    // waiting for any.
    void StopEveryShow();

    // What a cover's window carries as its user data.
    struct Cover {
        MonitorCovers* Covers = nullptr;
        RECT Area{};
        HWND Window = nullptr;
        std::unique_ptr<Saver> Show;  // none for a black cover
    };

private:
    HWND CreateCover(Cover& cover, bool withShow);
    // Frees a show whose window is gone, unless its thread would not stop.
    static void ForgetShow(Cover& cover);

    HINSTANCE instance_;
    HWND saver_;
    bool registered_ = false;
    std::vector<std::unique_ptr<Cover>> covers_;
};

LRESULT CALLBACK CoverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quibac
