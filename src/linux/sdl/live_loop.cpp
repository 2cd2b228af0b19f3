#include "live_loop.h"

#include "display_layout.h"
#include "key_codes.h"
#include "termination.h"
#include "x11_windows.h"

#include "host/host.h"

#include <posix_screen.h>
#include <posix_windows.h>

#include <algorithm>

namespace quibac::linux_sdl {

namespace {

// The longest the loop sleeps with nothing to do: how late a signal or a
// message posted from another thread may be seen.
constexpr Uint32 kIdleWaitMs = 100;
// Frames come at most this often; a reveal may draw many times in that span.
constexpr Uint32 kFrameIntervalMs = 10;

// Windows' mouse buttons as the platform numbers them.
constexpr int kLeftButton = 0, kRightButton = 1, kMiddleButton = 2;
// How long focus may be away from every window of the program before another
// application counts as having taken over: long enough for the window
// manager to hand it from one of them to another.
constexpr Uint32 kFocusSettleMs = 200;

}  // namespace

LiveLoop::LiveLoop(Presenter& presenter, bool deliverInput, std::vector<Presenter*> others)
    : presenter_(presenter), deliverInput_(deliverInput), others_(std::move(others)) {
    wakeEvent_ = SDL_RegisterEvents(1);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

LiveLoop::~LiveLoop() {
    posix::SetScreenChangeHook(nullptr);
    posix::SetIdleDriver(nullptr);
}

void LiveLoop::StartSession(HWND previewParent) {
    previewParent_ = previewParent;
    closeWanted_ = closePosted_ = restartWanted_ = false;
    wholePending_ = true;
    xErrorsAtStart_ = XErrorsSeen();
    posix::KeepWindowBlits(false);
    posix::SetScreenChangeHook([this] {
        // Called on the show's thread: one wake-up per frame is enough.
        if (framePending_.exchange(true) || wakeEvent_ == Uint32(-1)) return;
        SDL_Event wake{};
        wake.type = wakeEvent_;
        SDL_PushEvent(&wake);
    });
    posix::SetIdleDriver([this] { return Idle(); });
    if (deliverInput_) {
        int x = 0, y = 0, left = 0, top = 0;
        SDL_GetGlobalMouseState(&x, &y);
        SDL_GetWindowPosition(presenter_.Window(), &left, &top);
        posix::SetCursorPosition(x - left, y - top);
    }
}

bool LiveLoop::Idle() {
    if (TerminationRequested()) endWanted_ = closeWanted_ = true;
    // X refuses what is drawn into a window that was destroyed under the
    // program; the run ends as if the window had been closed.
    if (XErrorsSeen() != xErrorsAtStart_) windowGone_ = closeWanted_ = true;
    if (closeWanted_) CloseSaver();

    const Uint32 sincePresent = SDL_GetTicks() - lastPresent_;
    Uint32 wait = kIdleWaitMs;
    if (framePending_.load()) wait = sincePresent >= kFrameIntervalMs ? 0 : kFrameIntervalMs - sincePresent;
    if (focusCheckDue_) wait = std::min(wait, kFocusSettleMs);
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, int(wait)) != 0) {
        Handle(event);
        while (SDL_PollEvent(&event) != 0) Handle(event);
    }
    if (framePending_.load() && SDL_GetTicks() - lastPresent_ >= kFrameIntervalMs) {
        framePending_ = false;
        PresentEveryWindow();
        wholePending_ = false;
        lastPresent_ = SDL_GetTicks();
    }
    CheckFocus();
    if (deliverInput_) {
        // The saver hides the cursor through SetCursor; the real one follows.
        const int shown = posix::CursorHidden() ? SDL_DISABLE : SDL_ENABLE;
        if (shown != cursorShown_) SDL_ShowCursor(shown), cursorShown_ = shown;
    }
    return true;  // never the unattended-loop guard: a person is here
}

void LiveLoop::Handle(const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT: closeWanted_ = endWanted_ = true; break;
    case SDL_WINDOWEVENT: HandleWindowEvent(event.window); break;
    case SDL_SYSWMEVENT:
        if (WindowDestroyed(event.syswm.msg)) windowGone_ = closeWanted_ = true;
        break;
    default:
        if (deliverInput_) HandleInput(event);
        break;
    }
}

void LiveLoop::HandleWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED: NoteWholeFrame(); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
        // The first window is the primary monitor, the screen's size; the
        // others show their parts scaled to whatever size they are given.
        int width = 0, height = 0;
        presenter_.Size(width, height);
        const Presenter* from = PresenterOf(event.windowID);
        const bool primary = from == nullptr || from == &presenter_;
        if (primary && width > 0 && height > 0 &&
            (width != GetSystemMetrics(SM_CXSCREEN) || height != GetSystemMetrics(SM_CYSCREEN)))
            restartWanted_ = closeWanted_ = true;
        NoteWholeFrame();
        break;
    }
    case SDL_WINDOWEVENT_CLOSE: closeWanted_ = endWanted_ = true; break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: hadFocus_ = true; break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        // As another application taking over on Windows; a window that never
        // had the focus has nothing to lose.
        if (!deliverInput_ || !hadFocus_) break;
        if (others_.empty()) {
            posix::ActivateOtherApplication();
        } else {
            focusCheckDue_ = true;
            focusLostAt_ = SDL_GetTicks();
        }
        break;
    default: break;
    }
}

void LiveLoop::HandleInput(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.repeat == 0)
            posix::PressKey(VirtualKeyFor(event.key.keysym.sym), nullptr, (event.key.keysym.mod & KMOD_ALT) != 0);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) posix::ClickMouse(kLeftButton);
        if (event.button.button == SDL_BUTTON_RIGHT) posix::ClickMouse(kRightButton);
        if (event.button.button == SDL_BUTTON_MIDDLE) posix::ClickMouse(kMiddleButton);
        break;
    case SDL_MOUSEMOTION: {
        // In the coordinates of the window it happened over; each window
        // shows its own part of the screen.
        const Presenter* over = PresenterOf(event.motion.windowID);
        if (over == nullptr || over == &presenter_) {
            posix::MoveCursor(event.motion.x, event.motion.y);
            break;
        }
        int width = 0, height = 0;
        over->Size(width, height);
        const POINT at = ScreenPointOf(over->Part(), width, height, event.motion.x, event.motion.y);
        posix::MoveCursor(at.x, at.y);
        break;
    }
    default: break;
    }
}

void LiveLoop::NoteWholeFrame() { framePending_ = wholePending_ = true; }

void LiveLoop::PresentEveryWindow() {
    if (others_.empty()) {
        presenter_.Present(wholePending_);
        return;
    }
    // Taken once, for every window's part of it.
    const std::vector<RECT> changed = posix::TakeChangedAreas();
    presenter_.Present(wholePending_, changed);
    for (Presenter* other : others_) other->Present(wholePending_, changed);
}

const Presenter* LiveLoop::PresenterOf(Uint32 windowId) const {
    if (windowId == SDL_GetWindowID(presenter_.Window())) return &presenter_;
    for (const Presenter* other : others_)
        if (windowId == SDL_GetWindowID(other->Window())) return other;
    return nullptr;
}

void LiveLoop::CheckFocus() {
    if (!focusCheckDue_ || SDL_GetTicks() - focusLostAt_ < kFocusSettleMs) return;
    focusCheckDue_ = false;
    SDL_Window* focused = SDL_GetKeyboardFocus();
    if (focused == nullptr || PresenterOf(SDL_GetWindowID(focused)) == nullptr) posix::ActivateOtherApplication();
}

// Closes the saver as a user's close request would; asked again on each wake
// until a saver window has it.
void LiveLoop::CloseSaver() {
    if (closePosted_) return;
    if (previewParent_ != nullptr) {
        for (HWND child : posix::ChildWindows(previewParent_)) closePosted_ |= PostMessageA(child, WM_CLOSE, 0, 0) != 0;
        return;
    }
    HWND saver = FindWindowA(kSaverClassName, nullptr);
    if (saver != nullptr) closePosted_ = PostMessageA(saver, WM_CLOSE, 0, 0) != 0;
}

}  // namespace quibac::linux_sdl
