// Everything the show thread works on, in one place, so a saver window (or a
// test) owns one complete, independent show.
#pragma once

#include "assets/bitmap_assets.h"
#include "display/display.h"
#include "display/pacing.h"
#include "flic/flic_player.h"
#include "show/calendar.h"
#include "show/date_band.h"
#include "show/doors.h"
#include "show/random.h"
#include "show/sequencer.h"
#include "show/sprites.h"

#include <atomic>
#include <cstdint>

namespace quibac {

struct Show {
    Show(Display& output, BitmapAssets& assets, HMODULE instance) : Output(output), Assets(assets) {
        Player.Instance = instance;
    }
    Show(const Show&) = delete;
    Show& operator=(const Show&) = delete;

    Display& Output;  // the saver window's display, drawn into and presented
    BitmapAssets& Assets;
    FlicPlayer Player;
    DateBand Band;
    CalendarState Calendar;
    RandomGenerator Random;
    DoorState Door;
    SpriteState Sprites;
    SequencerState Sequencer;
    // Cleared by the window's thread to stop the show; the show thread looks
    // at it after every wait and during long placement searches.
    RunFlag ShowRunning{true};
    // Set by the window's thread right after it clears ShowRunning; the show
    // thread's waits end on it. Not owned: whoever runs the thread makes it
    // before the thread starts and closes it after the thread has ended.
    HANDLE StopEvent = nullptr;
};

inline StopSignal StopOf(const Show& show) { return StopSignal{&show.ShowRunning, show.StopEvent}; }

}  // namespace quibac
