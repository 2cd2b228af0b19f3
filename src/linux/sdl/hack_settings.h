// An XScreenSaver hack takes its settings from its command line, where
// XScreenSaver's own settings put them: the Stretch check box passes
// -stretch, and without it the picture is centred. They are handed to the
// saver through a settings file of the run's own, so that the user's file,
// which the settings dialog keeps for the saver's other modes, is never
// touched.
#pragma once

#include <optional>
#include <string>

namespace quibac::linux_sdl {

class HackSettings {
public:
    // Also hides APPDATA for the run: the saver would read a copy of the
    // user's file under it before the run's own, and write the hack's
    // setting into it.
    explicit HackSettings(bool stretch);
    ~HackSettings();  // removes the run's file and folder, and gives APPDATA back
    HackSettings(const HackSettings&) = delete;
    HackSettings& operator=(const HackSettings&) = delete;

    // Points the platform's settings files at the run's folder and writes the
    // setting there; again after every platform reset.
    void Apply() const;

private:
    bool stretch_;
    std::string folder_;  // empty when no folder could be made
    std::optional<std::string> appData_;
};

}  // namespace quibac::linux_sdl
