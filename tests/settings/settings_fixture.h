// Common ground for the settings tests: a fresh folder for QUIBAC.INI, the
// dialog run by a script of user actions, and a check that no dialog was
// left waiting for input it never got.
#pragma once

#include "settings/config_dialog.h"
#include "settings/settings.h"
#include "support/ini_text.h"
#include "support/platform_fixture.h"
#include "support/temp_folder.h"

#include <posix_control.h>

#include <string>
#include <vector>

namespace quibac::testing {

// The whole file after OK, from an empty start: Stretch off or on, every
// monitor off.
inline const std::string kSavedZero = SavedIni("0");
inline const std::string kSavedOne = SavedIni("1");

class SettingsTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        posix::SetProfileDirectory(folder_.path());
        posix::SetDialogDriver(nullptr);
        unattendedAtStart_ = posix::UnattendedDialogs();
    }
    void TearDown() override {
        EXPECT_EQ(posix::UnattendedDialogs(), unattendedAtStart_) << "a dialog waited for input it never got";
        posix::SetDialogDriver(nullptr);
        posix::SetProfileDirectory("");
        PlatformTest::TearDown();
    }

    // Runs the configuration dialog through the steps; returns its result.
    int Configure(std::vector<posix::DialogStep> steps, HWND owner = nullptr) {
        posix::ScriptDialog(std::move(steps));
        return RunConfigDialog(owner);
    }
    // What the check box shows when the dialog opens (then cancelled).
    UINT BoxWhenOpened() {
        UINT shown = 99;
        EXPECT_EQ(Configure({posix::DialogStep::Run([&](HWND d) { shown = IsDlgButtonChecked(d, kStretchBox); }),
                             posix::DialogStep::Escape()}),
                  0);
        return shown;
    }
    std::string IniText() const { return folder_.Read(kSettingsFile); }
    void SetIniText(const std::string& text) const { folder_.Write(kSettingsFile, text); }
    bool IniExists() const { return folder_.Exists(kSettingsFile); }

    TempFolder folder_;

private:
    int unattendedAtStart_ = 0;
};

}  // namespace quibac::testing
