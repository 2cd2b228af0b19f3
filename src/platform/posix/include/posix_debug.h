// Test controls of the POSIX platform layer for debug output: what the saver
// writes with OutputDebugStringA. Nothing in the saver's own code includes
// this header.
#pragma once

#include <string>

namespace posix {

// OutputDebugStringA appends here (up to a bound, after which only the count of
// dropped bytes grows) and, when echo is on, to standard error.
std::string DebugOutput();
void ClearDebugOutput();
void SetDebugCapture(bool on);
void SetDebugEcho(bool on);

}  // namespace posix
