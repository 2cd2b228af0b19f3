// One running dialog in an SDL window: opened for a dialog handle, painted
// from the dialog's state, and turning SDL events into the dialog manager's
// input until one of them reaches the dialog.
#pragma once

#include "dialog_geometry.h"
#include "dialog_painter.h"

#include <windows.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>
#include <string>

namespace quibac::linux_dialog {

class DialogWindow {
public:
    // nullptr, with the reason on standard error, when there is no display,
    // no font, or no such running dialog.
    static std::unique_ptr<DialogWindow> Open(HWND dialog);
    ~DialogWindow();
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    HWND dialog() const { return dialog_; }
    // Waits for events until one has been delivered to the dialog, painting
    // as the dialog changes.
    void DeliverNextInput();

private:
    DialogWindow() = default;
    // True when the event reached the dialog (a key, a click, the close button).
    bool Handle(const SDL_Event& event);
    bool HandleKey(const SDL_KeyboardEvent& key);
    bool HandleMouseDown(int x, int y);
    bool HandleMouseUp(int x, int y);
    void Paint();
    static SDL_HitTestResult HitTest(SDL_Window* window, const SDL_Point* point, void* data);

    bool videoStarted_ = false;  // each window holds one reference to
    bool fontsStarted_ = false;  // SDL's video and to the font engine
    HWND dialog_ = nullptr;
    posix::DialogTemplateInfo layout_;
    DialogGeometry geometry_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    DialogFonts fonts_;
    int pressed_ = -1;  // the item the mouse went down on
    bool closePressed_ = false;
};

}  // namespace quibac::linux_dialog
