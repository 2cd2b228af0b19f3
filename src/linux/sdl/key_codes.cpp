#include "key_codes.h"

#include <array>

namespace quibac::linux_sdl {

namespace {

struct KeyRow {
    SDL_Keycode key;
    uint16_t virtualKey;
};

constexpr std::array<KeyRow, 16> kKeys{{
    {SDLK_BACKSPACE, 0x08},
    {SDLK_TAB, 0x09},
    {SDLK_RETURN, 0x0D},
    {SDLK_ESCAPE, 0x1B},
    {SDLK_SPACE, 0x20},
    {SDLK_LSHIFT, 0x10},
    {SDLK_RSHIFT, 0x10},
    {SDLK_LCTRL, 0x11},
    {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12},
    {SDLK_RALT, 0x12},
    {SDLK_LEFT, 0x25},
    {SDLK_UP, 0x26},
    {SDLK_RIGHT, 0x27},
    {SDLK_DOWN, 0x28},
    {SDLK_DELETE, 0x2E},
}};

}  // namespace

uint16_t VirtualKeyFor(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return uint16_t('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return uint16_t('0' + (key - SDLK_0));
    for (const KeyRow& row : kKeys)
        if (row.key == key) return row.virtualKey;
    return kUnmappedKey;
}

}  // namespace quibac::linux_sdl
