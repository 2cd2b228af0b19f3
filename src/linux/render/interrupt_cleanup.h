// A render stopped by Ctrl-C (or SIGTERM, SIGHUP) leaves nothing of its own
// behind: no half-written GIF, no temporary folder. The files and folders to
// remove are named here, and the signal removes them before it ends the
// process as it would have ended it.
#pragma once

#include <string>

namespace quibac::render {

// Names a file, or a folder that will be empty once the files named after
// it are gone, to remove on an interrupt. The first call installs the
// handlers. A handful of paths at most.
void RemoveOnInterrupt(const std::string& path);
// Forgets a path: it is finished, or already removed.
void ForgetOnInterrupt(const std::string& path);

}  // namespace quibac::render
