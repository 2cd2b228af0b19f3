// SIGTERM (how XScreenSaver stops a hack) and SIGINT only raise a flag; the
// main loop sees it on its next wake and closes the saver as a user would,
// so the show thread is stopped and everything is freed before the exit.
#pragma once

namespace quibac::linux_sdl {

void CatchTermination();
bool TerminationRequested();

}  // namespace quibac::linux_sdl
