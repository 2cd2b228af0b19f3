// What one render is asked for, read from the command line. Every argument is
// checked here, before anything runs or is written.
#pragma once

#include "show_start.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quibac::render {

// The largest screen rendered: an 8K display. Anything bigger is a typing
// slip, and would want gigabytes for a few frames.
constexpr int kMaxWidth = 7680;
constexpr int kMaxHeight = 4320;
// A day of show is far more than anyone watches; a longer run is a slip.
constexpr int kMaxSeconds = 24 * 60 * 60;
// GIF delays are whole hundredths of a second and viewers play delays under
// two hundredths slowly, so a GIF holds at most 50 frames a second.
constexpr int kMaxGifFps = 50;
// The virtual clock counts whole milliseconds.
constexpr int kMaxFps = 1000;
using show_start::CalendarDate;

struct RenderOptions {
    CalendarDate date;
    int width = 800;
    int height = 600;
    bool stretch = false;
    int seconds = 20;
    int fps = 10;
    uint32_t seed = 1;
    std::string framesFolder;  // PNG frames go here when set
    std::string gifPath;       // the animated GIF, when set
    bool help = false;
    bool version = false;

    int FrameCount() const { return seconds * fps; }
};

struct ParsedOptions {
    RenderOptions options;
    std::string error;  // one line, empty when the arguments are good
};

// Reads the arguments after the program's name; today is the date used when
// none is given.
ParsedOptions ParseOptions(const std::vector<std::string>& arguments, CalendarDate today);

extern const char kUsage[];
extern const char kUsageHint[];

}  // namespace quibac::render
