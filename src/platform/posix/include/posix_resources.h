// Test controls of the POSIX platform layer for resources: the executable's
// embedded resource table and modules built by tests. Nothing in the saver's
// own code includes this header.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace posix {

// The executable's own resources come from the table built from the resource
// script; tests can build other modules with resources of their choosing.
HMODULE MainModule();
HMODULE CreateResourceModule();
void DestroyResourceModule(HMODULE module);
// type and name are either text or MAKEINTRESOURCEA values.
void AddResource(HMODULE module, LPCSTR type, LPCSTR name, std::vector<uint8_t> bytes);

struct EmbeddedResource {
    const char* type;  // text type, or nullptr when typeId is used
    int typeId;
    const char* name;  // text name, or nullptr when nameId is used
    int nameId;
    const uint8_t* data;
    size_t size;
};
// Called by the generated resource table of the executable.
void RegisterEmbeddedResources(const EmbeddedResource* table, size_t count);

}  // namespace posix
