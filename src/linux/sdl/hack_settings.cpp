#include "hack_settings.h"

#include "settings/settings.h"

#include <posix_profile.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quibac::linux_sdl {

namespace {

std::string TemporaryFolderTemplate() {
    const char* base = std::getenv("TMPDIR");
    return std::string(base != nullptr && base[0] == '/' ? base : "/tmp") + "/quibac-hack-XXXXXX";
}

}  // namespace

HackSettings::HackSettings(bool stretch) : stretch_(stretch) {
    if (const char* appData = std::getenv(kAppDataVariable)) {
        appData_ = appData;
        unsetenv(kAppDataVariable);
    }
    std::string pattern = TemporaryFolderTemplate();
    std::vector<char> writable(pattern.begin(), pattern.end());
    writable.push_back('\0');
    if (mkdtemp(writable.data()) != nullptr) folder_ = writable.data();
}

HackSettings::~HackSettings() {
    if (appData_) setenv(kAppDataVariable, appData_->c_str(), 1);
    if (folder_.empty()) return;
    const std::string file = posix::ProfilePath(kSettingsFile);
    posix::SetProfileDirectory("");
    std::remove(file.c_str());
    rmdir(folder_.c_str());
}

void HackSettings::Apply() const {
    // Without a folder of its own the hack shows the saver's defaults, as a
    // missing settings file does.
    if (folder_.empty()) return;
    posix::SetProfileDirectory(folder_);
    Settings settings;
    settings.Stretch = stretch_ ? 1 : 0;
    WriteSettings(settings);
}

}  // namespace quibac::linux_sdl
