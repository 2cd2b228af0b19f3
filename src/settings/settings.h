// The saver's one user setting, Stretch, kept in a private-profile (INI)
// file: 0 shows the 800 x 600 picture centred, anything else stretches it to
// the whole window.
#pragma once

#include <windows.h>

#include <cstddef>

namespace quibac {

constexpr const char kSettingsFile[] = "QUIBAC.INI";
constexpr const char kSettingsSection[] = "Quib Advent Screen Saver";
constexpr const char kStretchKey[] = "Stretch";
constexpr INT kStretchDefault = 0;
// Room for the formatted value; "%i" of any 32-bit number fits with room to spare.
constexpr size_t kSettingTextLength = 32;

struct Settings {
    INT Stretch = kStretchDefault;
};

// The process's setting, as last read or as the dialog left it.
Settings& CurrentSettings();

// Sets Stretch from the file (the default when the file, section or key is
// missing) and returns it.
INT ReadSettings();
// Writes Stretch to the file. A failed write goes unnoticed.
void WriteSettings();

}  // namespace quibac
