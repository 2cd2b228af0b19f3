// The names from the Windows headers that resource scripts use in dialog
// statements, with their values from the SDK. A script that uses a name not
// listed here fails to build on Linux rather than compiling to something
// other than what the resource compiler makes of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace resembed {

std::optional<uint32_t> LookupSymbol(const std::string& name);

}  // namespace resembed
