// The private-profile functions over real files: values read as Windows reads
// them, edits that keep every other byte, and failures that never cost the
// old file.
#include "fuzz/ini_target.h"
#include "support/fuzz_corpus.h"
#include "support/platform_fixture.h"
#include "support/temp_folder.h"

#include <posix_control.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace quibac {
namespace {

constexpr char kFile[] = "TEST.INI";
constexpr int kDefault = 42;

class ProfileTest : public testing::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        posix::SetProfileDirectory(folder_.path());
    }
    void TearDown() override {
        posix::SetProfileDirectory("");
        PlatformTest::TearDown();
    }

    UINT ReadInt(const char* section, const char* key, const char* file = kFile) {
        return GetPrivateProfileIntA(section, key, kDefault, file);
    }
    // The value a file holding just "[S]", "K=<value>" gives for S/K.
    UINT ValueOf(const std::string& value) {
        folder_.Write(kFile, "[S]\nK=" + value + "\n");
        return ReadInt("S", "K");
    }
    ino_t Inode(const std::string& name) {
        struct stat st {};
        return stat(folder_.Path(name).c_str(), &st) == 0 ? st.st_ino : 0;
    }

    testing::TempFolder folder_;
};

// ---- reading ------------------------------------------------------------------

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(ReadInt("S", "K"), UINT(kDefault)) << "no file";
    folder_.Write(kFile, "[Other]\nK=1\n");
    EXPECT_EQ(ReadInt("S", "K"), UINT(kDefault)) << "no section";
    folder_.Write(kFile, "[S]\nKey=1\nK\nK=5\n[T]\nK=1\n");
    EXPECT_EQ(ReadInt("S", "K"), UINT(kDefault)) << "the first K of the section is a key without a value";
    folder_.Write(kFile, "K=1\n[S]\n");
    EXPECT_EQ(ReadInt("S", "K"), UINT(kDefault)) << "a key before any section belongs to none";
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", -5, kFile), UINT(-5)) << "the default comes back as given";
}

TEST_F(ProfileTest, NumbersReadAsWindowsReadsThem) {
    const struct {
        const char* text;
        UINT value;
    } cases[] = {
        {"1", 1},
        {"0", 0},
        {"+1", 1},
        {"-1", 0xFFFFFFFFu},
        {"-3", UINT(-3)},
        {"  7  ", 7},
        {"1x", 1},
        {"42A94967297", 42},
        {"abc", 0},
        {"0x10", 16},
        {"0xfF", 255},
        {"-0x10", UINT(-16)},
        {"0X10", 0},
        {"0x", 0},
        {"0o17", 15},
        {"0b102", 2},
        {"\x01"
         "5",
         5},
        {"--3", 0},
        {"- 3", 0},
        {"B4294967297", 0},
        {"4294967295", 0xFFFFFFFFu},
        {"4294967296", 0},
        {"4294967297", 1},
        {"-4294967297", 0xFFFFFFFFu},
        {"1234567890123456789012345678901234567890", 1849262357u},  // only 29 characters are read
        {"\"12345678901234567890123456789\"", 3191403342u},         // and one of them is lost
        {"\"1\"", 1},
        {"'5'", 5},
        {"\"7", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ValueOf(c.text), c.value) << "K=" << c.text;
}

TEST_F(ProfileTest, AnEmptyValueCountsAsMissing) {
    EXPECT_EQ(ValueOf(""), UINT(kDefault));
    EXPECT_EQ(ValueOf("   \t"), UINT(kDefault));
    EXPECT_EQ(ValueOf("\"\""), UINT(kDefault));
}

TEST_F(ProfileTest, NamesIgnoreCaseAndSurroundingBlanks) {
    folder_.Write(kFile, "\t[  quib ADVENT screen SAVER ]  \n   stretch   =   1  \n");
    EXPECT_EQ(ReadInt("Quib Advent Screen Saver", "Stretch"), 1u);
    EXPECT_EQ(ReadInt(" Quib Advent Screen Saver ", " STRETCH "), 1u);
    EXPECT_EQ(ReadInt("Quib Advent", "Stretch"), UINT(kDefault)) << "names match whole, not by prefix";
}

TEST_F(ProfileTest, TheFirstSectionAndTheFirstKeyOfANameCount) {
    folder_.Write(kFile, "[S]\nK=1\nK=2\n[S]\nK=3\n");
    EXPECT_EQ(ReadInt("S", "K"), 1u);
    folder_.Write(kFile, "[S]\nX=1\n[S]\nK=3\n");
    EXPECT_EQ(ReadInt("S", "K"), UINT(kDefault)) << "a later section of the same name is not searched";
}

TEST_F(ProfileTest, CommentsLineEndsAndByteOrderMarkDoNotDisturbReading) {
    folder_.Write(kFile, "; K=5\n[S]\n;K=9\n# K=8\r\nK=4\r\n");
    EXPECT_EQ(ReadInt("S", "K"), 4u);
    folder_.Write(kFile, "\xEF\xBB\xBF[S]\r\nK=6");
    EXPECT_EQ(ReadInt("S", "K"), 6u) << "UTF-8 mark before the first section, no final line end";
    folder_.Write(kFile, "[T]\rK=1\r[S]\rK=2");
    EXPECT_EQ(ReadInt("S", "K"), 2u) << "a lone CR ends a line";
}

// ---- writing ------------------------------------------------------------------

TEST_F(ProfileTest, WritingCreatesTheFileWithSectionAndKey) {
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "V", kFile));
    EXPECT_EQ(folder_.Read(kFile), "[S]\nK=V\n");
}

TEST_F(ProfileTest, ANewSectionIsAppendedAfterEveryByteOfTheOldFile) {
    folder_.Write(kFile, "a line\n; comment\n");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "V", kFile));
    EXPECT_EQ(folder_.Read(kFile), "a line\n; comment\n\n[S]\nK=V\n");

    folder_.Write(kFile, "x=1");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "V", kFile));
    EXPECT_EQ(folder_.Read(kFile), "x=1\n\n[S]\nK=V\n") << "the unterminated last line gets its line end";

    folder_.Write(kFile, "[T]\r\nA=1\r\n\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "V", kFile));
    EXPECT_EQ(folder_.Read(kFile), "[T]\r\nA=1\r\n\r\n[S]\r\nK=V\r\n") << "CRLF files stay CRLF";
}

TEST_F(ProfileTest, ANewKeyGoesAfterTheLastLineOfItsSection) {
    folder_.Write(kFile, "[S]\nA=1\n\n[T]\nB=2\n");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "V", kFile));
    EXPECT_EQ(folder_.Read(kFile), "[S]\nA=1\nK=V\n\n[T]\nB=2\n");

    folder_.Write(kFile, "[T]\r\nB=2\r\n[S]");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "V", kFile));
    EXPECT_EQ(folder_.Read(kFile), "[T]\r\nB=2\r\n[S]\r\nK=V\r\n");
}

TEST_F(ProfileTest, AnExistingKeyChangesOnlyItsValue) {
    folder_.Write(kFile, "[T]\nK=9\n[s]\r\n  k = old ; not a comment  \r\nZ=1\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "new", kFile));
    EXPECT_EQ(folder_.Read(kFile), "[T]\nK=9\n[s]\r\n  k = new\r\nZ=1\r\n");
    EXPECT_EQ(ReadInt("T", "K"), 9u);

    folder_.Write(kFile, "[S]\rK \rK=1\r");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "5", kFile));
    EXPECT_EQ(folder_.Read(kFile), "[S]\rK =5\rK=1\r") << "the key the reader finds first is the one written";
    EXPECT_EQ(ReadInt("S", "K"), 5u);
}

TEST_F(ProfileTest, AKeyOnlyInALaterDuplicateSectionIsAddedToTheFirst) {
    folder_.Write(kFile, "[S]\nX=1\n[S]\nK=3\n");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "5", kFile));
    EXPECT_EQ(folder_.Read(kFile), "[S]\nX=1\nK=5\n[S]\nK=3\n");
    EXPECT_EQ(ReadInt("S", "K"), 5u) << "the writer changes what the reader reads";
}

TEST_F(ProfileTest, NullValueDeletesTheKeyAndNullKeyTheSection) {
    folder_.Write(kFile, "[S]\nK=1\nJ=2\n[T]\nA=1\n");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", nullptr, kFile));
    EXPECT_EQ(folder_.Read(kFile), "[S]\nJ=2\n[T]\nA=1\n");
    ASSERT_TRUE(WritePrivateProfileStringA("S", nullptr, nullptr, kFile));
    EXPECT_EQ(folder_.Read(kFile), "[T]\nA=1\n");
    EXPECT_TRUE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, kFile)) << "a cache flush";
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "K", "V", kFile));
}

TEST_F(ProfileTest, LineBreaksInNamesOrValuesAreRefused) {
    folder_.Write(kFile, "[S]\nK=1\n");
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "2\n[Evil]", kFile));
    EXPECT_FALSE(WritePrivateProfileStringA("S\r", "K", "2", kFile));
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K\nX", "2", kFile));
    EXPECT_EQ(folder_.Read(kFile), "[S]\nK=1\n");
}

TEST_F(ProfileTest, AnUnchangedValueLeavesTheFileAlone) {
    folder_.Write(kFile, "[S]\nK=1\n");
    const ino_t before = Inode(kFile);
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "1", kFile));
    EXPECT_EQ(Inode(kFile), before);
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "2", kFile));
    EXPECT_NE(Inode(kFile), before) << "a change replaces the file as a whole";
}

TEST_F(ProfileTest, ARewriteKeepsTheFileModeAndFollowsSymbolicLinks) {
    folder_.Write("real.ini", "[S]\nK=1\n");
    ASSERT_EQ(chmod(folder_.Path("real.ini").c_str(), 0600), 0);
    ASSERT_EQ(symlink("real.ini", folder_.Path(kFile).c_str()), 0);
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "2", kFile));
    EXPECT_TRUE(std::filesystem::is_symlink(folder_.Path(kFile)));
    EXPECT_EQ(folder_.Read("real.ini"), "[S]\nK=2\n");
    struct stat st {};
    ASSERT_EQ(stat(folder_.Path("real.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// ---- failures never cost the old file --------------------------------------------

TEST_F(ProfileTest, AReadOnlyFolderKeepsTheOldFile) {
    const std::string old = "; mine\n[S]\nK=1\n";
    ASSERT_EQ(mkdir(folder_.Path("ro").c_str(), 0755), 0);
    folder_.Write("ro/TEST.INI", old);
    ASSERT_EQ(chmod(folder_.Path("ro").c_str(), 0555), 0);
    ASSERT_EQ(chmod(folder_.path().c_str(), 0755), 0);
    // Root writes anywhere; as an unprivileged user the folder really is read-only.
    const bool dropped = geteuid() == 0;
    if (dropped) {
        ASSERT_EQ(seteuid(65534), 0) << "cannot become an unprivileged user";
    }
    const BOOL written = WritePrivateProfileStringA("S", "K", "2", folder_.Path("ro/TEST.INI").c_str());
    const UINT read = GetPrivateProfileIntA("S", "K", kDefault, folder_.Path("ro/TEST.INI").c_str());
    if (dropped) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(read, 1u);
    EXPECT_EQ(folder_.Read("ro/TEST.INI"), old);
    EXPECT_EQ(std::filesystem::directory_entry(folder_.Path("ro")).exists(), true);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder_.Path("ro"))) ++entries;
    EXPECT_EQ(entries, 1u) << "no temporary file left behind";
}

TEST_F(ProfileTest, RunningOutOfRoomMidWriteKeepsTheOldFile) {
    std::string old = "[S]\nK=1\n";
    for (int i = 0; i < 200; ++i) old += "; a comment line that makes the file larger than the limit\n";
    folder_.Write(kFile, old);
    // A file-size limit makes the write of the new text fail part way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const BOOL written = WritePrivateProfileStringA("S", "K", "2", kFile);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    EXPECT_FALSE(written);
    EXPECT_EQ(folder_.Read(kFile), old);
    EXPECT_EQ(folder_.Listing(), kFile) << "no temporary file left behind";
}

TEST_F(ProfileTest, AFolderThatIsAFileOrAFileThatIsAFolderFailsCleanly) {
    folder_.Write("plain", "not a folder");
    const std::string underFile = folder_.Path("plain/TEST.INI");
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", kDefault, underFile.c_str()), UINT(kDefault));
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "1", underFile.c_str()));
    EXPECT_EQ(folder_.Read("plain"), "not a folder");

    ASSERT_EQ(mkdir(folder_.Path(kFile).c_str(), 0755), 0);
    EXPECT_EQ(ReadInt("S", "K"), UINT(kDefault));
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "1", kFile));
    EXPECT_TRUE(std::filesystem::is_directory(folder_.Path(kFile)));
    EXPECT_EQ(folder_.Listing(), "TEST.INI plain");
}

TEST_F(ProfileTest, AnOversizedFileIsNeitherReadNorReplaced) {
    folder_.Write(kFile, "[S]\nK=1\n");
    ASSERT_EQ(truncate(folder_.Path(kFile).c_str(), off_t(65) << 20), 0);  // sparse: cheap to make
    EXPECT_EQ(ReadInt("S", "K"), UINT(kDefault));
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "2", kFile));
    EXPECT_EQ(std::filesystem::file_size(folder_.Path(kFile)), uintmax_t(65) << 20);
    std::ifstream in(folder_.Path(kFile), std::ios::binary);
    std::string head(8, '\0');
    in.read(head.data(), 8);
    EXPECT_EQ(head, "[S]\nK=1\n");
}

// ---- strange files -------------------------------------------------------------

TEST_F(ProfileTest, ABinaryFileKeepsEveryByteWhenASectionIsAdded) {
    std::mt19937 random(8);
    std::string junk(64 * 1024, '\0');
    for (char& c : junk) c = char(random() & 0xFF);
    folder_.Write(kFile, junk);
    EXPECT_EQ(ReadInt("Quib Advent Screen Saver", "Stretch"), UINT(kDefault));
    ASSERT_TRUE(WritePrivateProfileStringA("Quib Advent Screen Saver", "Stretch", "1", kFile));
    const std::string after = folder_.Read(kFile);
    ASSERT_GT(after.size(), junk.size());
    EXPECT_EQ(after.substr(0, junk.size()), junk);
    EXPECT_EQ(ReadInt("Quib Advent Screen Saver", "Stretch"), 1u);
}

TEST_F(ProfileTest, ATenMegabyteFileChangesInOneLineOnly) {
    std::string big = "[Big]\n";
    while (big.size() < (size_t(10) << 20)) big += "key" + std::to_string(big.size()) + "=some value\n";
    const std::string head = big + "[S]\nK=1\n";
    const std::string tail = "[T]\nA=2\n";
    folder_.Write(kFile, head + tail);
    EXPECT_EQ(ReadInt("S", "K"), 1u);
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "0", kFile));
    EXPECT_EQ(folder_.Read(kFile), big + "[S]\nK=0\n" + tail);
}

TEST_F(ProfileTest, TheFuzzSeedsKeepTheFuzzTargetsPromises) {
    // Replayed through the target's own body: a fault once found and fixed stays fixed.
    const std::vector<testing::FuzzSeed> seeds = testing::FuzzCorpus("ini");
    ASSERT_FALSE(seeds.empty()) << "fuzz/corpus/ini";
    for (const testing::FuzzSeed& seed : seeds)
        EXPECT_EQ(fuzzing::EditProfile(seed.bytes.data(), seed.bytes.size(), folder_.path()), "") << seed.name;
}

// ---- where files live ----------------------------------------------------------

TEST_F(ProfileTest, ABareNameLivesInTheUsersConfigurationFolder) {
    posix::SetProfileDirectory("");
    setenv("XDG_CONFIG_HOME", folder_.Path("xdg").c_str(), 1);
    EXPECT_EQ(posix::ProfilePath("QUIBAC.INI"), folder_.Path("xdg/QUIBAC.INI"));
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "3", "QUIBAC.INI")) << "the folder is made when missing";
    EXPECT_EQ(folder_.Read("xdg/QUIBAC.INI"), "[S]\nK=3\n");
    EXPECT_EQ(GetPrivateProfileIntA("S", "K", 0, "QUIBAC.INI"), 3u);

    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    setenv("HOME", folder_.Path("home").c_str(), 1);
    EXPECT_EQ(posix::ProfilePath("QUIBAC.INI"), folder_.Path("home/.config/QUIBAC.INI"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(posix::ProfilePath("QUIBAC.INI"), folder_.Path("home/.config/QUIBAC.INI"));
}

TEST_F(ProfileTest, ANameWithAFolderIsUsedAsItIs) {
    EXPECT_EQ(posix::ProfilePath("/etc/x.ini"), "/etc/x.ini");
    EXPECT_EQ(posix::ProfilePath("sub\\x.ini"), "sub/x.ini");
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "4", folder_.Path("elsewhere.ini").c_str()));
    EXPECT_EQ(folder_.Read("elsewhere.ini"), "[S]\nK=4\n");
}

}  // namespace
}  // namespace quibac
