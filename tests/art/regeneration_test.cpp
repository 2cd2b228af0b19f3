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

// What assets/ holds besides the generated set.
bool HandWritten(const std::string& relative) {
    return relative == "quibac.rc" || relative == "quibac.manifest" || relative.rfind("licences/", 0) == 0;
}

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

// The resources a run made, each language's in its folder: paths relative
// to dir, the review sheets left out.
std::set<std::string> ResourceFiles(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
        const std::string relative = fs::relative(e.path(), dir).generic_string();
        if (e.is_regular_file() && relative.rfind("preview/", 0) != 0) names.insert(relative);
    }
    return names;
}

TEST(ArtRegeneration, FreshRunReproducesEveryCommittedFile) {
    const fs::path out = FreshDir("artgen");
    ASSERT_EQ(RunArtgen({out.string()}), 0);

    const std::set<std::string> made = ResourceFiles(out);
    // The five bitmaps, the icon, the two animations and the script fragment
    // at least, and every other language's pictures with words and header.
    for (const char* f : {"walkanim.bmp", "winkanim.bmp", "quotes.bmp", "advert.bmp", "quiblogo.bmp", "quibac.ico",
                          "datesflic.flc", "adventflic.flc", "art.rc"})
        EXPECT_TRUE(made.count(f)) << f << " was not generated";
    for (const char* code : {"de", "fr", "nl", "sv", "da", "nb", "pl", "cs", "es", "it"})
        for (const char* f : {"quotes.bmp", "advert.bmp", "quiblogo.bmp", "datesflic.flc"})
            EXPECT_TRUE(made.count(std::string(code) + "/" + f)) << code << "/" << f << " was not generated";
    for (const std::string& name : made) {
        const std::vector<uint8_t> fresh = ReadBytes(out / name);
        const std::vector<uint8_t> committed = ReadBytes(AssetsDir() / name);
        ASSERT_FALSE(committed.empty()) << name << " is generated but not committed";
        EXPECT_TRUE(fresh == committed) << name << " differs from the committed file: regenerate the assets";
    }
    // Nothing is committed that the generator no longer makes.
    for (const std::string& committed : ResourceFiles(AssetsDir()))
        EXPECT_TRUE(HandWritten(committed) || made.count(committed))
            << committed << " is committed but the generator does not make it";
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
