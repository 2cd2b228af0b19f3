// The hack's Stretch comes from its command line alone: the saver reads the
// hack's setting, whatever the user's own files say, and those files (the
// one the settings dialog keeps, and a Windows-style copy under APPDATA) are
// never read or written; the run's own folder is gone when the hack ends.
#include "hack_settings.h"

#include "settings/settings.h"
#include "support/temp_folder.h"

#include <posix_control.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace quibac::linux_sdl {
namespace {

using testing::TempFolder;

// Sets an environment variable for the length of a test.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string SettingsText(int stretch) {
    return "[Other]\nKept=yes\n[Quib Advent Screen Saver]\nStretch=" + std::to_string(stretch) + "\n";
}

TEST(HackSettingsTest, TheCommandLineAloneSetsStretchAndTheUsersFilesStayAsTheyWere) {
    for (const bool stretch : {true, false}) {
        SCOPED_TRACE(stretch ? "-stretch" : "-no-stretch");
        TempFolder config, appData, temporary;
        const ScopedVariable configHome("XDG_CONFIG_HOME", config.path());
        const ScopedVariable appDataVariable(kAppDataVariable, appData.path());
        const ScopedVariable temporaryFolder("TMPDIR", temporary.path());
        // The user's files say the opposite of the hack's command line.
        const std::string userText = SettingsText(stretch ? 0 : 1);
        config.Write(kSettingsFile, userText);
        std::filesystem::create_directory(appData.Path(kUserSettingsFolder));
        appData.Write(std::string(kUserSettingsFolder) + "/" + kSettingsFile, userText);
        posix::ResetPlatform();
        posix::SetProfileDirectory("");
        {
            HackSettings hack(stretch);
            // As the program does before each run of the saver, after the
            // platform's reset.
            for (int run = 0; run < 2; ++run) {
                posix::ResetPlatform();
                hack.Apply();
                EXPECT_EQ(ReadSettings().Stretch != 0, stretch) << "run " << run;
            }
            EXPECT_NE(temporary.Listing(), "") << "the run's folder is in TMPDIR";
        }
        EXPECT_EQ(config.Read(kSettingsFile), userText);
        EXPECT_EQ(appData.Read(std::string(kUserSettingsFolder) + "/" + kSettingsFile), userText);
        EXPECT_EQ(temporary.Listing(), "") << "the run's folder is left behind";
        // The saver's other modes find the user's file again.
        EXPECT_EQ(posix::ProfilePath(kSettingsFile), config.Path(kSettingsFile));
        EXPECT_EQ(ReadSettings().Stretch != 0, !stretch);
    }
}

}  // namespace
}  // namespace quibac::linux_sdl
