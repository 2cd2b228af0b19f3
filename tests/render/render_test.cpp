// quibac-render as a user runs it: the same arguments make the same files to
// the byte, the GIF is one a common tool reads with every frame at the screen's
// size, and arguments it cannot honour are refused before anything is written.
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

namespace quibac {
namespace {

constexpr int kBadArgumentsExitCode = 2;

struct Outcome {
    int exitCode = -1;
    std::string errors;
};

// Runs the program with the arguments (a shell word list), its standard
// error kept in the folder given and read back; environment (NAME=value
// words) is set for it alone.
Outcome RunRender(const std::string& arguments, const std::string& scratch, const std::string& environment = "") {
    const std::string errors = scratch + "/stderr.txt";
    const std::string command =
        "env " + environment + " " + QUIBAC_RENDER + " " + arguments + " >/dev/null 2>'" + errors + "'";
    const int status = std::system(command.c_str());
    Outcome outcome;
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (FILE* file = std::fopen(errors.c_str(), "rb")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof(buffer), file)) > 0) outcome.errors.append(buffer, n);
        std::fclose(file);
    }
    std::remove(errors.c_str());
    return outcome;
}

std::string CommandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

TEST(RenderTest, TheSameArgumentsMakeTheSameBytes) {
    const std::string arguments = "--date 2026-12-07 --size 200x150 --seconds 3 --fps 10 --seed 7";
    testing::TempFolder first, second, scratch;
    for (const testing::TempFolder* out : {&first, &second}) {
        const Outcome run =
            RunRender(arguments + " --out " + out->path() + " --gif " + out->Path("show.gif"), scratch.path());
        ASSERT_EQ(run.exitCode, 0) << run.errors;
    }
    ASSERT_EQ(first.Listing(), second.Listing());
    std::istringstream names(first.Listing());
    std::set<std::string> distinctFrames;
    int files = 0;
    for (std::string name; names >> name; ++files) {
        const std::string bytes = first.Read(name);
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(bytes == second.Read(name)) << name << " differs between two runs";
        if (name != "show.gif") distinctFrames.insert(bytes);
    }
    EXPECT_EQ(files, 30 + 1) << "30 PNG frames and the GIF";
    EXPECT_GT(distinctFrames.size(), 3u) << "the show moves over three seconds";
}

TEST(RenderTest, TheGifHoldsEveryFrameAtTheScreenSize) {
    testing::TempFolder out;
    const Outcome run = RunRender(
        "--date 2026-12-24 --size 320x240 --stretch --seconds 2 --fps 25 --gif " + out.Path("show.gif"), out.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    // One line per frame: the canvas each frame is drawn on.
    const std::string frames = CommandOutput("identify -format '%W %H\\n' '" + out.Path("show.gif") + "' 2>&1");
    std::string expected;
    for (int k = 0; k < 2 * 25; ++k) expected += "320 240\n";
    EXPECT_EQ(frames, expected);
}

// The last frame of a render of the 7th that reaches the first door, with
// the header over it; environment is put before the command.
std::string DoorFrame(const std::string& environment, const std::string& language) {
    testing::TempFolder out, scratch;
    const std::string arguments = "--date 2026-12-07 --seconds 16 --fps 1 --out '" + out.path() + "'" +
                                  (language.empty() ? "" : " --lang " + language);
    const Outcome run = RunRender(arguments, scratch.path(), environment);
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    return out.Read("frame-00015.png");
}

TEST(RenderTest, TheLanguageIsTheLocalesUnlessLangNamesOne) {
    const std::string english = DoorFrame("LANG=C.UTF-8", "");
    const std::string german = DoorFrame("LANG=C.UTF-8", "de");
    ASSERT_FALSE(english.empty());
    ASSERT_FALSE(german.empty());
    EXPECT_NE(german, english) << "the header is German";
    EXPECT_EQ(DoorFrame("LANG=de_DE.UTF-8", ""), german) << "a German locale gives the same";
    EXPECT_EQ(DoorFrame("LANG=de_DE.UTF-8", "en"), english) << "--lang wins over the locale";
    EXPECT_EQ(DoorFrame("LANG=fi_FI.UTF-8", ""), english) << "a language the saver lacks gives English";
}

struct BadArgumentsRow {
    const char* arguments;  // OUT stands for an empty, writable folder
    const char* message;
};

const BadArgumentsRow kBadArgumentsRows[] = {
    {"--out OUT --colour red", "unknown option '--colour'"},
    {"--out OUT extra", "unexpected argument 'extra'"},
    {"--out OUT --date 2026-02-30", "--date '2026-02-30' is not a date"},
    {"--out OUT --date 7.12.2026", "--date '7.12.2026' is not a date"},
    {"--out OUT --size 0x600", "--size '0x600' is not a size"},
    {"--out OUT --size -800x600", "--size '-800x600' is not a size"},
    {"--out OUT --size 7681x4320", "--size '7681x4320' is not a size"},
    {"--out OUT --seconds ten", "--seconds 'ten' is not a whole number"},
    {"--out OUT --fps 2.5", "--fps '2.5' is not a whole number"},
    {"--out OUT --seed -1", "--seed '-1' is not a whole number"},
    {"--out OUT --seconds", "--seconds needs a value"},
    {"--gif OUT/show.gif --fps 60", "--fps 60 is too fast for a GIF"},
    {"--seconds 2", "nothing to write"},
    {"--out OUT/missing", "the --out folder 'OUT/missing' cannot be used: No such file or directory"},
    {"--gif OUT", "--gif 'OUT' is a folder"},
    {"--gif /proc/show.gif", "the --gif file's folder '/proc' cannot be written"},
    {"--out OUT --lang xx", "--lang 'xx' is not one of the saver's languages"},
    {"--out OUT --lang fi", "--lang 'fi' is not one of the saver's languages"},
    {"--out OUT --lang de_DE.UTF-8", "--lang 'de_DE.UTF-8' is not one of the saver's languages"},
    {"--out OUT --lang", "--lang needs a value"},
};

TEST(RenderTest, BadArgumentsAreRefusedWithTheirReasonAndNothingIsWritten) {
    testing::TempFolder scratch;
    for (const BadArgumentsRow& row : kBadArgumentsRows) {
        testing::TempFolder out;
        std::string arguments = row.arguments, message = row.message;
        for (std::string* text : {&arguments, &message})
            for (size_t at; (at = text->find("OUT")) != std::string::npos;) text->replace(at, 3, out.path());
        SCOPED_TRACE(arguments);
        const Outcome run = RunRender(arguments, scratch.path());
        EXPECT_EQ(run.exitCode, kBadArgumentsExitCode);
        // One line of reason, one of help.
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 2) << run.errors;
        EXPECT_EQ(run.errors.rfind("quibac-render: ", 0), 0u) << run.errors;
        EXPECT_NE(run.errors.find("\nTry 'quibac-render --help' for more information.\n"), std::string::npos);
        EXPECT_NE(run.errors.find(message), std::string::npos) << run.errors;
        EXPECT_EQ(out.Listing(), "");
    }
}

}  // namespace
}  // namespace quibac
