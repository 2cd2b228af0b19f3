// Test controls of the POSIX platform layer for private-profile (INI) files:
// the folder they live in. Nothing in the saver's own code includes this
// header.
#pragma once

#include <string>

namespace posix {

// A profile file named without a folder lives in this folder. Empty (the
// start state) means the user's configuration folder: $XDG_CONFIG_HOME when
// it holds an absolute path, otherwise ~/.config.
void SetProfileDirectory(const std::string& folder);
// The path that GetPrivateProfileIntA and WritePrivateProfileStringA use for
// a file name.
std::string ProfilePath(const std::string& fileName);

}  // namespace posix
