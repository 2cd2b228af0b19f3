#include "support/resource_bytes.h"

namespace quibac::testing {

std::vector<uint8_t> ResourceBytes(HMODULE module, LPCSTR type, LPCSTR name) {
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) return {};
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module, found)));
    if (bytes == nullptr) return {};
    return std::vector<uint8_t>(bytes, bytes + SizeofResource(module, found));
}

}  // namespace quibac::testing
