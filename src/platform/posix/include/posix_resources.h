// Test controls of the POSIX platform layer for resources: the executable's
// embedded resource table and modules built by tests. Nothing in the saver's
// own code includes this header.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace posix {

// The executable's own resources come from the table built from the resource
// script; tests can build other modules with resources of their choosing.
HMODULE MainModule();
HMODULE CreateResourceModule();
void DestroyResourceModule(HMODULE module);
// type and name are either text or MAKEINTRESOURCEA values; language is a
// LANGID (MAKELANGID), LANG_NEUTRAL for what every language shares.
void AddResource(HMODULE module, LPCSTR type, LPCSTR name, std::vector<uint8_t> bytes, WORD language = 0);

struct EmbeddedResource {
    const char* type;  // text type, or nullptr when typeId is used
    int typeId;
    const char* name;  // text name, or nullptr when nameId is used
    int nameId;
    const uint8_t* data;
    size_t size;
    WORD language;  // the LANGUAGE statement it was written under
};

// FindResourceA picks among a resource's languages as Windows does for the
// user's language: the language-neutral one, else the first language of the
// locale that the resource comes in, else English, else the first. The
// locale's languages are those of LANGUAGE (a colon-separated list), then of
// the first of LC_ALL, LC_MESSAGES and LANG that is set; in the C or POSIX
// locale, or with none set, LANGUAGE is not read and English is taken.
// A locale set here ("de", "pl_PL.UTF-8") stands in for the environment's;
// an empty one hands the choice back to the environment.
void SetResourceLocale(const std::string& locale);
// The primary language (LANG_GERMAN, ...) of a locale's language code, or
// LANG_NEUTRAL when it names no language the platform knows.
WORD PrimaryLanguageOfLocale(const std::string& locale);
// The primary languages the module's resources come in, each once.
std::vector<WORD> ResourceLanguages(HMODULE module);
// Called by the generated resource table of the executable.
void RegisterEmbeddedResources(const EmbeddedResource* table, size_t count);

}  // namespace posix
