// The Stretch setting through the configuration dialog: what the box shows,
// what OK stores, what Cancel, Esc and the close button leave alone, and that
// the rest of the INI file survives whatever is in it.
#include "settings_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <optional>
#include <random>

namespace quibac {
namespace {

using posix::DialogStep;

constexpr UINT kWmClose = 0x0010;
using testing::kSavedOne;
using testing::kSavedZero;

class StretchSettingTest : public testing::SettingsTest {
protected:
    ino_t IniInode() const {
        struct stat st {};
        return stat(folder_.Path(kSettingsFile).c_str(), &st) == 0 ? st.st_ino : 0;
    }
};

// ---- the dialog --------------------------------------------------------------

TEST_F(StretchSettingTest, WithoutAFileTheBoxIsUncheckedAndOkWritesZero) {
    EXPECT_EQ(BoxWhenOpened(), UINT(BST_UNCHECKED));
    EXPECT_FALSE(IniExists()) << "opening and cancelling writes nothing";
    EXPECT_EQ(Configure({DialogStep::Click(IDOK)}), 1);
    EXPECT_EQ(IniText(), kSavedZero);
}

TEST_F(StretchSettingTest, CheckingAndOkStoresOneAndReopeningShowsItChecked) {
    EXPECT_EQ(Configure({DialogStep::Click(kStretchBox), DialogStep::Click(IDOK)}), 1);
    EXPECT_EQ(IniText(), kSavedOne);
    EXPECT_EQ(BoxWhenOpened(), UINT(BST_CHECKED));
    EXPECT_EQ(ReadSettings().Stretch, 1);

    EXPECT_EQ(Configure({DialogStep::Click(kStretchBox), DialogStep::Click(IDOK)}), 1) << "and back off";
    EXPECT_EQ(IniText(), kSavedZero);
}

TEST_F(StretchSettingTest, EnterActsAsOk) {
    EXPECT_EQ(Configure({DialogStep::Click(kStretchBox), DialogStep::Enter()}), 1);
    EXPECT_EQ(IniText(), kSavedOne);
}

TEST_F(StretchSettingTest, CancelEscapeAndCloseWriteNothingEvenAfterToggling) {
    const DialogStep ways[] = {DialogStep::Click(IDCANCEL), DialogStep::Escape(), DialogStep::CloseButton()};
    for (const DialogStep& way : ways) {
        EXPECT_EQ(Configure({DialogStep::Click(kStretchBox), way}), 0);
        EXPECT_FALSE(IniExists()) << "no file is created";
    }
    const std::string kept = testing::StretchIni("1", "; mine\n");
    SetIniText(kept);
    const ino_t inode = IniInode();
    for (const DialogStep& way : ways) {
        EXPECT_EQ(Configure({DialogStep::Click(kStretchBox), DialogStep::Click(kStretchBox),
                             DialogStep::Click(kStretchBox), way}),
                  0);
        EXPECT_EQ(IniText(), kept);
        EXPECT_EQ(IniInode(), inode) << "the file was not rewritten";
    }
}

// The keyboard as on Windows: the dialog opens with the focus on itself, Tab
// walks OK, the two boxes and Cancel, and Enter presses the focused push
// button.
struct KeyboardRow {
    const char* name;
    std::vector<DialogStep> keys;
    int exitCode;
    std::optional<std::string> saved;  // the whole file afterwards, if any
};

class ConfigKeyboardTest : public StretchSettingTest, public ::testing::WithParamInterface<KeyboardRow> {};

TEST_P(ConfigKeyboardTest, SavesOrCancelsAsTheFocusSays) {
    const KeyboardRow& row = GetParam();
    EXPECT_EQ(Configure(row.keys), row.exitCode);
    if (row.saved)
        EXPECT_EQ(IniText(), *row.saved);
    else
        EXPECT_FALSE(IniExists());
}

const DialogStep kTab = DialogStep::Key(VK_TAB);
const DialogStep kEnter = DialogStep::Key(VK_RETURN);
const KeyboardRow kKeyboardRows[] = {
    // OK, the first tab stop, has the focus when the dialog opens.
    {"TabToCancelThenEnterCancels", {kTab, kTab, kTab, kEnter}, 0, std::nullopt},
    {"TabToTheBoxSpaceThenEnterSaves", {kTab, DialogStep::Key(VK_SPACE), kEnter}, 1, kSavedOne},
    {"ShiftTabWrapsToCancel", {DialogStep::Key(VK_TAB, true), kEnter}, 0, std::nullopt},
    {"TabWrapsToOk", {kTab, kTab, kTab, kTab, kEnter}, 1, kSavedZero},
};
void PrintTo(const KeyboardRow& row, std::ostream* out) { *out << row.name; }
INSTANTIATE_TEST_SUITE_P(Rows, ConfigKeyboardTest, ::testing::ValuesIn(kKeyboardRows), testing::RowName<KeyboardRow>);

TEST_F(StretchSettingTest, TheDialogNeedsItsTemplate) {
    HMODULE empty = posix::CreateResourceModule();
    posix::ScriptDialog({DialogStep::Click(IDOK)});
    EXPECT_EQ(RunConfigDialog(nullptr, empty), -1);
    EXPECT_FALSE(IniExists());
    posix::DestroyResourceModule(empty);
    posix::SetDialogDriver(nullptr);
}

TEST_F(StretchSettingTest, TheOwnerIsPassedOn) {
    HWND owner = posix::CreateTestWindow(0, 0, 640, 480);
    HWND seen = nullptr;
    EXPECT_EQ(Configure({DialogStep::Run([&](HWND d) { seen = posix::DialogOwner(d); }), DialogStep::Escape()}, owner),
              0);
    EXPECT_EQ(seen, owner);
    posix::DestroyTestWindow(owner);
}

TEST_F(StretchSettingTest, TheProcedureLeavesEverythingButOkAndCancelToThePlatform) {
    std::vector<INT_PTR> answers;
    EXPECT_EQ(Configure({DialogStep::Run([&](HWND d) {
                  answers.push_back(ConfigDialogProc(d, WM_INITDIALOG, 0, 0));
                  answers.push_back(ConfigDialogProc(d, WM_COMMAND, kStretchBox, 0));
                  answers.push_back(ConfigDialogProc(d, kWmClose, 0, 0));
                  answers.push_back(ConfigDialogProc(d, WM_COMMAND, IDCANCEL, 0));
              })}),
              0);
    EXPECT_EQ(answers, (std::vector<INT_PTR>{FALSE, FALSE, FALSE, TRUE}))
        << "WM_INITDIALOG answers 0 so the platform does not move the focus";
}

// ---- stored values ------------------------------------------------------------

TEST_F(StretchSettingTest, AnyNonZeroValueStretchesAndShowsChecked) {
    const char* on[] = {"1", "7", "-3", "1x", " 7", "\"1\"", "0x10", "1234567890123456789012345678901234567890"};
    for (const char* value : on) {
        SetIniText(testing::StretchIni(value));
        EXPECT_NE(ReadSettings().Stretch, 0) << value;
        EXPECT_EQ(BoxWhenOpened(), UINT(BST_CHECKED)) << value;
    }
    const char* off[] = {"0", "abc", "", "-0", "0x", "+", "4294967296"};
    for (const char* value : off) {
        SetIniText(testing::StretchIni(value));
        EXPECT_EQ(ReadSettings().Stretch, 0) << value;
        EXPECT_EQ(BoxWhenOpened(), UINT(BST_UNCHECKED)) << value;
    }
}

TEST_F(StretchSettingTest, OkAfterAStrangeValueStoresWhatTheBoxShowed) {
    SetIniText(testing::StretchIni("-3"));
    EXPECT_EQ(Configure({DialogStep::Click(IDOK)}), 1);
    EXPECT_EQ(IniText(), kSavedOne);
    SetIniText(testing::StretchIni("abc"));
    EXPECT_EQ(Configure({DialogStep::Click(IDOK)}), 1);
    EXPECT_EQ(IniText(), kSavedZero);
}

TEST_F(StretchSettingTest, WriteSettingsFormatsAnyNumber) {
    Settings settings;
    settings.Stretch = INT_MIN;
    WriteSettings(settings);
    EXPECT_EQ(IniText(), testing::SavedIni("-2147483648"));
    EXPECT_EQ(ReadSettings().Stretch, INT_MIN);
}

// ---- the rest of the file ---------------------------------------------------------

TEST_F(StretchSettingTest, OkKeepsEveryOtherSectionCommentAndLineEnd) {
    const std::string before =
        "; written by hand\r\n"
        "[Other]\r\n"
        "  Key = Value  \r\n"
        "\r\n"
        "[ quib advent screen saver ]\r\n"
        "; the one setting\r\n"
        "  STRETCH =  0 \r\n"
        "Extra=1\r\n"
        "\r\n"
        "[Last]\r\n"
        "Stretch=5";
    SetIniText(before);
    EXPECT_EQ(Configure({DialogStep::Click(kStretchBox), DialogStep::Click(IDOK)}), 1);
    std::string after = before;
    after.replace(after.find("  STRETCH =  0 "), 15, "  STRETCH =  1");
    after.insert(after.find("Extra=1\r\n") + 9, "EveryMonitor=0\r\n");
    EXPECT_EQ(IniText(), after);
}

TEST_F(StretchSettingTest, OkAddsTheSectionToAFileWithout) {
    SetIniText("[Other]\r\nKey=Value\r\n");
    EXPECT_EQ(Configure({DialogStep::Click(kStretchBox), DialogStep::Click(IDOK)}), 1);
    EXPECT_EQ(IniText(), "[Other]\r\nKey=Value\r\n\r\n[Quib Advent Screen Saver]\r\nStretch=1\r\nEveryMonitor=0\r\n");
}

TEST_F(StretchSettingTest, ABinaryFileReadsAsUnsetAndKeepsEveryByte) {
    std::mt19937 random(2024);
    std::string junk(32 * 1024, '\0');
    for (char& c : junk) c = char(random() & 0xFF);
    SetIniText(junk);
    EXPECT_EQ(BoxWhenOpened(), UINT(BST_UNCHECKED));
    EXPECT_EQ(Configure({DialogStep::Click(kStretchBox), DialogStep::Click(IDOK)}), 1);
    const std::string after = IniText();
    EXPECT_EQ(after.substr(0, junk.size()), junk);
    EXPECT_EQ(ReadSettings().Stretch, 1);
}

TEST_F(StretchSettingTest, AFileThatCannotBeReplacedStaysIntactAndOkStillEndsWithOne) {
    const std::string kept = testing::StretchIni("0", "; mine\n");
    ASSERT_EQ(mkdir(folder_.Path("ro").c_str(), 0755), 0);
    folder_.Write("ro/QUIBAC.INI", kept);
    ASSERT_EQ(chmod(folder_.Path("ro").c_str(), 0555), 0);
    ASSERT_EQ(chmod(folder_.path().c_str(), 0755), 0);
    posix::SetProfileDirectory(folder_.Path("ro"));
    // Root writes anywhere; as an unprivileged user the folder really is read-only.
    const bool dropped = geteuid() == 0;
    if (dropped) {
        ASSERT_EQ(seteuid(65534), 0);
    }
    const int result = Configure({DialogStep::Click(kStretchBox), DialogStep::Click(IDOK)});
    if (dropped) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_EQ(result, 1);
    EXPECT_EQ(folder_.Read("ro/QUIBAC.INI"), kept);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path("ro")), {}), 1)
        << "no temporary file left";
}

}  // namespace
}  // namespace quibac
