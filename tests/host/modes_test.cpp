// The command line the control panel starts the program with: which mode each
// one runs, with which window, and the exit code.
#include "host_fixture.h"

#include "settings/config_dialog.h"

#include <functional>
#include <vector>

namespace quibac {
namespace {

using testing::HostTest;

enum class Seen { Nothing, DialogUnowned, DialogOwned, FullScreen, Preview, PasswordChange };

struct ModeRow {
    const char* name;
    // "{h}" stands for the parent window's handle, "{w}" for it plus 2^32 and
    // "{dead}" for a window that is gone.
    std::string commandLine;
    bool win9x;
    int exitCode;
    Seen seen;
    bool inTheGivenWindow;  // preview and password change: in {h} rather than the foreground window
};

// The change-password provider's calls; only the test's thread makes them.
std::vector<std::pair<std::string, HWND>> g_passwordChanges;

DWORD WINAPI RecordPasswordChange(LPCSTR provider, HWND parent, DWORD, DWORD) {
    g_passwordChanges.emplace_back(provider, parent);
    return 0;
}

std::string Substitute(std::string text, const std::string& token, const std::string& value) {
    for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size()))
        text.replace(at, token.size(), value);
    return text;
}

class ModesTest : public HostTest, public ::testing::WithParamInterface<ModeRow> {
protected:
    void SetUp() override {
        HostTest::SetUp();
        g_passwordChanges.clear();
        posix::ProvideLibrary("MPR.DLL", {{"PwdChangePasswordA", testing::Entry(RecordPasswordChange)}});
        desk_ = posix::CreateTestWindow(0, 0, 1024, 768);
        parent_ = posix::CreateTestWindow(100, 80, 152, 112);
        HWND gone = posix::CreateTestWindow(0, 0, 10, 10);
        dead_ = HandleText(gone);
        posix::DestroyTestWindow(gone);
        SetForegroundWindow(desk_);
        MarkWindows();
    }

    // Runs the row's command line and notes what the program showed, closing
    // whatever it opened as a user would.
    int RunRow(const ModeRow& row) {
        posix::SetWin9x(row.win9x);
        const uint64_t wrapped = uint64_t(uint32_t(reinterpret_cast<uintptr_t>(parent_))) + (uint64_t(1) << 32);
        std::string line = Substitute(row.commandLine, "{h}", HandleText(parent_));
        line = Substitute(line, "{w}", std::to_string(wrapped));
        line = Substitute(line, "{dead}", dead_);
        posix::ScriptDialog({posix::DialogStep::Run([&](HWND dialog) {
                                 seen_ =
                                     posix::DialogOwner(dialog) == nullptr ? Seen::DialogUnowned : Seen::DialogOwned;
                                 owner_ = posix::DialogOwner(dialog);
                             }),
                             posix::DialogStep::Escape()});
        posix::SetIdleDriver([&] {
            HWND saver = FindWindowA(kSaverClassName, kFullScreenTitle);
            const std::vector<HWND> children = posix::ChildWindows(parent_);
            if (saver == nullptr && !children.empty()) saver = children.front();
            if (saver == nullptr) return false;
            seen_ = saver == FindWindowA(kSaverClassName, kFullScreenTitle) ? Seen::FullScreen : Seen::Preview;
            saver_ = saver;
            window_ = posix::DescribeWindow(saver);
            foreground_ = GetForegroundWindow();
            PostMessageA(saver, WM_CLOSE, 0, 0);
            return true;
        });
        const int code = Run(line);
        if (!g_passwordChanges.empty()) {
            seen_ = Seen::PasswordChange;
            owner_ = g_passwordChanges.front().second;
        }
        return code;
    }

    HWND desk_ = nullptr;
    HWND parent_ = nullptr;
    std::string dead_;
    Seen seen_ = Seen::Nothing;
    HWND owner_ = nullptr;
    HWND saver_ = nullptr;
    posix::WindowInfo window_;
    HWND foreground_ = nullptr;
};

TEST_P(ModesTest, RunsTheModeTheCommandLineAsksFor) {
    const ModeRow& row = GetParam();
    EXPECT_EQ(RunRow(row), row.exitCode);
    EXPECT_EQ(seen_, row.seen);
    EXPECT_EQ(WindowsLeft(), 0);
    switch (row.seen) {
    case Seen::FullScreen:
        EXPECT_EQ(window_.title, kFullScreenTitle);
        EXPECT_EQ(window_.exStyle, DWORD(WS_EX_TOPMOST));
        EXPECT_EQ(window_.style, DWORD(WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
        EXPECT_EQ(window_.screenClient.right - window_.screenClient.left, posix::ScreenWidth());
        EXPECT_EQ(window_.screenClient.bottom - window_.screenClient.top, posix::ScreenHeight());
        EXPECT_EQ(foreground_, saver_) << "the saver takes the foreground";
        break;
    case Seen::Preview: {
        EXPECT_EQ(window_.title, kPreviewTitle);
        EXPECT_EQ(window_.parent, parent_);
        EXPECT_EQ(window_.style, DWORD(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN));
        const posix::WindowInfo parent = posix::DescribeWindow(parent_);
        EXPECT_EQ(window_.screenClient.left, parent.screenClient.left);
        EXPECT_EQ(window_.screenClient.top, parent.screenClient.top);
        EXPECT_EQ(window_.screenClient.right, parent.screenClient.right);
        EXPECT_EQ(window_.screenClient.bottom, parent.screenClient.bottom);
        EXPECT_EQ(foreground_, desk_) << "a preview never takes the foreground";
        break;
    }
    case Seen::DialogOwned: EXPECT_EQ(owner_, desk_); break;
    case Seen::PasswordChange:
        EXPECT_EQ(owner_, row.inTheGivenWindow ? parent_ : desk_);
        EXPECT_EQ(g_passwordChanges.front().first, "SCRSAVE");
        break;
    default: break;
    }
}

const ModeRow kModeRows[] = {
    {"NoModeOpensTheDialogUnowned", "quibac.scr", false, 0, Seen::DialogUnowned, false},
    {"QuotedPathWithSpaces", "\"C:\\Program Files\\Quib\\quibac.scr\"", false, 0, Seen::DialogUnowned, false},
    {"QuoteDirectlyFollowedBySlashS", "\"C:\\Program Files\\Quib\\quibac.scr\"/s", false, 0, Seen::FullScreen, false},
    {"SlashS", "quibac.scr /s", false, 0, Seen::FullScreen, false},
    {"DashS", "quibac.scr -s", false, 0, Seen::FullScreen, false},
    {"BareS", "quibac.scr s", false, 0, Seen::FullScreen, false},
    {"UpperS", "quibac.scr S", false, 0, Seen::FullScreen, false},
    {"SlashUpperS", "quibac.scr /S", false, 0, Seen::FullScreen, false},
    {"SeparatorsBeforeS", "quibac.scr - / s", false, 0, Seen::FullScreen, false},
    {"UnknownLetter", "quibac.scr /x", false, -1, Seen::Nothing, false},
    {"BareUnknownLetter", "quibac.scr x", false, -1, Seen::Nothing, false},
    {"Digit", "quibac.scr 0", false, -1, Seen::Nothing, false},
    {"TabBeforeTheLetter", "quibac.scr /\ts", false, -1, Seen::Nothing, false},
    {"CharacterAbove127", "quibac.scr /\xC5s", false, -1, Seen::Nothing, false},
    {"ConfigureWithColonNumber", "quibac.scr /c:1234", false, 0, Seen::DialogOwned, false},
    {"ConfigureWithNumber", "quibac.scr /c 1234", false, 0, Seen::DialogOwned, false},
    {"PreviewWithSpace", "quibac.scr /p {h}", false, 0, Seen::Preview, true},
    {"PreviewWithoutSpace", "quibac.scr /p{h}", false, 0, Seen::Preview, true},
    {"PreviewUpperP", "quibac.scr /P {h}", false, 0, Seen::Preview, true},
    {"PreviewAsL", "quibac.scr /l {h}", false, 0, Seen::Preview, true},
    {"PreviewColonIsNotSkipped", "quibac.scr /p:{h}", false, -1, Seen::Nothing, false},
    {"PreviewDigitsThenLetters", "quibac.scr /p {h}ab", false, 0, Seen::Preview, true},
    {"PreviewHandleWrapsAt32Bits", "quibac.scr /p {w}", false, 0, Seen::Preview, true},
    {"PreviewZero", "quibac.scr /p 0", false, -1, Seen::Nothing, false},
    {"PreviewWithoutHandle", "quibac.scr /p", false, -1, Seen::Nothing, false},
    {"PreviewDeadHandle", "quibac.scr /p {dead}", false, -1, Seen::Nothing, false},
    {"PasswordChangeOnNt", "quibac.scr /a {h}", false, -1, Seen::Nothing, false},
    {"PasswordChangeOn9x", "quibac.scr /a {h}", true, 0, Seen::PasswordChange, true},
    {"PasswordChangeOn9xWithoutHandle", "quibac.scr /a", true, 0, Seen::PasswordChange, false},
    {"PasswordChangeOn9xDeadHandle", "quibac.scr /a {dead}", true, 0, Seen::PasswordChange, false},
};

INSTANTIATE_TEST_SUITE_P(CommandLines, ModesTest, ::testing::ValuesIn(kModeRows), testing::RowName<ModeRow>);

// ---- the change-password provider missing ------------------------------------------------

struct MissingProviderRow {
    const char* name;
    bool libraryThere;  // MPR.DLL without the entry, or no MPR.DLL at all
};

class MissingProviderTest : public HostTest, public ::testing::WithParamInterface<MissingProviderRow> {};

TEST_P(MissingProviderTest, PasswordChangeDoesNothingAndEndsWithZero) {
    if (GetParam().libraryThere) posix::ProvideLibrary("MPR.DLL", {});
    posix::SetWin9x(true);
    EXPECT_EQ(Run("quibac.scr /a"), 0);
    EXPECT_EQ(posix::LibraryLoadCalls(), 1);
    EXPECT_EQ(posix::LoadedLibraries(), 0) << "whatever was loaded is freed";
    EXPECT_EQ(WindowsLeft(), 0);
}

const MissingProviderRow kMissingProviderRows[] = {{"NoLibrary", false}, {"LibraryWithoutTheEntry", true}};

INSTANTIATE_TEST_SUITE_P(Provider, MissingProviderTest, ::testing::ValuesIn(kMissingProviderRows),
                         testing::RowName<MissingProviderRow>);

// ---- a saver that runs already ------------------------------------------------------

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

class RunningSaverTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        // Another process's saver: same class name, another module.
        other_ = posix::CreateResourceModule();
        WNDCLASSA otherClass{};
        otherClass.lpfnWndProc = PlainProc;
        otherClass.hInstance = other_;
        otherClass.lpszClassName = kSaverClassName;
        ASSERT_NE(RegisterClassA(&otherClass), 0);
        running_ = CreateWindowExA(WS_EX_TOPMOST, kSaverClassName, kFullScreenTitle, WS_POPUP | WS_VISIBLE, 0, 0, 1024,
                                   768, nullptr, nullptr, other_, nullptr);
        ASSERT_NE(running_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(running_);
        UnregisterClassA(kSaverClassName, other_);
        posix::DestroyResourceModule(other_);
        HostTest::TearDown();
    }

    HMODULE other_ = nullptr;
    HWND running_ = nullptr;
};

TEST_F(RunningSaverTest, SecondFullScreenSaverBringsTheFirstToTheFrontAndLoadsNothing) {
    posix::SetWin9x(true);
    posix::SetRegistryValue(HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveUsePassword", {1, 0, 0, 0});
    HWND elsewhere = posix::CreateTestWindow(0, 0, 10, 10);
    SetForegroundWindow(elsewhere);
    EXPECT_EQ(Run("quibac.scr /s"), 0);
    EXPECT_EQ(GetForegroundWindow(), running_);
    EXPECT_EQ(posix::LibraryLoadCalls(), 0) << "no verifier";
    EXPECT_EQ(posix::RegistryCalls(), 0);
    EXPECT_EQ(WindowsLeft(), 2) << "only the test's own windows";
}

TEST_F(RunningSaverTest, PreviewStartsWhileAFullScreenSaverRuns) {
    HWND parent = posix::CreateTestWindow(100, 80, 152, 112);
    bool shown = false;
    WhilePreviewRuns(parent, [&](HWND preview) {
        shown = true;
        return ClosePreview(preview);
    });
    EXPECT_EQ(Run("quibac.scr /p " + HandleText(parent)), 0);
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace quibac
