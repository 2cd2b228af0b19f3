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
    INT Stretch = kStretchDefault;  // as stored; any value but 0 means stretched
};

// The settings in the file; a missing file, section or key gives the default.
Settings ReadSettings();
// Writes the settings to the file. A failed write goes unnoticed.
void WriteSettings(const Settings& settings);

}  // namespace quibac
