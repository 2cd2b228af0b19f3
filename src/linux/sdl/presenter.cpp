#include "presenter.h"

#include <posix_screen.h>

#include <cstdio>

namespace quibac::linux_sdl {

namespace {

// The screen surface's pixels are 0x00RRGGBB: SDL's RGB888 with the top
// byte unused.
constexpr Uint32 kScreenFormat = SDL_PIXELFORMAT_RGB888;
constexpr int kBytesPerPixel = 4;

}  // namespace

std::unique_ptr<Presenter> Presenter::OpenOwnWindow(const OwnWindowRequest& request) {
    std::unique_ptr<Presenter> p(new Presenter());
    Uint32 flags = SDL_WINDOW_SHOWN;
    int width = request.width, height = request.height;
    if (request.fullScreen) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(0, &bounds) == 0) width = bounds.w, height = bounds.h;
    }
    if (request.resizable) flags |= SDL_WINDOW_RESIZABLE;
    p->window_ =
        SDL_CreateWindow(request.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (p->window_ == nullptr) return nullptr;
    p->renderer_ = SDL_CreateRenderer(p->window_, -1, 0);
    if (p->renderer_ == nullptr) return nullptr;
    return p;
}

std::unique_ptr<Presenter> Presenter::OpenForeignWindow(unsigned long window) {
    std::unique_ptr<Presenter> p(new Presenter());
    p->foreign_ = true;
    p->window_ = SDL_CreateWindowFrom(reinterpret_cast<const void*>(uintptr_t(window)));
    if (p->window_ == nullptr) return nullptr;
    return p;
}

Presenter::~Presenter() {
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    // A foreign window stays: SDL only lets go of it.
    if (window_ != nullptr) SDL_DestroyWindow(window_);
}

void Presenter::Size(int& width, int& height) const {
    width = height = 0;
    if (renderer_ != nullptr)
        SDL_GetRendererOutputSize(renderer_, &width, &height);
    else
        SDL_GetWindowSize(window_, &width, &height);
}

std::string Presenter::Path() const {
    SDL_RendererInfo info{};
    if (renderer_ != nullptr && SDL_GetRendererInfo(renderer_, &info) == 0) return info.name;
    return "window surface";
}

bool Presenter::Present() {
    const int width = posix::ScreenWidth(), height = posix::ScreenHeight();
    if (width <= 0 || height <= 0) return false;
    return renderer_ != nullptr ? PresentTexture(width, height) : PresentSurface(width, height);
}

bool Presenter::PresentTexture(int width, int height) {
    if (texture_ == nullptr || textureWidth_ != width || textureHeight_ != height) {
        if (texture_ != nullptr) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, kScreenFormat, SDL_TEXTUREACCESS_STREAMING, width, height);
        if (texture_ == nullptr) return false;
        textureWidth_ = width, textureHeight_ = height;
        // Mouse positions in events come in screen-surface pixels too.
        SDL_RenderSetLogicalSize(renderer_, width, height);
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return false;
    posix::CopyScreen(pixels, pitch);
    SDL_UnlockTexture(texture_);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    return true;
}

bool Presenter::PresentSurface(int width, int height) {
    // Asked for afresh each time: SDL makes a new one after a resize.
    SDL_Surface* target = SDL_GetWindowSurface(window_);
    if (target == nullptr) return false;
    staging_.resize(size_t(width) * size_t(height));
    posix::CopyScreen(staging_.data(), width * kBytesPerPixel);
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormatFrom(staging_.data(), width, height, 32, width * kBytesPerPixel, kScreenFormat);
    if (source == nullptr) return false;
    const bool sameSize = target->w == width && target->h == height;
    const int copied =
        sameSize ? SDL_BlitSurface(source, nullptr, target, nullptr) : SDL_BlitScaled(source, nullptr, target, nullptr);
    SDL_FreeSurface(source);
    return copied == 0 && SDL_UpdateWindowSurface(window_) == 0;
}

}  // namespace quibac::linux_sdl
