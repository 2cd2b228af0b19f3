// Entries of system libraries looked up by name at run time, for what not
// every supported Windows has: a missing entry is a missing feature, where a
// direct import would stop the program from loading at all.
#pragma once

#include <windows.h>

namespace quibac {

// An entry found by name, as the function type it is documented to have;
// nullptr when the module or the entry is missing.
template <typename Function>
Function EntryOf(HMODULE module, const char* name) {
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace quibac
