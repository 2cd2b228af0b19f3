#include "session_checks.h"

#include <posix_objects.h>
#include <posix_windows.h>

#include <cstdio>

namespace quibac::linux_sdl {

SessionBaseline TakeBaseline() { return {posix::LiveGdiObjects(), posix::LiveMemoryBlocks()}; }

bool ReportLeftovers(const SessionBaseline& baseline) {
    const struct {
        const char* what;
        int left;
    } counts[] = {
        {"threads", posix::LiveThreads()},
        {"thread handles", posix::OpenThreadHandles()},
        {"event handles", posix::OpenEventHandles()},
        {"windows", posix::LiveWindows()},
        {"GDI objects", posix::LiveGdiObjects() - baseline.gdiObjects},
        {"memory blocks", posix::LiveMemoryBlocks() - baseline.memoryBlocks},
    };
    bool clean = true;
    for (const auto& count : counts) {
        if (count.left == 0) continue;
        std::fprintf(stderr, "quibac: left behind: %d %s\n", count.left, count.what);
        clean = false;
    }
    return clean;
}

}  // namespace quibac::linux_sdl
