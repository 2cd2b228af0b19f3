// Where the setting goes when the Windows directory cannot be written (a
// standard user of today's Windows): into the user's application-data folder,
// where it is read back from; nowhere else does anything change.
#include "settings_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace quibac {
namespace {

using posix::DialogStep;

constexpr char kUserCopy[] = "Quib Advent Screen Saver/QUIBAC.INI";
using testing::kSavedOne;
using testing::kSavedZero;

class UserCopyTest : public testing::SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        setenv(kAppDataVariable, appData_.path().c_str(), 1);
    }
    // A folder where the file would go: no write can make a file of it (the
    // tests run as root, for whom a read-only file is writable).
    void MakeWindowsDirectoryUnwritable() { ASSERT_EQ(mkdir(folder_.Path(kSettingsFile).c_str(), 0755), 0); }
    void TearDown() override {
        unsetenv(kAppDataVariable);
        SettingsTest::TearDown();
    }
    int ToggleAndSave() { return Configure({DialogStep::Click(kStretchBox), DialogStep::Click(IDOK)}); }

    testing::TempFolder appData_;
};

TEST_F(UserCopyTest, UnwritableWindowsDirectoryKeepsTheSettingWithTheUser) {
    MakeWindowsDirectoryUnwritable();
    EXPECT_EQ(ToggleAndSave(), 1);
    EXPECT_EQ(appData_.Read(kUserCopy), kSavedOne);
    EXPECT_EQ(BoxWhenOpened(), UINT(BST_CHECKED)) << "read back from the user's copy";
    EXPECT_EQ(ToggleAndSave(), 1);
    EXPECT_EQ(appData_.Read(kUserCopy), kSavedZero) << "the user's copy, once there, is the one written";
}

TEST_F(UserCopyTest, AUserFolderThatIsThereAlreadyTakesTheFile) {
    MakeWindowsDirectoryUnwritable();
    ASSERT_EQ(mkdir(appData_.Path(kUserSettingsFolder).c_str(), 0755), 0);
    EXPECT_TRUE(WriteSettings(Settings{1}));
    EXPECT_EQ(appData_.Read(kUserCopy), kSavedOne);
}

// The application-data folder comes from the environment, which may name a
// path of any length. The user's copy needs room for the whole path to the
// file in a buffer of MAX_PATH characters; a longer one is no user's copy at
// all: never a write past the buffer, nor a file under a cut-off path.
struct LongAppDataRow {
    const char* name;
    size_t length;  // of the application-data folder's path
    bool fits;
};

// The longest application-data path whose user copy, with its terminator, fits.
constexpr size_t kLongestThatFits = MAX_PATH - 1 - (sizeof(kUserSettingsFolder) - 1) - (sizeof(kSettingsFile) - 1) - 2;
// Paths beyond this are only named, never made: Linux paths end at 4096.
constexpr size_t kLongestMade = 1000;

class LongAppDataTest : public UserCopyTest, public ::testing::WithParamInterface<LongAppDataRow> {
protected:
    // A path of exactly the given length under the test's folder, made when it can be.
    std::string FolderOfLength(size_t length) const {
        std::string path = appData_.path();
        constexpr size_t kSegment = 100;
        while (path.size() < length) {
            const size_t room = length - path.size() - 1;  // after the slash
            path += "/" + std::string(room > kSegment + 1 ? kSegment : room, 'd');
            if (length <= kLongestMade) {
                EXPECT_EQ(mkdir(path.c_str(), 0755), 0) << path.size();
            }
        }
        return path;
    }
};

TEST_P(LongAppDataTest, UsesTheUserCopyOnlyWhenItsWholePathFits) {
    const LongAppDataRow& row = GetParam();
    MakeWindowsDirectoryUnwritable();
    const std::string appData = FolderOfLength(row.length);
    ASSERT_EQ(appData.size(), row.length);
    setenv(kAppDataVariable, appData.c_str(), 1);
    EXPECT_EQ(WriteSettings(Settings{1}), row.fits);
    EXPECT_EQ(ReadSettings().Stretch, row.fits ? 1 : 0);
    if (row.length <= kLongestMade) {
        const std::string userFolder = appData + "/" + kUserSettingsFolder;
        EXPECT_EQ(access(userFolder.c_str(), F_OK) == 0, row.fits) << "made only for a copy that fits";
        EXPECT_EQ(access((appData + "/" + kUserCopy).c_str(), F_OK) == 0, row.fits);
    }
    EXPECT_EQ(folder_.Listing(), kSettingsFile) << "the Windows directory is as it was";
    EXPECT_EQ(Configure({DialogStep::Click(kStretchBox), DialogStep::Click(IDOK)}), 1)
        << "the dialog ends with OK, stored or not";
}

const LongAppDataRow kLongAppDataRows[] = {
    {"LongestThatFits", kLongestThatFits, true},    {"OneLonger", kLongestThatFits + 1, false},
    {"LongestTheBufferHolds", MAX_PATH - 1, false}, {"LongerThanTheBuffer", MAX_PATH, false},
    {"FarLongerThanAnyPath", 5000, false},
};

INSTANTIATE_TEST_SUITE_P(AppData, LongAppDataTest, ::testing::ValuesIn(kLongAppDataRows),
                         testing::RowName<LongAppDataRow>);

TEST_F(UserCopyTest, AUserFolderThatCannotBeMadeFailsClearlyAndWritesNothing) {
    MakeWindowsDirectoryUnwritable();
    appData_.Write("not-a-folder", "mine");
    setenv(kAppDataVariable, appData_.Path("not-a-folder").c_str(), 1);
    EXPECT_FALSE(WriteSettings(Settings{1}));
    EXPECT_EQ(appData_.Listing(), "not-a-folder");
    EXPECT_EQ(appData_.Read("not-a-folder"), "mine");
    EXPECT_EQ(folder_.Listing(), kSettingsFile);
    EXPECT_EQ(ReadSettings().Stretch, 0);
}

TEST_F(UserCopyTest, WritableWindowsDirectoryLeavesTheUserFolderAlone) {
    EXPECT_EQ(ToggleAndSave(), 1);
    EXPECT_EQ(IniText(), kSavedOne);
    EXPECT_EQ(appData_.Listing(), "");
}

}  // namespace
}  // namespace quibac
