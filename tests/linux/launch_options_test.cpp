// The Linux program's command line: the saver's own mode letters, or
// XScreenSaver's hack options, where the window named on the command line
// wins over the one the environment names.
#include "launch_options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
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
        // The hack's Stretch as given; none leaves the saver's default.
        std::optional<bool> stretch = std::nullopt;
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
        {{"-stretch"}, nullptr, Launch::Hack, HackTarget::OwnWindow, 0, "", false, false, true},
        {{"-root", "--no-stretch"}, nullptr, Launch::Hack, HackTarget::VirtualRoot, 0, "", false, false, false},
        {{"-window", "-no-stretch", "-stretch"},
         nullptr,
         Launch::Hack,
         HackTarget::OwnWindow,
         0,
         "",
         false,
         false,
         true},
        {{"-bogus"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"-window-id"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"-window-id", "0"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"-window-id", "0x12zz"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"/s", "-root"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{}, "window", Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"/s", "--date", "2026-02-29"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"-root", "--seed", "4294967296"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
        {{"/s", "--seed"}, nullptr, Launch::Usage, HackTarget::OwnWindow, 0, "", false, false},
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
        EXPECT_EQ(options.stretch, row.stretch);
    }
}

TEST(LaunchOptionsTest, DateAndSeedPinTheShowInEitherKindOfLaunch) {
    const LaunchOptions saver = ReadLaunchOptions({"--date", "2028-02-29", "/s", "--seed", "4294967295"}, nullptr);
    ASSERT_EQ(saver.launch, Launch::Windows) << saver.problem;
    EXPECT_EQ(saver.commandText, "/s");
    ASSERT_TRUE(saver.date && saver.seed);
    EXPECT_EQ((std::tuple{saver.date->year, saver.date->month, saver.date->day}), (std::tuple{2028, 2, 29}));
    EXPECT_EQ(*saver.seed, 4294967295u);
    const LaunchOptions hack = ReadLaunchOptions({"-root", "-seed", "0"}, nullptr);
    ASSERT_EQ(hack.launch, Launch::Hack) << hack.problem;
    EXPECT_EQ(hack.seed, 0u);
    EXPECT_FALSE(hack.date);
}

}  // namespace
}  // namespace quibac::linux_sdl
