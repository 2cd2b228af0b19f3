// The progress line of a long render, on standard error: on a terminal one
// line rewritten each simulated second, elsewhere (a log) a line every few
// seconds of real time, so a log neither floods nor stays silent.
#pragma once

#include <chrono>
#include <cstdio>

namespace quibac::render {

class Progress {
public:
    explicit Progress(int totalSeconds);
    // The show has reached this many simulated seconds.
    void Reached(int seconds);
    // The render is over at this many simulated seconds: the last word on a
    // terminal, and in a log that has heard of the render before.
    void Finish(int seconds);

private:
    void Print(int seconds);

    const int totalSeconds_;
    const bool terminal_;
    const std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastLine_;
    bool printed_ = false;
};

}  // namespace quibac::render
