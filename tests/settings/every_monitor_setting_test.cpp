// The EveryMonitor setting beside Stretch: the second box reached by keyboard
// and by click, what OK stores and Esc leaves alone, a file from before the
// setting existed, and the user's copy taking both keys together.
#include "settings_fixture.h"

#include <sys/stat.h>

#include <cstdlib>
#include <utility>

namespace quibac {
namespace {

using posix::DialogStep;

constexpr char kEveryMonitorOn[] = "[Quib Advent Screen Saver]\nStretch=0\nEveryMonitor=1\n";
constexpr char kBothOn[] = "[Quib Advent Screen Saver]\nStretch=1\nEveryMonitor=1\n";

class EveryMonitorSettingTest : public testing::SettingsTest {
protected:
    // What the two boxes show when the dialog opens (then cancelled).
    std::pair<UINT, UINT> BoxesWhenOpened() {
        std::pair<UINT, UINT> shown{99, 99};
        EXPECT_EQ(Configure({DialogStep::Run([&](HWND d) {
                                 shown = {IsDlgButtonChecked(d, kStretchBox), IsDlgButtonChecked(d, kEveryMonitorBox)};
                             }),
                             DialogStep::Escape()}),
                  0);
        return shown;
    }
};

// Tab order OK, Stretch, every monitor, Cancel; Space ticks the focused box.
struct KeysRow {
    const char* name;
    std::vector<DialogStep> keys;
    int exitCode;
    const char* saved;  // the whole file afterwards; nullptr for none
};

class EveryMonitorKeysTest : public EveryMonitorSettingTest, public ::testing::WithParamInterface<KeysRow> {};

TEST_P(EveryMonitorKeysTest, ReachesTheBoxInTabOrder) {
    const KeysRow& row = GetParam();
    EXPECT_EQ(Configure(row.keys), row.exitCode);
    if (row.saved != nullptr)
        EXPECT_EQ(IniText(), row.saved);
    else
        EXPECT_FALSE(IniExists()) << IniText();
}

const DialogStep kTab = DialogStep::Key(VK_TAB);
const DialogStep kBackTab = DialogStep::Key(VK_TAB, true);
const DialogStep kSpace = DialogStep::Key(VK_SPACE);
const DialogStep kEnter = DialogStep::Key(VK_RETURN);
const KeysRow kKeysRows[] = {
    {"SecondTabStopIsStretchThirdIsTheNewBox", {kTab, kTab, kSpace, kEnter}, 1, kEveryMonitorOn},
    {"BothBoxesOneAfterTheOther", {kTab, kSpace, kTab, kSpace, kEnter}, 1, kBothOn},
    {"BackwardsFromOkTheNewBoxIsSecond", {kBackTab, kBackTab, kSpace, kEnter}, 1, kEveryMonitorOn},
    {"TickedThenEscapeWritesNothing", {kTab, kTab, kSpace, DialogStep::Key(VK_ESCAPE)}, 0, nullptr},
    {"TickedThenCancelByKeyboardWritesNothing", {kTab, kTab, kSpace, kTab, kSpace}, 0, nullptr},
};
void PrintTo(const KeysRow& row, std::ostream* out) { *out << row.name; }
std::string KeysRowName(const ::testing::TestParamInfo<KeysRow>& info) { return info.param.name; }
INSTANTIATE_TEST_SUITE_P(Rows, EveryMonitorKeysTest, ::testing::ValuesIn(kKeysRows), KeysRowName);

TEST_F(EveryMonitorSettingTest, ClickAndOkStoresOneAndReopeningShowsOnlyThatBoxTicked) {
    EXPECT_EQ(Configure({DialogStep::Click(kEveryMonitorBox), DialogStep::Click(IDOK)}), 1);
    EXPECT_EQ(IniText(), kEveryMonitorOn);
    EXPECT_EQ(BoxesWhenOpened(), std::make_pair(UINT(BST_UNCHECKED), UINT(BST_CHECKED)));
    EXPECT_EQ(ReadSettings().EveryMonitor, 1);
    EXPECT_EQ(ReadSettings().Stretch, 0);

    EXPECT_EQ(Configure({DialogStep::Click(kEveryMonitorBox), DialogStep::Click(IDOK)}), 1) << "and back off";
    EXPECT_EQ(IniText(), testing::kSavedZero);
}

TEST_F(EveryMonitorSettingTest, EscapeAfterAClickWritesNothingToAnExistingFile) {
    SetIniText(kBothOn);
    for (const DialogStep& way : {DialogStep::Escape(), DialogStep::Click(IDCANCEL), DialogStep::CloseButton()}) {
        EXPECT_EQ(Configure({DialogStep::Click(kEveryMonitorBox), way}), 0);
        EXPECT_EQ(IniText(), kBothOn);
    }
}

TEST_F(EveryMonitorSettingTest, AFileFromBeforeTheSettingReadsAsOffAndOkAddsTheKey) {
    const std::string old = "; mine\r\n[Quib Advent Screen Saver]\r\nStretch=1\r\n";
    SetIniText(old);
    EXPECT_EQ(ReadSettings().EveryMonitor, 0);
    EXPECT_EQ(ReadSettings().Stretch, 1);
    EXPECT_EQ(BoxesWhenOpened(), std::make_pair(UINT(BST_CHECKED), UINT(BST_UNCHECKED)));
    EXPECT_EQ(IniText(), old) << "opening and cancelling writes nothing";
    EXPECT_EQ(Configure({DialogStep::Click(IDOK)}), 1);
    EXPECT_EQ(IniText(), old + "EveryMonitor=0\r\n");
}

TEST_F(EveryMonitorSettingTest, AnyNonZeroValueIsOnAndTheOtherKeyIsUntouchedByIt) {
    const struct {
        const char* text;
        bool on;
    } values[] = {{"1", true}, {"-1", true}, {"2", true}, {"7x", true}, {"0", false}, {"", false}, {"yes", false}};
    for (const auto& value : values) {
        SetIniText(std::string("[Quib Advent Screen Saver]\nEveryMonitor=") + value.text + "\nStretch=0\n");
        EXPECT_EQ(ReadSettings().EveryMonitor != 0, value.on) << value.text;
        EXPECT_EQ(ReadSettings().Stretch, 0) << value.text;
        EXPECT_EQ(BoxesWhenOpened().second, value.on ? UINT(BST_CHECKED) : UINT(BST_UNCHECKED)) << value.text;
    }
}

TEST_F(EveryMonitorSettingTest, UnwritableWindowsDirectorySendsBothKeysToTheUsersCopy) {
    testing::TempFolder appData;
    setenv(kAppDataVariable, appData.path().c_str(), 1);
    // A folder where the file would go: no write can make a file of it.
    ASSERT_EQ(mkdir(folder_.Path(kSettingsFile).c_str(), 0755), 0);
    EXPECT_EQ(Configure({DialogStep::Click(kEveryMonitorBox), DialogStep::Click(IDOK)}), 1);
    EXPECT_EQ(appData.Read("Quib Advent Screen Saver/QUIBAC.INI"), kEveryMonitorOn);
    EXPECT_EQ(ReadSettings().EveryMonitor, 1) << "read back from the user's copy";
    unsetenv(kAppDataVariable);
}

}  // namespace
}  // namespace quibac
