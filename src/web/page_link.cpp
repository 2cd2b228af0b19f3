#include "page_link.h"

#include "host/host.h"

#include <posix_screen.h>
#include <posix_windows.h>

#include <emscripten/em_asm.h>
#include <emscripten/emscripten.h>

#include <chrono>

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
    // The page answers only once it knows where to send its requests.
    MAIN_THREAD_EM_ASM({ Module.quibacPage.ready($0); }, this);
}

PageLink::~PageLink() {
    posix::SetScreenChangeHook(nullptr);
    posix::SetIdleDriver(nullptr);
}

ScreenRequest PageLink::NextScreen() {
    std::unique_lock<std::mutex> guard(lock_);
    wake_.wait(guard, [this] { return wanted_.width > 0 && !(wanted_ == running_); });
    running_ = wanted_;
    return running_;
}

void PageLink::StartSession(const ScreenRequest& screen) {
    {
        std::unique_lock<std::mutex> guard(lock_);
        // The page may still be reading the last run's frame.
        wake_.wait(guard, [this] { return !showing_; });
        changed_ = true;
    }
    closePosted_ = false;
    mirror_.Reset(screen.width, screen.height);
    posix::KeepWindowBlits(false);
    posix::SetScreenChangeHook([this] {
        // On the show's thread, under the platform's lock.
        {
            std::lock_guard<std::mutex> guard(lock_);
            changed_ = true;
        }
        wake_.notify_all();
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
    wake_.notify_all();
}

bool PageLink::RestartWanted() {
    std::lock_guard<std::mutex> guard(lock_);
    return !(wanted_ == running_);
}

void PageLink::FrameShown() {
    {
        std::lock_guard<std::mutex> guard(lock_);
        showing_ = false;
    }
    wake_.notify_all();
}

bool PageLink::Idle() {
    bool present = false, restart = false;
    {
        std::unique_lock<std::mutex> guard(lock_);
        wake_.wait_for(guard, kIdleWait, [this] { return (changed_ && !showing_) || !(wanted_ == running_); });
        if (changed_ && !showing_)
            wake_.wait_until(guard, lastPresent_ + kFrameInterval, [this] { return !(wanted_ == running_); });
        restart = !(wanted_ == running_);
        present = changed_ && !showing_;
        if (present) changed_ = false, showing_ = true;
    }
    // The platform is called with lock_ released: the change hook takes
    // lock_ under the platform's own lock.
    if (restart) CloseSaver();
    if (present) {
        lastPresent_ = std::chrono::steady_clock::now();
        Present();
    }
    return true;  // never the unattended-loop guard: the page is there
}

void PageLink::Present() {
    const RECT area = posix::TakeChangedArea();
    const bool fits = posix::ScreenWidth() == mirror_.Width() && posix::ScreenHeight() == mirror_.Height();
    if (area.right <= area.left || area.bottom <= area.top || !fits) {
        FrameShown();
        return;
    }
    const int areaWidth = area.right - area.left;
    screen_.resize(size_t(areaWidth) * size_t(area.bottom - area.top));
    posix::CopyScreenArea(area, screen_.data(), areaWidth * int(sizeof(uint32_t)));
    const RECT changed = mirror_.Take(area, screen_.data());
    if (changed.right <= changed.left) {
        FrameShown();
        return;
    }
    mirror_.Pack(changed, frame_);
    // The page copies the pixels out of the shared memory, then says so
    // (whatever befell the drawing); until then they stay as they are.
    MAIN_THREAD_ASYNC_EM_ASM(
        {
            try {
                Module.quibacPage.draw(HEAPU8.subarray($1, $1 + $6 * $7 * 4), $2, $3, $4, $5, $6, $7);
            } finally {
                Module._quibac_page_frame_shown($0);
            }
        },
        this, frame_.data(), mirror_.Width(), mirror_.Height(), changed.left, changed.top, changed.right - changed.left,
        changed.bottom - changed.top);
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
