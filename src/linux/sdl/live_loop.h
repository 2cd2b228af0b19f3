// The user at the real keyboard and screen, in place of the platform's test
// controls: the message loop's idle driver waits for SDL's events, hands input
// to the saver as Windows would queue it, and shows the screen surface
// whenever the show has drawn something new.
#pragma once

#include "presenter.h"

#include <windows.h>

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <vector>

namespace quibac::linux_sdl {

class LiveLoop {
public:
    // deliverInput: input reaches the saver (a Windows mode); an XScreenSaver
    // hack leaves input to XScreenSaver and only ends on a signal. others:
    // the windows on the other displays, each showing its part of the screen.
    LiveLoop(Presenter& presenter, bool deliverInput, std::vector<Presenter*> others = {});
    ~LiveLoop();
    LiveLoop(const LiveLoop&) = delete;
    LiveLoop& operator=(const LiveLoop&) = delete;

    // Sets the platform up for one run of the saver: the pointer where it
    // really is, the change hook and the idle driver. Called after each
    // ResetPlatform. previewParent is the window a preview runs inside, if any.
    void StartSession(HWND previewParent);
    // The window changed size: the run ended so that the saver can start
    // again at the new size.
    bool RestartWanted() const { return restartWanted_; }
    // The window went away, or the program was asked to end.
    bool Finished() const { return windowGone_ || endWanted_; }
    // What one of SDL's events means to the run: input handed to the saver as
    // Windows would queue it, or the end or restart of the run.
    void Handle(const SDL_Event& event);

private:
    bool Idle();
    void HandleWindowEvent(const SDL_WindowEvent& event);
    void HandleInput(const SDL_Event& event);
    void CloseSaver();
    void NoteWholeFrame();
    void PresentEveryWindow();
    // The program's window with that SDL id, or nullptr.
    const Presenter* PresenterOf(Uint32 windowId) const;
    // Focus that moves from one of the program's windows to another is no
    // other application taking over; only a loss that no window of the
    // program makes up for in a moment is.
    void CheckFocus();

    Presenter& presenter_;
    const bool deliverInput_;
    const std::vector<Presenter*> others_;
    bool focusCheckDue_ = false;
    Uint32 focusLostAt_ = 0;
    Uint32 wakeEvent_ = 0;
    std::atomic<bool> framePending_{false};
    // The window lost what it showed (exposed, resized): the next present
    // copies the whole surface, not only what the show changed.
    bool wholePending_ = true;
    uint32_t lastPresent_ = 0;
    HWND previewParent_ = nullptr;
    bool closeWanted_ = false, closePosted_ = false;
    bool restartWanted_ = false, endWanted_ = false, windowGone_ = false;
    bool hadFocus_ = false;
    int cursorShown_ = -1;  // as last told to SDL; -1 not yet
    int xErrorsAtStart_ = 0;
};

}  // namespace quibac::linux_sdl
