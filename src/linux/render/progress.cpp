#include "progress.h"

#include <unistd.h>

namespace quibac::render {

namespace {

using Clock = std::chrono::steady_clock;

// A log gets a line this often, and none at all from a render this short.
constexpr auto kLogInterval = std::chrono::seconds(5);

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

}  // namespace

Progress::Progress(int totalSeconds)
    : totalSeconds_(totalSeconds), terminal_(isatty(STDERR_FILENO) != 0), start_(Clock::now()), lastLine_(start_) {}

void Progress::Print(int seconds) {
    const double wall = SecondsSince(start_);
    const double speed = wall > 0 ? seconds / wall : 0;
    // Trailing spaces cover a longer line before it on a terminal.
    std::fprintf(stderr, "%squibac-render: %d of %d simulated seconds, %.1f simulated seconds a second%s",
                 terminal_ ? "\r" : "", seconds, totalSeconds_, speed, terminal_ ? "  " : "\n");
    std::fflush(stderr);
    printed_ = true;
}

void Progress::Reached(int seconds) {
    if (seconds == 0) return;
    if (terminal_) {
        Print(seconds);
        return;
    }
    if (Clock::now() - lastLine_ < kLogInterval) return;
    lastLine_ = Clock::now();
    Print(seconds);
}

void Progress::Finish(int seconds) {
    if (!terminal_ && !printed_) return;
    Print(seconds);
    if (terminal_) std::fputc('\n', stderr);
}

}  // namespace quibac::render
