// A resource's bytes, copied out of the module that holds it: to compare with
// a file, to take apart, or to build another module from.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace quibac::testing {

// Empty when the module has no such resource. type and name are text or
// MAKEINTRESOURCEA values.
std::vector<uint8_t> ResourceBytes(HMODULE module, LPCSTR type, LPCSTR name);

}  // namespace quibac::testing
