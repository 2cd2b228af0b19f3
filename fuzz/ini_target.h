// The private-profile reader and writer on arbitrary files, the body of the
// ini fuzz target: reading never fails, writing a key makes the reader find
// exactly that value, and every other line of the file survives byte for
// byte. The platform suite replays the committed corpus through it too, so
// that a fault once found and fixed stays fixed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quibac::fuzzing {

// The profile file the edits go to, named without a folder: it lives in the
// folder given to posix::SetProfileDirectory.
inline constexpr char kFuzzProfile[] = "FUZZ.INI";

// Input: one byte choosing the operation, section, key and value, then the
// file's bytes, which are written to folder/kFuzzProfile and edited there.
// Returns what went wrong, empty when nothing.
std::string EditProfile(const uint8_t* data, size_t size, const std::string& folder);

}  // namespace quibac::fuzzing
