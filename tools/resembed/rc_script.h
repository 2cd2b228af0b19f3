// The resources a resource script defines: files to embed as they are
// (NAME TYPE "file") and dialogs compiled to templates. Icons and cursors are
// left out (their files need splitting into several resources); version
// information and string tables are skipped.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace resembed {

struct Resource {
    std::string name;  // text name, or empty when nameId is used
    int nameId = 0;
    std::string type;  // text type, or empty when typeId is used
    int typeId = 0;
    uint16_t language = 0;       // of the LANGUAGE statement in force, 0 (neutral) before any
    std::filesystem::path file;  // embedded file, or empty when data is used
    size_t fileSkip = 0;         // leading bytes of the file the resource leaves out
    std::vector<uint8_t> data;
};

// Throws ScriptError, naming file and line, for anything it cannot compile
// exactly.
std::vector<Resource> ReadResources(const std::filesystem::path& script);

}  // namespace resembed
