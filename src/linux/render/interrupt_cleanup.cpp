#include "interrupt_cleanup.h"

#include <climits>
#include <csignal>
#include <cstring>

#include <unistd.h>

namespace quibac::render {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kMaxPaths = 4;

// Read by the handler at any moment, so fixed buffers, each filled before
// its flag is raised.
struct Cleanup {
    char paths[kMaxPaths][PATH_MAX] = {};
    volatile sig_atomic_t armed[kMaxPaths] = {};
    bool installed = false;
};

Cleanup& TheCleanup() {
    static Cleanup cleanup;
    return cleanup;
}

extern "C" void RemoveAndStop(int signal) {
    Cleanup& c = TheCleanup();
    // Latest first: files before the folders named ahead of them.
    for (int k = kMaxPaths - 1; k >= 0; --k)
        if (c.armed[k] != 0 && unlink(c.paths[k]) != 0) rmdir(c.paths[k]);
    // Ends the process as the signal would have, exit status and all.
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

void RemoveOnInterrupt(const std::string& path) {
    Cleanup& c = TheCleanup();
    if (path.size() >= sizeof(c.paths[0])) return;
    for (int k = 0; k < kMaxPaths; ++k) {
        if (c.armed[k] != 0) continue;
        std::memcpy(c.paths[k], path.c_str(), path.size() + 1);
        c.armed[k] = 1;
        break;
    }
    if (c.installed) return;
    c.installed = true;
    for (int s : kSignals) std::signal(s, RemoveAndStop);
}

void ForgetOnInterrupt(const std::string& path) {
    Cleanup& c = TheCleanup();
    for (int k = 0; k < kMaxPaths; ++k)
        if (c.armed[k] != 0 && path == c.paths[k]) c.armed[k] = 0;
}

}  // namespace quibac::render
