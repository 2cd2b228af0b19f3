// The committed resource set is exactly what the art generator makes: a
// fresh run into an empty folder reproduces every file byte for byte.
#include "asset_files.h"

#include "support/run_program.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <filesystem>
#include <set>
#include <string>

namespace quibac::art {
namespace {

namespace fs = std::filesystem;

#ifdef QUIBAC_ARTGEN

fs::path FreshDir(const std::string& name) {
    const fs::path dir = fs::path(QUIBAC_TEST_OUTPUT_DIR) / (name + "-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

int RunArtgen(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), QUIBAC_ARTGEN);
    return testing::RunProgram(arguments).exitCode;
}

std::set<std::string> FileNames(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.is_regular_file()) names.insert(e.path().filename().string());
    return names;
}

TEST(ArtRegeneration, FreshRunReproducesEveryCommittedFile) {
    const fs::path out = FreshDir("artgen");
    ASSERT_EQ(RunArtgen({out.string()}), 0);

    const std::set<std::string> made = FileNames(out);
    // The five bitmaps, the icon, the two animations and the script fragment
    // at least.
    for (const char* f : {"walkanim.bmp", "winkanim.bmp", "quotes.bmp", "advert.bmp", "quiblogo.bmp", "quibac.ico",
                          "datesflic.flc", "adventflic.flc", "art.rc"})
        EXPECT_TRUE(made.count(f)) << f << " was not generated";
    for (const std::string& name : made) {
        const std::vector<uint8_t> fresh = ReadBytes(out / name);
        const std::vector<uint8_t> committed = ReadBytes(AssetsDir() / name);
        ASSERT_FALSE(committed.empty()) << name << " is generated but not committed";
        EXPECT_TRUE(fresh == committed) << name << " differs from the committed file: regenerate the assets";
    }
    // The review sheets are regenerated too (compared by name: they are PNGs
    // for people, not resources).
    EXPECT_EQ(FileNames(out / "preview"), FileNames(AssetsDir() / "preview"));
    fs::remove_all(out);
}

TEST(ArtRegeneration, WithoutPreviewsWritesNoPreviewFolder) {
    const fs::path out = FreshDir("artgen-nopreview");
    ASSERT_EQ(RunArtgen({"--no-previews", out.string()}), 0);
    EXPECT_FALSE(fs::exists(out / "preview"));
    EXPECT_TRUE(fs::exists(out / "walkanim.bmp"));
    fs::remove_all(out);
}

TEST(ArtRegeneration, BadCommandLinesFailCleanly) {
    const fs::path out = FreshDir("artgen-bad");
    EXPECT_EQ(RunArtgen({"--bogus"}), 2);
    EXPECT_EQ(RunArtgen({"--draft", "nothing-of-that-name", (out / "x.png").string()}), 1);
    EXPECT_FALSE(fs::exists(out / "x.png"));
    // An output folder that cannot be created: a file stands in its way.
    const fs::path blocker = out / "file";
    { std::ofstream(blocker) << "x"; }
    EXPECT_EQ(RunArtgen({"--no-previews", (blocker / "sub").string()}), 1);
    fs::remove_all(out);
}

#else

TEST(ArtRegeneration, FreshRunReproducesEveryCommittedFile) {
    GTEST_SKIP() << "the art generator is not part of this build";
}

#endif

}  // namespace
}  // namespace quibac::art
