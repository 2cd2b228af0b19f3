// The page around the show, in place of the platform's test controls: the
// saver's window thread waits here for the page's requests, and whatever the
// show draws goes to the page's canvas, the areas drawn since the last frame
// in one go, while
// the browser's own thread is free between them.
#pragma once

#include "frame_batch.h"
#include "screen_fit.h"

#include <windows.h>

#include <atomic>
#include <chrono>
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
    // Sets the platform up for one run, after ResetPlatform at the screen:
    // the change hook and the idle driver.
    void StartSession();
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
    // Every change of what the window's thread waits for is announced here.
    // The browser's thread cannot sleep, so it never waits for a lock or a
    // condition variable on a frame's way: where a waiter held one, it would
    // spin until the waiter ran again.
    void Signal();
    // Sleeps until an announcement after seen (a value of events_), or for
    // the time given.
    void WaitForSignal(uint32_t seen, std::chrono::steady_clock::duration longest);
    void WaitForSignal(uint32_t seen);

    // Where the page finds each frame: the window's thread fills it in, then
    // moves serial on and wakes whoever waits on it; the page reads it once
    // it sees serial move and leaves the frame alone after FrameShown. Words
    // the page reads from the shared memory, in this order.
    struct FrameNotice {
        std::atomic<uint32_t> serial{0};
        uint32_t pixels = 0;  // address of the batch's pixels
        uint32_t pixelCount = 0;
        uint32_t areas = 0;  // address of its areas' fields
        uint32_t areaFields = 0;
        uint32_t width = 0, height = 0;  // the screen's
    };
    static_assert(sizeof(std::atomic<uint32_t>) == sizeof(uint32_t), "the page reads the notice as words");

    std::atomic<uint32_t> events_{0};
    FrameNotice notice_;
    // Whether the page's own thread waits on the notice's serial (where the
    // browser can wait for a word without blocking); otherwise each frame is
    // called over to it.
    bool pageWatches_ = false;
    std::atomic<bool> changed_{false};  // the show drew since the last present
    std::atomic<bool> showing_{false};  // the page has a frame still to put up
    // Guarded by lock_, which the browser's thread takes only to ask for a
    // screen.
    std::mutex lock_;
    ScreenRequest wanted_;
    ScreenRequest running_;
    // The window's thread only.
    bool closePosted_ = false;
    std::chrono::steady_clock::time_point lastPresent_;
    FrameBatch batch_;  // the frame the page is drawing, until it says so
};

}  // namespace quibac::web
