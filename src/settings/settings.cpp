#include "settings/settings.h"

namespace quibac {

Settings& CurrentSettings() {
    static Settings settings;
    return settings;
}

INT ReadSettings() {
    // The stored text is read as a signed number: any non-zero value, even a
    // negative one, means stretched.
    CurrentSettings().Stretch = INT(GetPrivateProfileIntA(kSettingsSection, kStretchKey, kStretchDefault, kSettingsFile));
    return CurrentSettings().Stretch;
}

void WriteSettings() {
    char text[kSettingTextLength];
    wsprintfA(text, "%i", CurrentSettings().Stretch);
    WritePrivateProfileStringA(kSettingsSection, kStretchKey, text, kSettingsFile);
}

}  // namespace quibac
