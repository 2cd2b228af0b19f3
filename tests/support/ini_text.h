// QUIBAC.INI's text as the saver writes it, for tests that put a setting in
// place or look at what was stored.
#pragma once

#include "settings/settings.h"

#include <string>

namespace quibac::testing {

// The one section with the one key holding value, after any lines given
// before it.
inline std::string StretchIni(const std::string& value, const std::string& before = "") {
    return before + "[" + kSettingsSection + "]\n" + kStretchKey + "=" + value + "\n";
}

// The whole file as OK writes it from an empty start: both keys.
inline std::string SavedIni(const std::string& stretch, const std::string& everyMonitor = "0") {
    return StretchIni(stretch) + kEveryMonitorKey + "=" + everyMonitor + "\n";
}

}  // namespace quibac::testing
