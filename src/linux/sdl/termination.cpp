#include "termination.h"

#include <csignal>

namespace quibac::linux_sdl {

namespace {

volatile std::sig_atomic_t g_terminate = 0;

extern "C" void OnTerminate(int) { g_terminate = 1; }

}  // namespace

void CatchTermination() {
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool TerminationRequested() { return g_terminate != 0; }

}  // namespace quibac::linux_sdl
