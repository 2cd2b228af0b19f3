// SDL's key codes as the Windows virtual-key codes a saver window receives.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace quibac::linux_sdl {

// A key with no Windows counterpart here still counts as a key press.
constexpr uint16_t kUnmappedKey = 0xFF;

uint16_t VirtualKeyFor(SDL_Keycode key);

}  // namespace quibac::linux_sdl
