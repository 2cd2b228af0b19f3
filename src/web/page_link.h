// The page around the show, in place of the platform's test controls: the
// saver's window thread waits here for the page's requests, and whatever the
// show draws goes to the page's canvas, one changed area at a time, while
// the browser's own thread is free between them.
#pragma once

#include "canvas_mirror.h"
#include "screen_fit.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace quibac::web {

class PageLink {
public:
    PageLink();
    ~PageLink();
    PageLink(const PageLink&) = delete;
    PageLink& operator=(const PageLink&) = delete;

    // Blocks until the page has asked for a screen other than the last run's,
    // and returns it (fitted).
    ScreenRequest NextScreen();
    // Sets the platform up for one run at that screen, after ResetPlatform:
    // the change hook and the idle driver.
    void StartSession(const ScreenRequest& screen);
    // The run is over; nothing of the page is drawn from its screen any more.
    void EndSession();
    // Whether the page has asked for another screen than the running one.
    bool RestartWanted();

    // From the browser's thread.
    void RequestScreen(const ScreenRequest& screen);
    void FrameShown();

private:
    bool Idle();
    void Present();
    void CloseSaver();

    std::mutex lock_;
    std::condition_variable wake_;
    // Guarded by lock_.
    ScreenRequest wanted_;
    ScreenRequest running_;
    bool changed_ = false;  // the show drew since the last present
    bool showing_ = false;  // the page has a frame still to put up
    // The window's thread only.
    bool closePosted_ = false;
    std::chrono::steady_clock::time_point lastPresent_;
    CanvasMirror mirror_;
    std::vector<uint32_t> screen_;  // the changed area as the screen has it
    std::vector<uint32_t> frame_;   // what differs, as the page draws it
};

}  // namespace quibac::web
