// Shows the platform's screen surface on the real display, in a window of the
// program's own or in one another program owns (as an XScreenSaver hack's
// is), through the window's software surface: the saver draws every pixel on
// the CPU and the surface always matches the window, so a GPU texture would
// only add a whole-window draw per frame, which on machines without a GPU
// (virtual machines, remote and virtual X servers) is done in software too.
#pragma once

#include <SDL.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace quibac::linux_sdl {

struct OwnWindowRequest {
    std::string title;
    int width = 0, height = 0;  // ignored when fullScreen
    bool fullScreen = false;
    int display = 0;  // the SDL display a full-screen window covers
    bool resizable = false;
};

class Presenter {
public:
    static std::unique_ptr<Presenter> OpenOwnWindow(const OwnWindowRequest& request);
    static std::unique_ptr<Presenter> OpenForeignWindow(unsigned long window);
    ~Presenter();
    Presenter(const Presenter&) = delete;
    Presenter& operator=(const Presenter&) = delete;

    SDL_Window* Window() const { return window_; }
    // The window's size in pixels now, which the screen surface should match.
    void Size(int& width, int& height) const;
    // Copies the areas that changed on the screen surface since the last
    // present, one by one (all of it when whole), to the window, scaled to
    // fill it with nearest-neighbour scaling when the sizes differ. Returns
    // success.
    bool Present(bool whole);
    // The same, with the changed areas (screen coordinates) taken by the
    // caller, which shows one surface in several windows.
    bool Present(bool whole, const std::vector<RECT>& changedOnScreen);
    // The part of the screen surface (screen coordinates) the window shows;
    // empty, as it starts, for all of it.
    void ShowPart(const RECT& part) { part_ = part; }
    const RECT& Part() const { return part_; }

private:
    Presenter() = default;

    SDL_Window* window_ = nullptr;
    bool foreign_ = false;  // another program's window, which stays when the presenter goes
    RECT part_{};
    // A copy of the screen surface, kept whole between presents, which the
    // changed part is blitted from.
    std::vector<uint32_t> staging_;
    int stagingWidth_ = 0, stagingHeight_ = 0;
};

// Before SDL makes any window: window surfaces straight on the X server
// (shared memory), never through a renderer SDL would make for them.
void UseSoftwareWindowSurfaces();
// Starts SDL's video on a display a person can see, or fails: without one,
// SDL would fall back to drawing off screen, and the saver would run unseen
// until killed. A busy X server sometimes drops a new connection before
// answering it, so a failed start is tried again a few times. Returns
// success; SDL_GetError says why not.
bool StartVisibleVideo();

}  // namespace quibac::linux_sdl
