#include "settings/settings.h"

namespace quibac {

Settings ReadSettings() {
    // The stored text is read as a signed number: any non-zero value, even a
    // negative one, means stretched.
    Settings settings;
    settings.Stretch = INT(GetPrivateProfileIntA(kSettingsSection, kStretchKey, kStretchDefault, kSettingsFile));
    return settings;
}

void WriteSettings(const Settings& settings) {
    char text[kSettingTextLength];
    wsprintfA(text, "%i", settings.Stretch);
    WritePrivateProfileStringA(kSettingsSection, kStretchKey, text, kSettingsFile);
}

}  // namespace quibac
