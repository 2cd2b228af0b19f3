// The resources of a .res file as a resource compiler writes them, so tests
// can hold our own resource handling against windres's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quibac::testing {

struct ResEntry {
    bool typeIsId = false, nameIsId = false;
    int typeId = 0, nameId = 0;
    std::string typeName, name;  // upper-case, as windres writes names
    uint16_t language = 0;
    std::vector<uint8_t> data;
};

// Empty when the file cannot be read; stops at the first damaged entry.
std::vector<ResEntry> ReadResFile(const std::string& path);

// The entry of a numbered type and name (in a language, when one is given),
// or nullptr.
const ResEntry* FindRes(const std::vector<ResEntry>& entries, int typeId, int nameId, int language = -1);

}  // namespace quibac::testing
