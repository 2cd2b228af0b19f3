// Where the setting goes when the Windows directory cannot be written (a
// standard user of today's Windows): into the user's application-data folder,
// where it is read back from; nowhere else does anything change.
#include "settings_fixture.h"

#include <sys/stat.h>

#include <cstdlib>

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
    void TearDown() override {
        unsetenv(kAppDataVariable);
        SettingsTest::TearDown();
    }
    int ToggleAndSave() { return Configure({DialogStep::Click(kStretchBox), DialogStep::Click(IDOK)}); }

    testing::TempFolder appData_;
};

TEST_F(UserCopyTest, UnwritableWindowsDirectoryKeepsTheSettingWithTheUser) {
    // A folder where the file would go: no write can make a file of it (the
    // tests run as root, for whom a read-only file is writable).
    ASSERT_EQ(mkdir(folder_.Path(kSettingsFile).c_str(), 0755), 0);
    EXPECT_EQ(ToggleAndSave(), 1);
    EXPECT_EQ(appData_.Read(kUserCopy), kSavedOne);
    EXPECT_EQ(BoxWhenOpened(), UINT(BST_CHECKED)) << "read back from the user's copy";
    EXPECT_EQ(ToggleAndSave(), 1);
    EXPECT_EQ(appData_.Read(kUserCopy), kSavedZero) << "the user's copy, once there, is the one written";
}

TEST_F(UserCopyTest, WritableWindowsDirectoryLeavesTheUserFolderAlone) {
    EXPECT_EQ(ToggleAndSave(), 1);
    EXPECT_EQ(IniText(), kSavedOne);
    EXPECT_EQ(appData_.Listing(), "");
}

}  // namespace
}  // namespace quibac
