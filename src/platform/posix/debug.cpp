// Debug output: captured for tests, optionally echoed, and formatting.
#include "internal.h"

#include <posix_control.h>

#include <atomic>
#include <cstdio>
#include <mutex>

namespace {
// Enough for every trace of a long run of tests; beyond it only a count grows
// so that a soak cannot exhaust memory through its traces.
constexpr size_t kCaptureLimit = 64u << 20;

struct DebugState {
    std::mutex lock;
    std::string text;
    size_t dropped = 0;
    std::atomic<bool> capture{true};
    std::atomic<bool> echo{false};
};

DebugState& Debug() {
    static auto* state = new DebugState();
    return *state;
}
}  // namespace

void WINAPI OutputDebugStringA(LPCSTR text) {
    if (text == nullptr) return;
    DebugState& d = Debug();
    if (d.echo) std::fputs(text, stderr);
    if (!d.capture) return;
    std::lock_guard<std::mutex> guard(d.lock);
    const std::string_view piece(text);
    if (d.text.size() + piece.size() > kCaptureLimit)
        d.dropped += piece.size();
    else
        d.text.append(piece);
}

int WINAPI wvsprintfA(LPSTR buffer, LPCSTR format, va_list arglist) {
    // wsprintfA writes at most 1024 characters, terminator included.
    int n = std::vsnprintf(buffer, 1024, format, arglist);
    return n < 0 ? 0 : (n > 1023 ? 1023 : n);
}

int WINAPIV wsprintfA(LPSTR buffer, LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    int n = wvsprintfA(buffer, format, args);
    va_end(args);
    return n;
}

namespace posix::detail {
void ResetDebugOutput() {
    DebugState& d = Debug();
    std::lock_guard<std::mutex> guard(d.lock);
    d.text.clear();
    d.dropped = 0;
    d.capture = true;
}
}  // namespace posix::detail

namespace posix {
std::string DebugOutput() {
    DebugState& d = Debug();
    std::lock_guard<std::mutex> guard(d.lock);
    return d.text;
}
void ClearDebugOutput() {
    DebugState& d = Debug();
    std::lock_guard<std::mutex> guard(d.lock);
    d.text.clear();
    d.dropped = 0;
}
void SetDebugCapture(bool on) { Debug().capture = on; }
void SetDebugEcho(bool on) { Debug().echo = on; }
}  // namespace posix
