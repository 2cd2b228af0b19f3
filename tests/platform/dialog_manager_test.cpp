// The dialog manager under the configuration dialog: templates read as
// Windows reads them, and user input delivered as Windows' dialog manager
// delivers it to a dialog procedure.
#include "support/platform_fixture.h"

#include <posix_control.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace quibac {
namespace {

constexpr UINT kWmClose = 0x0010;
constexpr UINT kWmSysCommand = 0x0112;
constexpr WPARAM kScClose = 0xF060;
constexpr DWORD kChildVisible = 0x50000000;  // WS_CHILD | WS_VISIBLE
constexpr DWORD kTabStop = 0x00010000;
constexpr DWORD kDisabled = 0x08000000;
constexpr DWORD kSetFont = 0x40;
constexpr WORD kButtonAtom = 0x80;
constexpr WORD kStaticAtom = 0x82;
constexpr WORD kTemplateId = 77;

WPARAM MakeWParam(WORD low, WORD high) { return WPARAM(low) | (WPARAM(high) << 16); }

// Writes classic dialog templates.
class TemplateBuilder {
public:
    TemplateBuilder(DWORD style, const std::string& caption) : style_(style), caption_(caption) {}

    TemplateBuilder& Item(DWORD style, int id, WORD classAtom, const std::string& text, bool textIsOrdinal = false) {
        items_.push_back({style, id, classAtom, "", text, textIsOrdinal});
        return *this;
    }
    TemplateBuilder& NamedClassItem(DWORD style, int id, const std::string& className, const std::string& text) {
        items_.push_back({style, id, 0, className, text, false});
        return *this;
    }
    std::vector<uint8_t> Bytes() const {
        std::vector<uint8_t> b;
        Dword(b, style_);
        Dword(b, 0);
        Word(b, WORD(items_.size()));
        for (int v : {1, 2, 200, 100}) Word(b, WORD(v));
        Word(b, 0);
        Word(b, 0);
        Text(b, caption_);
        if (style_ & kSetFont) {
            Word(b, 8);
            Text(b, "MS Sans Serif");
        }
        for (const auto& item : items_) {
            while (b.size() % 4 != 0) b.push_back(0);
            Dword(b, item.style);
            Dword(b, 0);
            for (int v : {10, 20, 30, 40}) Word(b, WORD(v));
            Word(b, WORD(item.id));
            if (item.atom != 0) {
                Word(b, 0xFFFF);
                Word(b, item.atom);
            } else {
                Text(b, item.className);
            }
            if (item.textIsOrdinal) {
                Word(b, 0xFFFF);
                Word(b, WORD(std::stoi(item.text)));
            } else {
                Text(b, item.text);
            }
            Word(b, 0);
        }
        return b;
    }

private:
    struct ItemDefinition {
        DWORD style;
        int id;
        WORD atom;
        std::string className;
        std::string text;
        bool textIsOrdinal;
    };
    static void Word(std::vector<uint8_t>& b, WORD v) {
        b.push_back(uint8_t(v));
        b.push_back(uint8_t(v >> 8));
    }
    static void Dword(std::vector<uint8_t>& b, DWORD v) {
        Word(b, WORD(v));
        Word(b, WORD(v >> 16));
    }
    static void Text(std::vector<uint8_t>& b, const std::string& s) {
        for (char c : s) Word(b, WORD(static_cast<unsigned char>(c)));
        Word(b, 0);
    }

    DWORD style_;
    std::string caption_;
    std::vector<ItemDefinition> items_;
};

// The standard test dialog: a static, an auto check box (10), a three-state
// box (11), a plain check box (12), OK, Cancel, a default push button (5),
// a disabled button (6) and a hidden one (7).
std::vector<uint8_t> StandardTemplate() {
    return TemplateBuilder(0x80C800C0, "Test")
        .Item(kChildVisible, -1, kStaticAtom, "label")
        .Item(kChildVisible | kTabStop | 3, 10, kButtonAtom, "auto")
        .Item(kChildVisible | kTabStop | 6, 11, kButtonAtom, "three")
        .Item(kChildVisible | kTabStop | 2, 12, kButtonAtom, "plain")
        .Item(kChildVisible | kTabStop, IDOK, kButtonAtom, "OK")
        .Item(kChildVisible | kTabStop, IDCANCEL, kButtonAtom, "Cancel")
        .Item(kChildVisible | kTabStop | 1, 5, kButtonAtom, "Default")
        .Item(kChildVisible | kTabStop | kDisabled, 6, kButtonAtom, "Disabled")
        .Item(0x40000000 | kTabStop, 7, kButtonAtom, "Hidden")
        .Bytes();
}

struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What the test procedure heard, and how it answers.
std::vector<Message>* g_log = nullptr;
std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)>* g_react = nullptr;

INT_PTR CALLBACK RecordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    g_log->push_back({message, wParam, lParam});
    return *g_react ? (*g_react)(dialog, message, wParam, lParam) : 0;
}

class DialogManagerTest : public testing::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        posix::SetDialogDriver(nullptr);
        g_log = &log_;
        g_react = &react_;
        module_ = posix::CreateResourceModule();
        posix::AddResource(module_, RT_DIALOG, MAKEINTRESOURCEA(kTemplateId), StandardTemplate());
        EndOnCommands();
    }
    void TearDown() override {
        posix::SetDialogDriver(nullptr);
        posix::DestroyResourceModule(module_);
        g_log = nullptr;
        g_react = nullptr;
        PlatformTest::TearDown();
    }

    INT_PTR Run(std::vector<posix::DialogStep> steps, HWND owner = nullptr, LPARAM param = 0) {
        posix::ScriptDialog(std::move(steps));
        return DialogBoxParamA(module_, MAKEINTRESOURCEA(kTemplateId), owner, RecordingProc, param);
    }
    std::vector<Message> Commands() const {
        std::vector<Message> out;
        for (const Message& m : log_)
            if (m.message == WM_COMMAND) out.push_back(m);
        return out;
    }
    // Any command other than a check box click ends the dialog with 100 + its id.
    void EndOnCommands() {
        react_ = [](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
            if (message != WM_COMMAND || LOWORD(wParam) >= 10) return FALSE;
            EndDialog(dialog, 100 + LOWORD(wParam));
            return TRUE;
        };
    }
    // Commands are only recorded; the plain check box (12) ends the dialog.
    void OnlyTheEndButtonEnds() {
        react_ = [](HWND d, UINT m, WPARAM w, LPARAM) -> INT_PTR {
            if (m == WM_COMMAND && LOWORD(w) == 12) EndDialog(d, 12);
            return FALSE;
        };
    }

    HMODULE module_ = nullptr;
    std::vector<Message> log_;
    std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)> react_;
};

// ---- templates ------------------------------------------------------------------

TEST(DialogTemplateTest, ATemplateReadsBackAsWritten) {
    const std::vector<uint8_t> bytes = TemplateBuilder(0x80C800C0, "Caption")
                                           .Item(kChildVisible | 1, IDOK, kButtonAtom, "OK")
                                           .NamedClassItem(kChildVisible | 5, -1, "Static", "")
                                           .Item(kChildVisible | 3, 100, kStaticAtom, "300", true)
                                           .Bytes();
    const auto t = posix::ParseDialogTemplate(bytes.data(), bytes.size());
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->style, 0x80C800C0u);
    EXPECT_EQ(t->caption, "Caption");
    EXPECT_TRUE(t->hasFont);
    EXPECT_EQ(t->pointSize, 8);
    EXPECT_EQ(t->typeface, "MS Sans Serif");
    EXPECT_EQ(t->cx, 200);
    EXPECT_EQ(t->cy, 100);
    ASSERT_EQ(t->items.size(), 3u);
    EXPECT_EQ(t->items[0].className, "Button");
    EXPECT_EQ(t->items[0].id, IDOK);
    EXPECT_EQ(t->items[0].text, "OK");
    EXPECT_EQ(t->items[1].className, "Static");
    EXPECT_EQ(t->items[1].id, -1);
    EXPECT_EQ(t->items[1].style, kChildVisible | 5);
    EXPECT_EQ(t->items[2].className, "Static");
    EXPECT_EQ(t->items[2].text, "#300");
    EXPECT_EQ(t->items[2].x, 10);
    EXPECT_EQ(t->items[2].cy, 40);
}

TEST(DialogTemplateTest, TruncatedExtendedOrRandomBytesAreRefusedSafely) {
    const std::vector<uint8_t> bytes = StandardTemplate();
    ASSERT_TRUE(posix::ParseDialogTemplate(bytes.data(), bytes.size()).has_value());
    for (size_t n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(posix::ParseDialogTemplate(bytes.data(), n).has_value()) << "cut to " << n << " bytes";

    std::vector<uint8_t> extended = bytes;
    extended[0] = 0x01;
    extended[1] = 0x00;
    extended[2] = 0xFF;
    extended[3] = 0xFF;
    EXPECT_FALSE(posix::ParseDialogTemplate(extended.data(), extended.size()).has_value());

    std::vector<uint8_t> tooMany = bytes;
    tooMany[8] = 0xFF;
    tooMany[9] = 0xFF;
    EXPECT_FALSE(posix::ParseDialogTemplate(tooMany.data(), tooMany.size()).has_value());

    std::mt19937 random(3);
    for (int i = 0; i < 2000; ++i) {
        std::vector<uint8_t> junk(random() % 200);
        for (auto& b : junk) b = uint8_t(random());
        (void)posix::ParseDialogTemplate(junk.data(), junk.size());  // must neither crash nor over-read
    }
}

// ---- creation -------------------------------------------------------------------

TEST_F(DialogManagerTest, AMissingOrBrokenTemplateGivesMinusOne) {
    EXPECT_EQ(DialogBoxParamA(module_, MAKEINTRESOURCEA(kTemplateId + 1), nullptr, RecordingProc, 0), -1);
    posix::AddResource(module_, RT_DIALOG, MAKEINTRESOURCEA(kTemplateId + 2), {0xC0, 0x00, 0xC8});
    EXPECT_EQ(DialogBoxParamA(module_, MAKEINTRESOURCEA(kTemplateId + 2), nullptr, RecordingProc, 0), -1);
    EXPECT_TRUE(log_.empty()) << "the procedure never ran";
}

TEST_F(DialogManagerTest, AnOwnerThatIsNoWindowGivesZero) {
    EXPECT_EQ(Run({posix::DialogStep::Escape()}, reinterpret_cast<HWND>(0x1234)), 0);
    EXPECT_TRUE(log_.empty());

    HWND owner = posix::CreateTestWindow(0, 0, 100, 100);
    HWND seen = nullptr;
    EXPECT_EQ(Run({posix::DialogStep::Run([&](HWND d) { seen = posix::DialogOwner(d); }), posix::DialogStep::Escape()},
                  owner),
              100 + IDCANCEL);
    EXPECT_EQ(seen, owner);
    posix::DestroyTestWindow(owner);
}

TEST_F(DialogManagerTest, InitDialogComesFirstWithTheParameterAndTheFirstTabStop) {
    OnlyTheEndButtonEnds();
    Run({posix::DialogStep::Click(10), posix::DialogStep::Click(12)}, nullptr, 4242);
    ASSERT_EQ(log_.size(), 3u);
    EXPECT_EQ(log_[0].message, UINT(WM_INITDIALOG));
    EXPECT_EQ(log_[0].lParam, 4242);
    EXPECT_NE(log_[1].lParam, 0);
    EXPECT_EQ(LPARAM(log_[0].wParam), log_[1].lParam) << "the first enabled, visible WS_TABSTOP control";
}

TEST_F(DialogManagerTest, EndDialogDuringInitEndsBeforeAnyInput) {
    react_ = [](HWND d, UINT m, WPARAM, LPARAM) -> INT_PTR {
        if (m == WM_INITDIALOG) EndDialog(d, 3);
        return FALSE;
    };
    int driverCalls = 0;
    posix::SetDialogDriver([&](HWND) { return ++driverCalls, true; });
    EXPECT_EQ(DialogBoxParamA(module_, MAKEINTRESOURCEA(kTemplateId), nullptr, RecordingProc, 0), 3);
    EXPECT_EQ(driverCalls, 0);
    EXPECT_EQ(log_.size(), 1u);
}

// ---- buttons ----------------------------------------------------------------------

TEST_F(DialogManagerTest, AnAutoCheckBoxTogglesBeforeItsNotification) {
    std::vector<UINT> statesSeen;
    react_ = [&](HWND d, UINT m, WPARAM w, LPARAM) -> INT_PTR {
        if (m == WM_COMMAND && LOWORD(w) == 10) statesSeen.push_back(IsDlgButtonChecked(d, 10));
        if (m == WM_COMMAND && LOWORD(w) == IDOK) EndDialog(d, IsDlgButtonChecked(d, 10));
        return FALSE;
    };
    EXPECT_EQ(Run({posix::DialogStep::Click(10), posix::DialogStep::Click(10), posix::DialogStep::Click(10),
                   posix::DialogStep::Click(IDOK)}),
              1);
    EXPECT_EQ(statesSeen, (std::vector<UINT>{1, 0, 1}));
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0].wParam, MakeWParam(10, 0)) << "id and BN_CLICKED";
}

TEST_F(DialogManagerTest, AThreeStateBoxCyclesAndAPlainCheckBoxDoesNotToggle) {
    std::vector<UINT> three, plain;
    Run({posix::DialogStep::Click(11),
         posix::DialogStep::Run([&](HWND d) { three.push_back(IsDlgButtonChecked(d, 11)); }),
         posix::DialogStep::Click(11),
         posix::DialogStep::Run([&](HWND d) { three.push_back(IsDlgButtonChecked(d, 11)); }),
         posix::DialogStep::Click(11),
         posix::DialogStep::Run([&](HWND d) { three.push_back(IsDlgButtonChecked(d, 11)); }),
         posix::DialogStep::Click(12),
         posix::DialogStep::Run([&](HWND d) { plain.push_back(IsDlgButtonChecked(d, 12)); }),
         posix::DialogStep::Escape()});
    EXPECT_EQ(three, (std::vector<UINT>{1, 2, 0}));
    EXPECT_EQ(plain, (std::vector<UINT>{0})) << "BS_CHECKBOX leaves toggling to its owner";
}

TEST_F(DialogManagerTest, CheckDlgButtonClampsToWhatTheButtonCanShow) {
    std::vector<UINT> seen;
    std::vector<BOOL> answers;
    Run({posix::DialogStep::Run([&](HWND d) {
             answers.push_back(CheckDlgButton(d, 10, 7));
             seen.push_back(IsDlgButtonChecked(d, 10));
             answers.push_back(CheckDlgButton(d, 10, UINT(-3)));
             seen.push_back(IsDlgButtonChecked(d, 10));
             answers.push_back(CheckDlgButton(d, 10, BST_UNCHECKED));
             seen.push_back(IsDlgButtonChecked(d, 10));
             answers.push_back(CheckDlgButton(d, 11, 7));
             seen.push_back(IsDlgButtonChecked(d, 11));
             answers.push_back(CheckDlgButton(d, IDOK, BST_CHECKED));
             seen.push_back(IsDlgButtonChecked(d, IDOK));
             answers.push_back(CheckDlgButton(d, 999, BST_CHECKED));
             seen.push_back(IsDlgButtonChecked(d, 999));
         }),
         posix::DialogStep::Escape()});
    EXPECT_EQ(seen, (std::vector<UINT>{1, 1, 0, 2, 0, 0}));
    EXPECT_EQ(answers, (std::vector<BOOL>{TRUE, TRUE, TRUE, TRUE, TRUE, FALSE}));
}

TEST_F(DialogManagerTest, DisabledHiddenAndStaticControlsTakeNoClicks) {
    std::vector<bool> taken;
    Run({posix::DialogStep::Run([&](HWND d) {
             taken.push_back(posix::ClickDialogItem(d, 6));
             taken.push_back(posix::ClickDialogItem(d, 7));
             taken.push_back(posix::ClickDialogItem(d, -1));
             taken.push_back(posix::ClickDialogItem(d, 999));
         }),
         posix::DialogStep::Escape()});
    EXPECT_EQ(taken, (std::vector<bool>{false, false, false, false}));
    ASSERT_EQ(Commands().size(), 1u) << "only the Escape";
}

// ---- keys and the close button ---------------------------------------------------

TEST_F(DialogManagerTest, EnterClicksTheDefaultPushButton) {
    OnlyTheEndButtonEnds();
    Run({posix::DialogStep::Click(5), posix::DialogStep::Enter(), posix::DialogStep::Click(12)});
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[1].wParam, MakeWParam(5, 0));
    EXPECT_EQ(commands[1].lParam, commands[0].lParam) << "from the default button itself";
    EndOnCommands();
    EXPECT_EQ(Run({posix::DialogStep::Enter()}), 105);
}

TEST_F(DialogManagerTest, EnterWithoutADefaultButtonSendsIdOk) {
    posix::AddResource(module_, RT_DIALOG, MAKEINTRESOURCEA(kTemplateId + 3),
                       TemplateBuilder(0x80C800C0, "No default").Item(kChildVisible | 3, 10, kButtonAtom, "x").Bytes());
    posix::ScriptDialog({posix::DialogStep::Enter()});
    EXPECT_EQ(DialogBoxParamA(module_, MAKEINTRESOURCEA(kTemplateId + 3), nullptr, RecordingProc, 0), 100 + IDOK);
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_EQ(Commands()[0].lParam, 0) << "there is no OK control to name";
}

TEST_F(DialogManagerTest, EscapeSendsIdCancelFromTheCancelButton) {
    OnlyTheEndButtonEnds();
    Run({posix::DialogStep::Click(IDCANCEL), posix::DialogStep::Escape(), posix::DialogStep::Click(12)});
    const auto commands = Commands();
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(LOWORD(commands[1].wParam), IDCANCEL);
    EXPECT_NE(commands[1].lParam, 0);
    EXPECT_EQ(commands[1].lParam, commands[0].lParam);
    EndOnCommands();
    EXPECT_EQ(Run({posix::DialogStep::Escape()}), 100 + IDCANCEL);
}

TEST_F(DialogManagerTest, TheCloseButtonBecomesIdCancelUnlessTheProcedureTakesIt) {
    EXPECT_EQ(Run({posix::DialogStep::CloseButton()}), 100 + IDCANCEL);
    std::vector<UINT> order;
    for (const Message& m : log_) order.push_back(m.message);
    EXPECT_EQ(order, (std::vector<UINT>{WM_INITDIALOG, kWmSysCommand, kWmClose, WM_COMMAND}));
    EXPECT_EQ(log_[1].wParam, kScClose);

    log_.clear();
    react_ = [](HWND d, UINT m, WPARAM, LPARAM) -> INT_PTR {
        if (m != kWmClose) return FALSE;
        EndDialog(d, 9);
        return TRUE;
    };
    EXPECT_EQ(Run({posix::DialogStep::CloseButton()}), 9);
    EXPECT_TRUE(Commands().empty());
}

// ---- the focus and the keyboard ----------------------------------------------------

struct FocusRow {
    const char* name;
    BOOL initAnswer;  // what WM_INITDIALOG answers
    int initFocus;    // the control the procedure focuses itself, 0 for none
    std::vector<posix::DialogStep> keys;
    int focusId;  // where the focus ends up; 0 for the dialog itself
    INT_PTR resultAfterEnter;
};

class DialogFocusTest : public DialogManagerTest, public ::testing::WithParamInterface<FocusRow> {};

TEST_P(DialogFocusTest, KeysMoveTheFocusAndEnterFollowsIt) {
    const FocusRow& row = GetParam();
    react_ = [&row](HWND dialog, UINT message, WPARAM wParam, LPARAM) -> INT_PTR {
        if (message == WM_INITDIALOG) {
            if (row.initFocus != 0) {
                SetFocus(GetDlgItem(dialog, row.initFocus));
                EXPECT_EQ(SetFocus(reinterpret_cast<HWND>(0x1234)), nullptr) << "no window: the focus stays";
            }
            return row.initAnswer;
        }
        if (message != WM_COMMAND || LOWORD(wParam) >= 10) return FALSE;
        EndDialog(dialog, 100 + LOWORD(wParam));
        return TRUE;
    };
    int focusId = -1;
    std::vector<posix::DialogStep> steps = row.keys;
    steps.push_back(posix::DialogStep::Run([&](HWND d) { focusId = GetFocus() == d ? 0 : GetDlgCtrlID(GetFocus()); }));
    steps.push_back(posix::DialogStep::Key(VK_RETURN));
    HWND before = posix::CreateTestWindow(0, 0, 10, 10);
    SetFocus(before);
    EXPECT_EQ(Run(steps), row.resultAfterEnter);
    EXPECT_EQ(focusId, row.focusId);
    EXPECT_EQ(GetFocus(), before) << "the focus goes back when the dialog ends";
    posix::DestroyTestWindow(before);
}

// The standard dialog's tab stops, in order: 10, 11, 12, OK, Cancel, 5 (the
// default); 6 is disabled and 7 hidden.
const posix::DialogStep kTab = posix::DialogStep::Key(VK_TAB);
const posix::DialogStep kBackTab = posix::DialogStep::Key(VK_TAB, true);
const FocusRow kFocusRows[] = {
    {"TrueFocusesTheFirstTabStop", TRUE, 0, {}, 10, 105},
    {"FalseWithNoChoiceStillFocusesTheFirstTabStop", FALSE, 0, {}, 10, 105},
    {"FalseKeepsTheProcedureChoice", FALSE, IDCANCEL, {}, IDCANCEL, 100 + IDCANCEL},
    {"TabToAPushButtonAndEnterPressesIt", TRUE, 0, {kTab, kTab, kTab, kTab}, IDCANCEL, 100 + IDCANCEL},
    {"TabSkipsUnusableControlsAndWraps", TRUE, 0, {kTab, kTab, kTab, kTab, kTab, kTab}, 10, 105},
    {"ShiftTabFromTheFirstWrapsToTheLast", FALSE, 0, {kBackTab}, 5, 105},
    {"ShiftTabWraps", TRUE, 0, {kBackTab, kBackTab}, IDCANCEL, 100 + IDCANCEL},
};
void PrintTo(const FocusRow& row, std::ostream* out) { *out << row.name; }
INSTANTIATE_TEST_SUITE_P(Rows, DialogFocusTest, ::testing::ValuesIn(kFocusRows), testing::RowName<FocusRow>);

// ---- ending -----------------------------------------------------------------------

TEST_F(DialogManagerTest, AnEndedDialogTakesNoMoreInput) {
    HWND stale = nullptr;
    Run({posix::DialogStep::Run([&](HWND d) { stale = d; }), posix::DialogStep::Escape()});
    ASSERT_NE(stale, nullptr);
    EXPECT_FALSE(posix::ClickDialogItem(stale, 10));
    EXPECT_FALSE(posix::PressDialogEnter(stale));
    EXPECT_FALSE(posix::PressDialogEscape(stale));
    EXPECT_FALSE(posix::PressDialogCloseButton(stale));
    EXPECT_FALSE(EndDialog(stale, 1));
    EXPECT_FALSE(CheckDlgButton(stale, 10, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(stale, 10), 0u);
}

TEST_F(DialogManagerTest, ADialogLeftWithoutInputIsClosedAndCounted) {
    const int before = posix::UnattendedDialogs();
    EXPECT_EQ(DialogBoxParamA(module_, MAKEINTRESOURCEA(kTemplateId), nullptr, RecordingProc, 0), 100 + IDCANCEL)
        << "no driver: the close button is pressed";
    EXPECT_EQ(posix::UnattendedDialogs(), before + 1);

    react_ = nullptr;  // a procedure that never ends its dialog
    EXPECT_EQ(Run({posix::DialogStep::Click(10)}), 0);
    EXPECT_EQ(posix::UnattendedDialogs(), before + 2);

    int calls = 0;
    posix::SetDialogDriver([&](HWND) { return ++calls, true; });  // busy, but never ends it
    EXPECT_EQ(DialogBoxParamA(module_, MAKEINTRESOURCEA(kTemplateId), nullptr, RecordingProc, 0), 0);
    EXPECT_EQ(calls, posix::kMaxDialogSteps);
    EXPECT_EQ(posix::UnattendedDialogs(), before + 3);
}

}  // namespace
}  // namespace quibac
