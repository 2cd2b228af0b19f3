#include "presenter.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <posix_screen.h>

#include <algorithm>

namespace quibac::linux_sdl {

namespace {

// The screen surface's pixels are 0x00RRGGBB: SDL's RGB888 with the top
// byte unused.
constexpr Uint32 kScreenFormat = SDL_PIXELFORMAT_RGB888;
constexpr int kBytesPerPixel = 4;

// The drivers that put windows on a screen; SDL's others draw off screen.
constexpr char kVisibleVideoDrivers[] = "x11,wayland";
constexpr int kVideoStartAttempts = 5;
constexpr Uint32 kVideoStartRetryMs = 50;

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

SDL_Rect ToSdl(const RECT& r) { return SDL_Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// Unmaps a window of the program's own at once. SDL would first ask the
// window manager to take a full-screen window out of full screen and wait up
// to 100 ms to see it happen (all of it where no manager runs); a window that
// is no longer mapped it destroys without asking.
void TakeOffScreen(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
    XUnmapWindow(info.info.x11.display, info.info.x11.window);
    XSync(info.info.x11.display, False);
}

}  // namespace

bool StartVisibleVideo() {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, kVisibleVideoDrivers);
    for (int attempt = 1;; ++attempt) {
        if (SDL_Init(SDL_INIT_VIDEO) == 0) return true;
        if (attempt == kVideoStartAttempts) return false;
        SDL_Delay(kVideoStartRetryMs);
    }
}

void UseSoftwareWindowSurfaces() {
    // Otherwise SDL may put a renderer behind a window's surface, and make
    // the window again (hidden, shown, refocused) to give it a GL context.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

std::unique_ptr<Presenter> Presenter::OpenOwnWindow(const OwnWindowRequest& request) {
    std::unique_ptr<Presenter> p(new Presenter());
    Uint32 flags = SDL_WINDOW_SHOWN;
    int width = request.width, height = request.height;
    if (request.fullScreen) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(request.display, &bounds) == 0) width = bounds.w, height = bounds.h;
    }
    if (request.resizable) flags |= SDL_WINDOW_RESIZABLE;
    // Full screen covers the display the window is placed on.
    const int at = SDL_WINDOWPOS_CENTERED_DISPLAY(request.fullScreen ? request.display : 0);
    p->window_ = SDL_CreateWindow(request.title.c_str(), at, at, width, height, flags);
    if (p->window_ == nullptr) return nullptr;
    return p;
}

std::unique_ptr<Presenter> Presenter::OpenForeignWindow(unsigned long window) {
    std::unique_ptr<Presenter> p(new Presenter());
    p->window_ = SDL_CreateWindowFrom(reinterpret_cast<const void*>(uintptr_t(window)));
    if (p->window_ == nullptr) return nullptr;
    p->foreign_ = true;
    return p;
}

Presenter::~Presenter() {
    if (window_ == nullptr) return;
    // A foreign window stays: SDL only lets go of it.
    if (!foreign_) TakeOffScreen(window_);
    SDL_DestroyWindow(window_);
}

void Presenter::Size(int& width, int& height) const {
    width = height = 0;
    SDL_GetWindowSize(window_, &width, &height);
}

bool Presenter::Present(bool whole) { return Present(whole, posix::TakeChangedAreas()); }

bool Presenter::Present(bool whole, const std::vector<RECT>& changedOnScreen) {
    const RECT part = IsEmpty(part_) ? posix::ScreenBounds() : part_;
    const int width = part.right - part.left, height = part.bottom - part.top;
    if (width <= 0 || height <= 0) return false;
    // From here on relative to the part's corner, and only what lies in it.
    std::vector<RECT> areas;
    for (const RECT& c : changedOnScreen) {
        const RECT area{std::max(c.left, part.left) - part.left, std::max(c.top, part.top) - part.top,
                        std::min(c.right, part.right) - part.left, std::min(c.bottom, part.bottom) - part.top};
        if (!IsEmpty(area)) areas.push_back(area);
    }
    if (whole || stagingWidth_ != width || stagingHeight_ != height) {
        staging_.resize(size_t(width) * size_t(height));
        stagingWidth_ = width, stagingHeight_ = height;
        areas.assign(1, RECT{0, 0, width, height});
    }
    // Asked for afresh each time: SDL makes a new one after a resize.
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (target == nullptr) return false;
    const bool sameSize = target->w == width && target->h == height;
    // Scaled, any pixel of the window may change; unscaled, only the areas.
    if (!sameSize) areas.assign(1, RECT{0, 0, width, height});
    if (areas.empty()) return true;
    const int pitch = width * kBytesPerPixel;
    for (const RECT& area : areas) {
        const RECT onScreen{area.left + part.left, area.top + part.top, area.right + part.left, area.bottom + part.top};
        posix::CopyScreenArea(onScreen, staging_.data() + size_t(area.top) * size_t(width) + size_t(area.left), pitch);
    }
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(staging_.data(), width, height, 32, pitch, kScreenFormat);
    if (source == nullptr) return false;
    bool copied = true;
    std::vector<SDL_Rect> changed;
    if (sameSize) {
        for (const RECT& area : areas) {
            SDL_Rect rect = ToSdl(area);
            copied &= SDL_BlitSurface(source, &rect, target, &rect) == 0;
            changed.push_back(ToSdl(area));  // the blit writes back the part it clipped to
        }
    } else {
        copied = SDL_BlitScaled(source, nullptr, target, nullptr) == 0;
    }
    SDL_FreeSurface(source);
    if (!copied) return false;
    if (!sameSize) return SDL_UpdateWindowSurface(window_) == 0;
    return SDL_UpdateWindowSurfaceRects(window_, changed.data(), int(changed.size())) == 0;
}

}  // namespace quibac::linux_sdl
