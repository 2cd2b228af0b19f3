// The command-line reading that picks the program's mode, the body of the
// cmdline fuzz target: whatever the control panel (or anyone) starts the
// program with, every pointer the reader hands back stays inside the text,
// the platform only decides whether the password mode exists, letters ask for
// their mode in either case, and the handle's digits read as the decimal value
// they spell. A command whose mode ends at once (a preview of a window that
// does not exist, an unknown letter) runs through HostMain as well. The host
// suite replays the committed corpus through it too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quibac::fuzzing {

// Input: the whole command line, program name included; it ends at the first
// zero byte. Returns what went wrong, empty when nothing.
std::string ReadCommandLine(const uint8_t* data, size_t size);

}  // namespace quibac::fuzzing
