// The resource script fragment (art.rc) that names the resource set for the
// executable: the pictures every language shares, then each language's
// pictures, name and configuration dialog under its LANGUAGE statement.
#pragma once

#include "languages.h"

#include <string>
#include <vector>

namespace artgen {

struct ScriptEntry {
    std::string resource;  // name and type, as the script writes them
    std::string file;      // relative to the script
};

struct LanguageEntries {
    const Language* language = nullptr;
    std::vector<ScriptEntry> entries;
};

// The dialog template (config_dialog.rc) with a language's strings in place
// of its {key}s, its comment lines left out. Throws for a key the language
// lacks or a brace left open.
std::string FillDialogTemplate(const std::string& templateText, const Language& language);

std::string ResourceScript(const std::vector<ScriptEntry>& shared, const std::vector<LanguageEntries>& languages,
                           const std::string& dialogTemplate);

}  // namespace artgen
