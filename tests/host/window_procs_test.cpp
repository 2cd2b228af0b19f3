// The host's two window procedures: which messages reach the saver procedure,
// what they answer, and when input becomes a close request.
#include "host_window_fixture.h"

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace quibac {
namespace {

using testing::HostWindowTest;
using testing::ReachedSaver;

constexpr LRESULT kAny = -12345;  // the answer is the platform's default: not checked

struct HostRow {
    const char* name;
    UINT message;
    WPARAM wParam;
    bool preview;
    bool closing;
    LRESULT answer;
    bool reachesSaver;
    bool hidesCursor;
};

class HostWndProcTest : public HostWindowTest, public ::testing::WithParamInterface<HostRow> {};

TEST_P(HostWndProcTest, RoutesTheMessage) {
    const HostRow& row = GetParam();
    Open(row.preview, false);
    host_.Password.Closing = row.closing ? 1 : 0;
    const int hidden = posix::CursorHideCalls();
    const LRESULT answer = SendMessageA(window_, row.message, row.wParam, 0);
    if (row.answer != kAny) {
        EXPECT_EQ(answer, row.answer);
    }
    EXPECT_EQ(Reached(row.message), row.reachesSaver);
    EXPECT_EQ(posix::CursorHideCalls() > hidden, row.hidesCursor);
    EXPECT_EQ(posix::DescribeWindow(window_).title, row.preview ? kPreviewTitle : kFullScreenTitle);
    host_.Password.Closing = 0;
}

const HostRow kHostRows[] = {
    {"SetTextFullScreen", WM_SETTEXT, 0, false, false, 0, false, false},
    {"SetTextPreview", WM_SETTEXT, 0, true, false, 0, false, false},
    {"PaintWhileClosing", WM_PAINT, 0, false, true, kAny, false, false},
    {"PaintFullScreen", WM_PAINT, 0, false, false, kAny, true, true},
    {"PaintPreview", WM_PAINT, 0, true, false, kAny, true, false},
    {"HelpInPreview", WM_HELP, 0, true, false, 1, false, false},
    {"ContextMenuInPreview", WM_CONTEXTMENU, 0, true, false, 1, false, false},
    {"HelpFullScreen", WM_HELP, 0, false, false, kAny, true, false},
    {"KeyWhileClosing", WM_KEYDOWN, 0, false, true, kAny, false, false},
    {"MouseMoveWhileClosing", WM_MOUSEMOVE, 0, false, true, kAny, false, false},
    {"ButtonWhileClosing", WM_RBUTTONDOWN, 0, false, true, kAny, false, false},
    {"Key", WM_KEYDOWN, 0, false, false, kAny, true, false},
    {"ScreenSaveCommand", WM_SYSCOMMAND, SC_SCREENSAVE, false, false, 0, false, false},
    {"NextWindowCommand", WM_SYSCOMMAND, SC_NEXTWINDOW, false, false, 0, false, false},
    {"PrevWindowCommand", WM_SYSCOMMAND, SC_PREVWINDOW, false, false, 0, false, false},
    {"CommandWithLowBitsSet", WM_SYSCOMMAND, SC_SCREENSAVE | 1, false, false, kAny, true, false},
    {"ScreenSaveCommandInPreview", WM_SYSCOMMAND, SC_SCREENSAVE, true, false, kAny, true, false},
    {"TimerWhileClosing", WM_TIMER, 0, false, true, 0, false, false},
    {"Timer", WM_TIMER, 0, false, false, kAny, true, false},
};

INSTANTIATE_TEST_SUITE_P(Messages, HostWndProcTest, ::testing::ValuesIn(kHostRows), testing::RowName<HostRow>);

// ---- the default handler ----------------------------------------------------------

struct DefaultRow {
    const char* name;
    UINT message;
    WPARAM wParam;
    bool preview;
    bool checking;
    bool postsClose;
    bool hidesCursor;
};

class DefaultSaverProcTest : public HostWindowTest, public ::testing::WithParamInterface<DefaultRow> {};

TEST_P(DefaultSaverProcTest, TurnsInputIntoCloseRequests) {
    const DefaultRow& row = GetParam();
    Open(row.preview, false);
    host_.Password.CheckingPassword = row.checking;
    const int hidden = posix::CursorHideCalls();
    const LRESULT answer = DefaultSaverProc(window_, row.message, row.wParam, 0);
    EXPECT_EQ(TakeCloseRequests(), row.postsClose ? 1 : 0);
    EXPECT_EQ(posix::CursorHideCalls() > hidden, row.hidesCursor);
    if (row.message == WM_SETCURSOR) {
        EXPECT_EQ(answer, row.preview || row.checking ? FALSE : TRUE);
    }
    host_.Password.CheckingPassword = false;
}

const DefaultRow kDefaultRows[] = {
    {"KeyDown", WM_KEYDOWN, 'A', false, false, true, false},
    {"SystemKeyDown", WM_SYSKEYDOWN, VK_MENU, false, false, true, false},
    {"LeftButton", WM_LBUTTONDOWN, MK_LBUTTON, false, false, true, false},
    {"RightButton", WM_RBUTTONDOWN, MK_RBUTTON, false, false, true, false},
    {"MiddleButton", WM_MBUTTONDOWN, MK_MBUTTON, false, false, true, false},
    {"KeyUp", WM_KEYUP, 'A', false, false, false, false},
    {"ButtonUp", WM_LBUTTONUP, 0, false, false, false, false},
    {"DoubleClick", WM_LBUTTONDBLCLK, MK_LBUTTON, false, false, false, false},
    {"Character", WM_CHAR, 'a', false, false, false, false},
    {"AnotherApplicationActivated", WM_ACTIVATEAPP, FALSE, false, false, true, false},
    {"ThisApplicationActivated", WM_ACTIVATEAPP, TRUE, false, false, false, false},
    {"Shown", WM_SHOWWINDOW, TRUE, false, false, false, true},
    {"Hidden", WM_SHOWWINDOW, FALSE, false, false, false, false},
    {"SetCursor", WM_SETCURSOR, 0, false, false, false, true},
    {"KeyInPreview", WM_KEYDOWN, 'A', true, false, false, false},
    {"DeactivatedPreview", WM_ACTIVATEAPP, FALSE, true, false, false, false},
    {"SetCursorInPreview", WM_SETCURSOR, 0, true, false, false, false},
    {"KeyWhilePasswordIsAsked", WM_KEYDOWN, 'A', false, true, false, false},
    {"SetCursorWhilePasswordIsAsked", WM_SETCURSOR, 0, false, true, false, false},
};

INSTANTIATE_TEST_SUITE_P(Steps, DefaultSaverProcTest, ::testing::ValuesIn(kDefaultRows), testing::RowName<DefaultRow>);

// ---- movement -----------------------------------------------------------------------

struct MovementRow {
    const char* name;
    std::vector<POINT> offsets;  // cursor positions relative to where it was at creation
    std::vector<int> closesAt;   // indices of the positions that post a close request
};

class MovementTest : public HostWindowTest, public ::testing::WithParamInterface<MovementRow> {};

TEST_P(MovementTest, ClosesOnlyBeyondTheThresholdFromTheAnchor) {
    const MovementRow& row = GetParam();
    Open(false, false);
    std::vector<int> closes;
    for (size_t i = 0; i < row.offsets.size(); ++i) {
        posix::SetCursorPosition(testing::kCursorX + row.offsets[i].x, testing::kCursorY + row.offsets[i].y);
        DefaultSaverProc(window_, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));  // the message's own point is not used
        if (TakeCloseRequests() > 0) closes.push_back(int(i));
    }
    EXPECT_EQ(closes, row.closesAt);
}

const MovementRow kMovementRows[] = {
    {"FourPixelsStay", {{2, 2}}, {}},
    {"FivePixelsClose", {{3, 2}}, {0}},
    {"FivePixelsUpAndLeftClose", {{-3, -2}}, {0}},
    {"SmallStepsAddUp", {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}, {4}},
    {"AnchorMovesWithEachClose", {{5, 0}, {9, 0}, {10, 0}}, {0, 2}},
    {"WanderingWithinFourNeverCloses", {{4, 0}, {0, 4}, {-4, 0}, {0, -4}, {2, -2}, {-2, 2}, {1, 3}, {4, 0}}, {}},
};

INSTANTIATE_TEST_SUITE_P(Cursor, MovementTest, ::testing::ValuesIn(kMovementRows), testing::RowName<MovementRow>);

// ---- lifetime messages from elsewhere ----------------------------------------------
// Another program can send the window any message. Lifetime messages that do
// not come from the window's own creation and destruction leave it as it was.

enum class CreationData { None, NoParameters, AnotherState };
enum class CloseBy { Key, Movement };

struct ForgedRow {
    const char* name;
    UINT message;
    CreationData data;
    CloseBy closeBy;
};

class ForgedLifetimeTest : public HostWindowTest, public ::testing::WithParamInterface<ForgedRow> {};

TEST_P(ForgedLifetimeTest, LeavesTheWindowAttachedAndClosingOnInput) {
    const ForgedRow& row = GetParam();
    Open(false, false);
    HostState foreign;  // a state of nothing: no saver, no window
    CREATESTRUCTA creation{};
    creation.lpCreateParams = row.data == CreationData::AnotherState ? &foreign : nullptr;
    creation.lpszName = "Forged";
    const LPARAM lParam = row.data == CreationData::None ? 0 : reinterpret_cast<LPARAM>(&creation);
    SendMessageA(window_, row.message, 0, lParam);
    EXPECT_EQ(HostOf(window_), &host_);
    EXPECT_FALSE(Reached(row.message)) << "the saver never saw it";
    EXPECT_EQ(posix::DescribeWindow(window_).title, kFullScreenTitle);
    if (row.closeBy == CloseBy::Key)
        posix::PressKey(VK_SPACE, window_);
    else
        posix::MoveCursorBy(3, 2);
    Pump();
    EXPECT_FALSE(IsWindow(window_)) << "input still closes the saver";
}

const ForgedRow kForgedRows[] = {
    {"NcDestroyThenKey", WM_NCDESTROY, CreationData::None, CloseBy::Key},
    {"NcDestroyThenMovement", WM_NCDESTROY, CreationData::None, CloseBy::Movement},
    {"NcCreateWithoutCreationData", WM_NCCREATE, CreationData::None, CloseBy::Key},
    {"NcCreateWithoutParameters", WM_NCCREATE, CreationData::NoParameters, CloseBy::Key},
    {"NcCreateWithAnotherState", WM_NCCREATE, CreationData::AnotherState, CloseBy::Movement},
    {"CreateWithAnotherState", WM_CREATE, CreationData::AnotherState, CloseBy::Key},
};

INSTANTIATE_TEST_SUITE_P(Messages, ForgedLifetimeTest, ::testing::ValuesIn(kForgedRows), testing::RowName<ForgedRow>);

TEST_F(HostWindowTest, SecondCreateNeitherReseedsTheShowNorMovesTheMouseAnchor) {
    Open(false, false);
    const uint32_t seed = host_.SaverState->Animation.Random.State;
    posix::AdvanceVirtualTime(1000);  // a reseed now would give another state
    posix::SetCursorPosition(testing::kCursorX + 3, testing::kCursorY);
    CREATESTRUCTA creation{};
    creation.lpCreateParams = &host_;
    EXPECT_EQ(SendMessageA(window_, WM_CREATE, 0, reinterpret_cast<LPARAM>(&creation)), 0);
    EXPECT_FALSE(Reached(WM_CREATE));
    EXPECT_EQ(host_.SaverState->Animation.Random.State, seed);
    posix::SetCursorPosition(testing::kCursorX + 5, testing::kCursorY);
    DefaultSaverProc(window_, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(TakeCloseRequests(), 1) << "5 pixels from where the window was created";
}

// A window of the saver's class made without a state, and then sent creation
// messages that carry none either, has nothing to attach: it is left to the
// platform's default handling, and the saver's own window goes on as before.
TEST_F(HostWindowTest, AWindowOfTheClassWithoutAStateNeverReachesTheSaver) {
    Open(false, false);
    HWND bare = CreateWindowExA(0, kSaverClassName, "Bare", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                host_.SaverInstance, nullptr);
    ASSERT_NE(bare, nullptr) << "made without a state";
    EXPECT_EQ(HostOf(bare), nullptr);
    SendMessageA(bare, WM_NCCREATE, 0, 0);
    EXPECT_EQ(HostOf(bare), nullptr) << "a WM_NCCREATE without creation data";
    CREATESTRUCTA creation{};
    creation.lpszName = "Forged";
    SendMessageA(bare, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&creation));
    EXPECT_EQ(HostOf(bare), nullptr) << "a WM_NCCREATE whose creation data names no state";
    EXPECT_TRUE(DestroyWindow(bare));
    EXPECT_TRUE(ReachedSaver().empty()) << "the saver saw a message of a window that is not its own";
    EXPECT_EQ(HostOf(window_), &host_);
}

// The other side of the forged messages: the window's own end still goes
// all the way to the saver, its last message included, once each.
TEST_F(HostWindowTest, OwnDestructionReachesTheSaverUpToItsLastMessage) {
    Open(false, false);
    DestroyWindow(window_);
    std::vector<UINT> lifetime;
    for (UINT m : ReachedSaver())
        if (m == WM_DESTROY || m == WM_NCDESTROY) lifetime.push_back(m);
    EXPECT_EQ(lifetime, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

// ---- the preview and the input method ----------------------------------------------------

TEST_F(HostWindowTest, PreviewForwardsHelpToItsParentAndClosesOnlyWhenTold) {
    Open(true, true);
    posix::PressKey(VK_SPACE, window_);
    posix::MoveCursor(130, 100);  // over the preview
    posix::ClickMouse(0);
    posix::MoveCursor(230, 180);
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, 0, window_, 0, {130, 100}};
    EXPECT_EQ(SendMessageA(window_, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 1);
    EXPECT_EQ(SendMessageA(window_, WM_CONTEXTMENU, 0, MAKELPARAM(130, 100)), 1);
    Pump();
    ASSERT_TRUE(IsWindow(window_)) << "input never closes a preview";
    std::vector<std::pair<UINT, LPARAM>> forwarded;
    for (const MSG& m : posix::TestWindowMessages(parent_)) {
        if (m.message != WM_HELP && m.message != WM_CONTEXTMENU) continue;
        EXPECT_EQ(m.wParam, reinterpret_cast<WPARAM>(parent_));
        forwarded.emplace_back(m.message, m.lParam);
    }
    const std::vector<std::pair<UINT, LPARAM>> expected{{WM_HELP, reinterpret_cast<LPARAM>(&help)},
                                                        {WM_CONTEXTMENU, MAKELPARAM(130, 100)}};
    EXPECT_EQ(forwarded, expected) << "help, which cannot be posted, is sent";

    posix::DestroyTestWindow(parent_);
    parent_ = nullptr;
    EXPECT_FALSE(IsWindow(window_)) << "the preview goes with its parent";
}

// The settings page is another program: one that does not look at its
// messages must not hold the preview up for ever. The page here gives up
// waiting after a while and then answers; had the preview waited without a
// limit, that answer would be what ended its wait.
TEST_F(HostWindowTest, HelpThatItsParentDoesNotTakeIsGivenUpAndThePreviewGoesOn) {
    constexpr auto kPageGivesUpAfter = std::chrono::seconds(20);
    std::promise<HWND> made;
    std::mutex lock;
    std::condition_variable changed;
    bool previewDone = false;
    bool pageGaveUp = false;
    std::thread page([&] {
        HWND window = posix::CreateTestWindow(100, 80, 152, 112);
        ValidateRect(window, nullptr);
        made.set_value(window);
        {
            std::unique_lock<std::mutex> guard(lock);
            pageGaveUp = !changed.wait_for(guard, kPageGivesUpAfter, [&] { return previewDone; });
        }
        MSG msg{};
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}  // answers what is still sent to it
        {
            std::unique_lock<std::mutex> guard(lock);
            changed.wait(guard, [&] { return previewDone; });
        }
        DestroyWindow(window);
    });
    HWND parent = made.get_future().get();
    Open(true, false, 152, 112, parent);
    HELPINFO help{sizeof(HELPINFO), HELPINFO_WINDOW, 0, window_, 0, {130, 100}};
    EXPECT_EQ(SendMessageA(window_, WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), 1);
    Close();  // the preview goes before its parent, whose thread is not this one
    {
        std::lock_guard<std::mutex> guard(lock);
        previewDone = true;
    }
    changed.notify_all();
    page.join();
    EXPECT_FALSE(pageGaveUp) << "the preview waited until the page answered";
    for (const MSG& m : posix::TestWindowMessages(parent))
        EXPECT_NE(m.message, UINT(WM_HELP)) << "help given up on never reaches the page later";
}

TEST_F(HostWindowTest, PreviewClosesOnWmCloseWithoutAPassword) {
    posix::SetRegistryValue(HKEY_CURRENT_USER, kPasswordSettingsKey, kUsePasswordValue, {1, 0, 0, 0});
    Open(true, true);
    PostMessageA(window_, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(posix::LibraryLoadCalls(), 0);
}

HIMC g_context = reinterpret_cast<HIMC>(0x1234);
std::vector<std::pair<HWND, HIMC>> g_associations;

HIMC WINAPI RecordAssociation(HWND window, HIMC context) {
    g_associations.emplace_back(window, context);
    const HIMC previous = g_context;
    g_context = context;
    return previous;
}

TEST_F(HostWindowTest, InputMethodContextIsDetachedForTheWindowsLifeWhenAlreadyLoaded) {
    g_associations.clear();
    posix::ProvideLibrary(kImmLibrary, {{kImmAssociateContextEntry, testing::Entry(RecordAssociation)}},
                          /*loaded=*/true);
    Open(false, false);
    HWND window = window_;
    Close();
    const HIMC original = reinterpret_cast<HIMC>(0x1234);
    EXPECT_EQ(g_associations, (std::vector<std::pair<HWND, HIMC>>{{window, nullptr}, {window, original}}));
    EXPECT_EQ(posix::LibraryLoadCalls(), 0) << "the host never loads the input-method module";
}

}  // namespace
}  // namespace quibac
