#include "page_link.h"

#include "host/host.h"

#include <posix_screen.h>
#include <posix_windows.h>

#include <emscripten/em_asm.h>
#include <emscripten/emscripten.h>
#include <emscripten/threading.h>

#include <chrono>
#include <climits>
#include <cmath>

namespace quibac::web {

namespace {

// The longest the window's thread waits for the page or the show: how late
// a message another thread posts to the saver's window may be seen.
constexpr auto kIdleWait = std::chrono::milliseconds(500);
// Changes that come faster than a display shows frames (a reveal draws a few
// rows at a time) reach the page as one frame per display frame: every frame
// costs the browser the same, however little it holds.
constexpr auto kFrameInterval = std::chrono::milliseconds(16);

}  // namespace

PageLink::PageLink() {
    // The page answers only once it knows where to send its requests. The
    // memory is asked for afresh each time: it is another buffer once grown.
    const int watches = MAIN_THREAD_EM_ASM_INT(
        {
            return Module.quibacPage.ready(
                $0, $1, function() { return wasmMemory.buffer; });
        },
        this, &notice_);
    pageWatches_ = watches != 0;
}

PageLink::~PageLink() {
    posix::SetScreenChangeHook(nullptr);
    posix::SetIdleDriver(nullptr);
}

ScreenRequest PageLink::NextScreen() {
    for (;;) {
        const uint32_t seen = events_.load();
        {
            std::lock_guard<std::mutex> guard(lock_);
            if (wanted_.width > 0 && !(wanted_ == running_)) {
                running_ = wanted_;
                return running_;
            }
        }
        WaitForSignal(seen);
    }
}

void PageLink::StartSession() {
    // The page may still be reading the last run's frame.
    for (;;) {
        const uint32_t seen = events_.load();
        if (!showing_.load()) break;
        WaitForSignal(seen);
    }
    changed_.store(true);
    closePosted_ = false;
    posix::KeepWindowBlits(false);
    posix::SetScreenChangeHook([this] {
        // On the show's thread, under the platform's lock.
        changed_.store(true);
        Signal();
    });
    posix::SetIdleDriver([this] { return Idle(); });
}

void PageLink::EndSession() {
    posix::SetScreenChangeHook(nullptr);
    posix::SetIdleDriver(nullptr);
}

void PageLink::RequestScreen(const ScreenRequest& screen) {
    const ScreenRequest fitted = FitScreen(screen);
    if (fitted.width <= 0) return;
    {
        std::lock_guard<std::mutex> guard(lock_);
        wanted_ = fitted;
    }
    Signal();
}

bool PageLink::RestartWanted() {
    std::lock_guard<std::mutex> guard(lock_);
    return !(wanted_ == running_);
}

void PageLink::FrameShown() {
    showing_.store(false);
    Signal();
}

void PageLink::Signal() {
    events_.fetch_add(1);
    emscripten_futex_wake(&events_, INT_MAX);
}

void PageLink::WaitForSignal(uint32_t seen, std::chrono::steady_clock::duration longest) {
    const double milliseconds = std::chrono::duration<double, std::milli>(longest).count();
    if (milliseconds > 0) emscripten_futex_wait(&events_, seen, milliseconds);
}

void PageLink::WaitForSignal(uint32_t seen) { emscripten_futex_wait(&events_, seen, INFINITY); }

bool PageLink::Idle() {
    using Clock = std::chrono::steady_clock;
    const auto ready = [this] { return changed_.load() && !showing_.load(); };
    const Clock::time_point give_up = Clock::now() + kIdleWait;
    for (;;) {
        const uint32_t seen = events_.load();
        if (ready() || RestartWanted() || Clock::now() >= give_up) break;
        WaitForSignal(seen, give_up - Clock::now());
    }
    // At most one frame per display frame; a restart does not wait for it.
    while (ready()) {
        const uint32_t seen = events_.load();
        if (RestartWanted() || Clock::now() >= lastPresent_ + kFrameInterval) break;
        WaitForSignal(seen, lastPresent_ + kFrameInterval - Clock::now());
    }
    const bool restart = RestartWanted();
    // What the show draws from here on is for the next present.
    const bool present = ready() && changed_.exchange(false);
    if (present) showing_.store(true);
    if (restart) CloseSaver();
    if (present) {
        lastPresent_ = Clock::now();
        Present();
    }
    return true;  // never the unattended-loop guard: the page is there
}

void PageLink::Present() {
    if (batch_.Take() == 0) {
        FrameShown();
        return;
    }
    notice_.pixels = uint32_t(uintptr_t(batch_.Pixels().data()));
    notice_.pixelCount = uint32_t(batch_.Pixels().size());
    notice_.areas = uint32_t(uintptr_t(batch_.Areas().data()));
    notice_.areaFields = uint32_t(batch_.Areas().size());
    notice_.width = uint32_t(posix::ScreenWidth());
    notice_.height = uint32_t(posix::ScreenHeight());
    notice_.serial.fetch_add(1);
    // The page draws the frame, then says so through FrameShown (whatever
    // befell the drawing); until then the batch stays as it is. A frame
    // called over would queue behind the browser thread's lock for calls
    // from other threads, which it spins on; a word it waits on wakes it
    // alone.
    if (pageWatches_)
        emscripten_futex_wake(&notice_.serial, INT_MAX);
    else
        MAIN_THREAD_ASYNC_EM_ASM({ Module.quibacPage.frameReady(); });
}

void PageLink::CloseSaver() {
    if (closePosted_) return;
    HWND saver = FindWindowA(kSaverClassName, nullptr);
    if (saver != nullptr) closePosted_ = PostMessageA(saver, WM_CLOSE, 0, 0) != 0;
}

}  // namespace quibac::web

extern "C" {

EMSCRIPTEN_KEEPALIVE void quibac_page_screen(quibac::web::PageLink* link, int width, int height, int stretch) {
    if (link != nullptr) link->RequestScreen(quibac::web::ScreenRequest{width, height, stretch != 0});
}

EMSCRIPTEN_KEEPALIVE void quibac_page_frame_shown(quibac::web::PageLink* link) {
    if (link != nullptr) link->FrameShown();
}
}
