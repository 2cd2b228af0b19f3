// Everything the show thread works on, in one place, so a saver window (or a
// test) owns one complete, independent show.
#pragma once

#include "assets/bitmap_assets.h"
#include "display/display.h"
#include "display/pacing.h"
#include "flic/date_band.h"
#include "flic/flic_player.h"
#include "show/calendar.h"
#include "show/doors.h"
#include "show/random.h"
#include "show/sequencer.h"
#include "show/sprites.h"

#include <atomic>
#include <cstdint>

namespace quibac {

struct Show {
    Show(Display& display, BitmapAssets& assets, HMODULE instance) : Screen(display), Assets(assets) {
        Flic.Instance = instance;
        Flic.Target = &display;
        Flic.Band = &Band;
    }
    Show(const Show&) = delete;
    Show& operator=(const Show&) = delete;

    Display& Screen;
    BitmapAssets& Assets;
    FlicPlayer Flic;
    DateBand Band;
    Calendar Cal;
    RandomGenerator Random;
    DoorState Door;
    SpriteState Sprites;
    SequencerState Sequencer;
    // Cleared by the window's thread to stop the show; the show thread looks
    // at it after every wait and during long placement searches.
    RunFlag ShowRunning{true};
};

}  // namespace quibac
