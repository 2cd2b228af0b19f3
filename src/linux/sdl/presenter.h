// Shows the platform's screen surface on the real display: in a window of
// the program's own through a streaming texture, or in a window another
// program owns through that window's software surface (the way an
// XScreenSaver hack must, since no renderer may be made on it).
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

namespace quibac::linux_sdl {

struct OwnWindowRequest {
    std::string title;
    int width = 0, height = 0;  // ignored when fullScreen
    bool fullScreen = false;
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
    bool Foreign() const { return foreign_; }
    // The window's size in pixels now, which the screen surface should match.
    void Size(int& width, int& height) const;
    // Copies the screen surface to the window, scaled to fill it with
    // nearest-neighbour scaling when the sizes differ. Returns success.
    bool Present();
    // The name of the renderer, or "window surface".
    std::string Path() const;

private:
    Presenter() = default;
    bool PresentTexture(int width, int height);
    bool PresentSurface(int width, int height);

    SDL_Window* window_ = nullptr;
    bool foreign_ = false;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int textureWidth_ = 0, textureHeight_ = 0;
    std::vector<uint32_t> staging_;  // the surface path's copy of the screen
};

}  // namespace quibac::linux_sdl
