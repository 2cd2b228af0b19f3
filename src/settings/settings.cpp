#include "settings/settings.h"

#include <cstring>

namespace quibac {

namespace {

// The user's copy of the file and its folder, or false when the environment
// names no application-data folder (Windows 95/98) or too long a one.
struct UserCopy {
    char folder[MAX_PATH] = {};
    char file[MAX_PATH] = {};
};

bool FindUserCopy(UserCopy& copy) {
    char appData[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA(kAppDataVariable, appData, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    const size_t folderLength = size_t(length) + 1 + std::strlen(kUserSettingsFolder);
    if (folderLength + 1 + std::strlen(kSettingsFile) >= MAX_PATH) return false;
    wsprintfA(copy.folder, "%s\\%s", appData, kUserSettingsFolder);
    wsprintfA(copy.file, "%s\\%s", copy.folder, kSettingsFile);
    return true;
}

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

bool IsFolder(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The file ReadSettings reads: the user's copy once it exists.
const char* SettingsPath(const UserCopy& copy, bool haveCopy) {
    return haveCopy && Exists(copy.file) ? copy.file : kSettingsFile;
}

// Each key as a number; the stored text is read as a signed number, so any
// non-zero value, even a negative one, means on.
INT ReadKey(const char* key, INT fallback, const char* path) {
    return INT(GetPrivateProfileIntA(kSettingsSection, key, fallback, path));
}

// Both keys into one file; false when the file refused either.
bool WriteKeys(const Settings& settings, const char* path) {
    char stretch[kSettingTextLength];
    char everyMonitor[kSettingTextLength];
    wsprintfA(stretch, "%i", settings.Stretch);
    wsprintfA(everyMonitor, "%i", settings.EveryMonitor);
    return WritePrivateProfileStringA(kSettingsSection, kStretchKey, stretch, path) &&
           WritePrivateProfileStringA(kSettingsSection, kEveryMonitorKey, everyMonitor, path);
}

}  // namespace

Settings ReadSettings() {
    UserCopy copy;
    const bool haveCopy = FindUserCopy(copy);
    const char* path = SettingsPath(copy, haveCopy);
    Settings settings;
    settings.Stretch = ReadKey(kStretchKey, kStretchDefault, path);
    settings.EveryMonitor = ReadKey(kEveryMonitorKey, kEveryMonitorDefault, path);
    return settings;
}

bool WriteSettings(const Settings& settings) {
    UserCopy copy;
    const bool haveCopy = FindUserCopy(copy);
    const char* path = SettingsPath(copy, haveCopy);
    if (WriteKeys(settings, path)) return true;
    if (path != kSettingsFile || !haveCopy) return false;
    // The Windows directory refused: keep the settings with the user instead,
    // both keys together, since the user's copy is the one read from now on;
    // in a folder that is there or can be made.
    if (!CreateDirectoryA(copy.folder, nullptr) && !IsFolder(copy.folder)) return false;
    return WriteKeys(settings, copy.file);
}

}  // namespace quibac
