// The full-screen saver as the control panel starts it, through HostMain with
// "/s", on the POSIX platform: a screen of the asked size, the asked local
// date, virtual time, and the screen handed over at fixed instants of that
// time until enough frames are taken, when the saver is closed as a user
// would close it.
//
// Every frame is taken on the show thread, in the Sleep it starts between
// two steps of drawing, and the show thread is the only one that moves the
// virtual clock on: the window's thread waits in the idle driver for the
// whole run, and the show thread is held at its start until the window's
// first paint is over (its erase of the background would otherwise race the
// show's first rows). So what a frame holds depends on the arguments alone,
// never on how the threads are scheduled.
#pragma once

#include "colour_index.h"
#include "options.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quibac::render {

struct CaptureRequest {
    int width = 0;
    int height = 0;
    bool stretch = false;
    CalendarDate date;
    uint32_t seed = 0;  // what the millisecond counters read when the saver starts
    int fps = 1;
    int frameCount = 0;
    std::string profileFolder;  // an empty folder for the saver's settings file
    std::string language;       // the locale the saver's resources are found for; empty: the process's
};

struct ScreenFrame {
    int index = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, width x height, top row first
    ColourTable saverTable;        // the saver's colour table as the frame was taken
};

// Takes one frame, on the show thread; may block. False stops the render.
using FrameHandler = std::function<bool(ScreenFrame&& frame)>;
// Told each whole simulated second the show reaches, on the show thread.
using ProgressHandler = std::function<void(int seconds)>;

struct CaptureResult {
    int frames = 0;         // frames handed over
    int saverExitCode = 0;  // HostMain's result
    bool stalled = false;   // the show stopped moving and was given up on
};

constexpr uint64_t kMsPerSecond = 1000;

// When frame `index` is taken, in milliseconds of virtual time from the start.
uint64_t FrameTimeMs(int index, int fps);

CaptureResult RunAndCapture(const CaptureRequest& request, const FrameHandler& onFrame,
                            const ProgressHandler& onProgress);

}  // namespace quibac::render
