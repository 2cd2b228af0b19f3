// The saver's user settings, kept in a private-profile (INI) file: Stretch (0
// shows the 800 x 600 picture centred, anything else stretches it to the
// whole window) and EveryMonitor (0 shows the calendar on the primary monitor
// and covers the others in black, anything else shows it on every monitor).
#pragma once

#include <windows.h>

#include <cstddef>

namespace quibac {

constexpr const char kSettingsFile[] = "QUIBAC.INI";
// Where the file goes when the Windows directory cannot be written (as for a
// standard user of Windows 2000 and later): this folder under the user's
// application-data folder, which the environment names.
constexpr const char kAppDataVariable[] = "APPDATA";
constexpr const char kUserSettingsFolder[] = "Quib Advent Screen Saver";
constexpr const char kSettingsSection[] = "Quib Advent Screen Saver";
constexpr const char kStretchKey[] = "Stretch";
constexpr INT kStretchDefault = 0;
constexpr const char kEveryMonitorKey[] = "EveryMonitor";
// What every file written before the setting existed means.
constexpr INT kEveryMonitorDefault = 0;
// Room for the formatted value; "%i" of any 32-bit number fits with room to spare.
constexpr size_t kSettingTextLength = 32;

struct Settings {
    INT Stretch = kStretchDefault;            // as stored; any value but 0 means stretched
    INT EveryMonitor = kEveryMonitorDefault;  // as stored; any value but 0 means on
};

// The settings in the file: the user's copy when there is one, else the
// Windows directory's. A missing file, section or key gives the default.
Settings ReadSettings();
// Writes the settings where ReadSettings will find them: into the user's copy
// when there is one; else into the Windows directory, and when that fails,
// into a new user's copy. False when the setting is stored nowhere: both
// places refused it, or the user's folder is too long a path for the buffers
// or cannot be made. A failed write leaves every file as it was.
bool WriteSettings(const Settings& settings);

}  // namespace quibac
