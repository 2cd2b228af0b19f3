// The Linux program's command line: the saver's own mode letters, or
// XScreenSaver's hack options, where the window named on the command line
// wins over the one the environment names.
#include "launch_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quibac::linux_sdl {
namespace {

TEST(LaunchOptionsTest, ModeLettersAndHackOptionsChooseHowAndWhereTheProgramRuns) {
    const struct {
        std::vector<std::string> arguments;
        const char* environmentWindow;
        Launch launch;
        HackTarget target;
        unsigned long windowId;
        std::string commandText;
        bool windowed, ownPreview;
    } rows[] = {
        {{}, nullptr, Launch::Windows, HackTarget::OwnWindow, 0, "", false, false},
        {{"/s"}, nullptr, Launch::Windows, HackTarget::OwnWindow, 0, "/s", false, false},
        {{"--window", "-S"}, nullptr, Launch::Windows, HackTarget::OwnWindow, 0, "-S", true, false},
        {{"/p"}, nullptr, Launch::Windows, HackTarget::OwnWindow, 0, "/p", false, true},
        {{"/p", "1234"}, nullptr, Launch::Windows, HackTarget::OwnWindow, 0, "/p 1234", false, false},
        {{"/c:77"}, nullptr, Launch::Windows, HackTarget::OwnWindow, 0, "/c:77", false, false},
        {{"-root"}, nullptr, Launch::Hack, HackTarget::VirtualRoot, 0, "", false, false},
        {{"-root"}, "0x2a", Launch::Hack, HackTarget::GivenWindow, 42, "", false, false},
        {{}, "77", Launch::Hack, HackTarget::GivenWindow, 77, "", false, false},
        {{"--root", "--window-id", "0x400007"},
         "0x2a",
         Launch::Hack,
         HackTarget::GivenWindow,
         0x400007,
         "",
         false,
         false},
        {{"-window"}, "0x2a", Launch::Hack, HackTarget::OwnWindow, 0, "", false, false},
        {{"-stretch"}, nullptr, Launch::Hack, HackTarget::OwnWindow, 0, "", false, false},
        {{"-bogus"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"-window-id"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"-window-id", "0"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"-window-id", "0x12zz"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"/s", "-root"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{}, "window", Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
    };
    for (const auto& row : rows) {
        std::string line;
        for (const std::string& argument : row.arguments) line += argument + " ";
        SCOPED_TRACE(line + "| XSCREENSAVER_WINDOW=" + (row.environmentWindow ? row.environmentWindow : "(unset)"));
        const LaunchOptions options = ReadLaunchOptions(row.arguments, row.environmentWindow);
        EXPECT_EQ(options.launch, row.launch) << options.problem;
        if (options.launch == Launch::Usage) {
            EXPECT_FALSE(options.problem.empty());
            continue;
        }
        if (row.launch == Launch::Hack) {
            EXPECT_EQ(options.target, row.target);
            EXPECT_EQ(options.windowId, row.windowId);
        }
        EXPECT_EQ(options.commandText, row.commandText);
        EXPECT_EQ(options.windowed, row.windowed);
        EXPECT_EQ(options.ownPreview, row.ownPreview);
    }
}

}  // namespace
}  // namespace quibac::linux_sdl
