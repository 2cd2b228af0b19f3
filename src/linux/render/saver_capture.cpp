#include "saver_capture.h"

#include "host/host.h"
#include "settings/settings.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace quibac::render {

namespace {

using Clock = std::chrono::steady_clock;

// A show that takes no step for this long in real time, outside the frame
// handler, has hung; the render gives up on it rather than wait for ever.
constexpr auto kStallLimit = std::chrono::seconds(60);
constexpr auto kDriverPoll = std::chrono::milliseconds(100);
// How often the idle driver asks again once the close has been requested.
constexpr auto kCloseRetry = std::chrono::milliseconds(10);

ColourTable SaverColours(const Display* display) {
    ColourTable table;
    if (display == nullptr || display->Dib.DibColourTable == nullptr) return table;
    table.reserve(kTableSize);
    for (int k = 0; k < kTableSize; ++k) {
        const RGBQUAD& q = display->Dib.DibColourTable[k];
        table.push_back(uint32_t(q.rgbRed) << 16 | uint32_t(q.rgbGreen) << 8 | uint32_t(q.rgbBlue));
    }
    return table;
}

class Session {
public:
    Session(const CaptureRequest& request, const FrameHandler& onFrame, const ProgressHandler& onProgress)
        : request_(request), onFrame_(onFrame), onProgress_(onProgress), mainThread_(std::this_thread::get_id()) {}

    CaptureResult Run() {
        posix::ResetPlatform(request_.width, request_.height);
        posix::SetDebugCapture(false);
        posix::SetDebugEcho(false);
        posix::SetProfileDirectory(request_.profileFolder);
        posix::SetResourceLocale(request_.language);
        WriteSettings(Settings{request_.stretch ? 1 : 0});
        posix::UseVirtualTime(true);
        posix::SetMillisecondClocks(request_.seed, request_.seed);
        posix::SetLocalDateTime(request_.date.year, request_.date.month, request_.date.day, show_start::kNoon);
        startMs_ = posix::VirtualElapsed();
        lastActivity_ = Clock::now();
        posix::SetThreadStartHook([this] { HoldUntilPainted(); });
        posix::SetSleepHook([this](DWORD ms) { OnSleep(ms); });
        posix::SetIdleDriver([this] { return Drive(); });

        CaptureResult result;
        result.saverExitCode = HostMain(posix::MainModule(), "/s");
        posix::SetIdleDriver(nullptr);
        posix::SetSleepHook(nullptr);
        posix::SetThreadStartHook(nullptr);
        std::lock_guard<std::mutex> guard(lock_);
        result.frames = nextFrame_;
        result.stalled = stalled_;
        return result;
    }

private:
    // On the show thread, before it does anything.
    void HoldUntilPainted() {
        std::unique_lock<std::mutex> hold(lock_);
        changed_.wait(hold, [this] { return painted_; });
    }

    // On every thread's Sleep; the show thread's alone take frames. The
    // screen now holds what it will hold for the whole sleep.
    void OnSleep(DWORD ms) {
        if (std::this_thread::get_id() == mainThread_) return;
        std::unique_lock<std::mutex> hold(lock_);
        if (finished_) return;
        lastActivity_ = Clock::now();
        const uint64_t now = posix::VirtualElapsed() - startMs_;
        const uint64_t until = now + std::max<DWORD>(ms, 1);
        while (nextFrame_ < request_.frameCount && FrameTimeMs(nextFrame_, request_.fps) < until) {
            ScreenFrame frame{nextFrame_, posix::ScreenPixels(0, 0, request_.width, request_.height),
                              SaverColours(display_)};
            inHandler_ = true;
            hold.unlock();
            const bool goOn = onFrame_(std::move(frame));
            hold.lock();
            inHandler_ = false;
            lastActivity_ = Clock::now();
            ++nextFrame_;
            if (!goOn) {
                stopped_ = true;
                break;
            }
            // Frames due later in this sleep see the same screen.
        }
        const int second = int(std::min<uint64_t>(now, FrameTimeMs(request_.frameCount, request_.fps)) / kMsPerSecond);
        if (second > lastSecond_) {
            lastSecond_ = second;
            onProgress_(second);
        }
        if (nextFrame_ >= request_.frameCount || stopped_) {
            finished_ = true;
            changed_.notify_all();
        }
    }

    // The window's thread, whenever its queue is empty: the first paint is
    // over, so the show may start; then wait for the frames, and close.
    bool Drive() {
        HWND saver = FindWindowA(kSaverClassName, kFullScreenTitle);
        if (saver == nullptr) return false;
        std::unique_lock<std::mutex> hold(lock_);
        if (!painted_) {
            HostState* host = HostOf(saver);
            display_ = host != nullptr && host->SaverState ? &host->SaverState->Output : nullptr;
            painted_ = true;
            changed_.notify_all();
        }
        if (closeRequested_) {
            // The close is on its way (or was turned down): ask again shortly.
            hold.unlock();
            std::this_thread::sleep_for(kCloseRetry);
            PostMessageA(saver, WM_CLOSE, 0, 0);
            return true;
        }
        while (!finished_) {
            changed_.wait_for(hold, kDriverPoll);
            if (!finished_ && !inHandler_ && Clock::now() - lastActivity_ > kStallLimit) {
                stalled_ = true;
                finished_ = true;
            }
            if (!IsWindow(saver)) break;
        }
        finished_ = true;
        closeRequested_ = true;
        hold.unlock();
        PostMessageA(saver, WM_CLOSE, 0, 0);
        return true;
    }

    const CaptureRequest& request_;
    const FrameHandler& onFrame_;
    const ProgressHandler& onProgress_;
    const std::thread::id mainThread_;
    uint64_t startMs_ = 0;

    std::mutex lock_;
    std::condition_variable changed_;
    bool painted_ = false;              // the first paint is over; the show may start
    const Display* display_ = nullptr;  // set before painted_
    int nextFrame_ = 0;
    int lastSecond_ = -1;
    bool inHandler_ = false;
    bool stopped_ = false;   // the handler asked to stop
    bool finished_ = false;  // no more frames will be taken
    bool stalled_ = false;
    bool closeRequested_ = false;
    Clock::time_point lastActivity_;
};

}  // namespace

uint64_t FrameTimeMs(int index, int fps) { return uint64_t(index) * kMsPerSecond / uint64_t(fps); }

CaptureResult RunAndCapture(const CaptureRequest& request, const FrameHandler& onFrame,
                            const ProgressHandler& onProgress) {
    Session session(request, onFrame, onProgress);
    return session.Run();
}

}  // namespace quibac::render
