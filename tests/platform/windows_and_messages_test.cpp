// Windows and their messages as the saver's window code meets them on
// Windows: creation the procedure may refuse, destruction with children, the
// order a message loop sees messages in, sends between threads, mouse input.
#include "support/platform_fixture.h"

#include <posix_windows.h>

#include <algorithm>
#include <future>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace quibac {
namespace {

// A class whose procedure logs (window, message) and answers creation as told.
struct Script {
    LRESULT ncCreate = TRUE;
    LRESULT create = 0;
    bool destroyInCreate = false;
};
Script g_script;
std::vector<std::pair<HWND, UINT>> g_log;

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    g_log.emplace_back(hwnd, message);
    if (message == WM_NCCREATE) return g_script.ncCreate;
    if (message != WM_CREATE) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (g_script.destroyInCreate) DestroyWindow(hwnd);
    return g_script.create;
}

class WindowsTest : public testing::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        g_script = Script{};
        g_log.clear();
        WNDCLASSA logging{};
        logging.lpfnWndProc = LoggingProc;
        logging.lpszClassName = "Logging";
        ASSERT_NE(RegisterClassA(&logging), 0);
        EXPECT_EQ(RegisterClassA(&logging), 0) << "a second class of the same name and instance";
    }
    static HWND Create(DWORD style, HWND parent = nullptr, int x = 0, int y = 0) {
        return CreateWindowExA(0, "LOGGING", "title", style, x, y, 50, 40, parent, nullptr, nullptr, nullptr);
    }
};

TEST_F(WindowsTest, CreationRefusedOrUndoneByTheProcedureGivesNoWindow) {
    const std::pair<Script, std::vector<UINT>> cases[] = {
        {{FALSE, 0, false}, {WM_NCCREATE, WM_NCDESTROY}},
        {{TRUE, -1, false}, {WM_NCCREATE, WM_CREATE, WM_NCDESTROY}},
        {{TRUE, 0, true}, {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}},
    };
    for (const auto& [script, messages] : cases) {
        g_script = script;
        g_log.clear();
        EXPECT_EQ(Create(WS_POPUP | WS_VISIBLE), nullptr);
        std::vector<UINT> seen;
        for (const auto& entry : g_log) seen.push_back(entry.second);
        EXPECT_EQ(seen, messages);
        EXPECT_EQ(posix::LiveWindows(), 0);
    }
    EXPECT_EQ(Create(WS_CHILD), nullptr) << "a child needs a parent";
}

TEST_F(WindowsTest, AClassIsReadBackAsRegisteredForItsOwnInstanceOnly) {
    std::string menu = "Menu";
    WNDCLASSA registered{};
    registered.style = CS_OWNDC | CS_DBLCLKS;
    registered.lpfnWndProc = LoggingProc;
    registered.cbWndExtra = 8;
    registered.hInstance = posix::MainModule();
    registered.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    registered.lpszMenuName = menu.c_str();
    registered.lpszClassName = "Described";
    ASSERT_NE(RegisterClassA(&registered), 0);
    menu = "gone";  // the class keeps a copy of its own

    const char name[] = "DESCRIBED";
    WNDCLASSA read{};
    ASSERT_TRUE(GetClassInfoA(posix::MainModule(), name, &read));
    EXPECT_EQ(read.style, registered.style);
    EXPECT_EQ(read.lpfnWndProc, &LoggingProc);
    EXPECT_EQ(read.cbWndExtra, 8);
    EXPECT_EQ(read.hInstance, posix::MainModule());
    EXPECT_EQ(read.hbrBackground, registered.hbrBackground);
    EXPECT_STREQ(read.lpszMenuName, "Menu");
    EXPECT_EQ(read.lpszClassName, name) << "the name asked for, as Windows gives it";

    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(GetClassInfoA(nullptr, "Described", &read)) << "another instance's class";
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CLASS_DOES_NOT_EXIST));
    EXPECT_TRUE(UnregisterClassA("Described", posix::MainModule()));
    EXPECT_FALSE(GetClassInfoA(posix::MainModule(), "Described", &read));
}

TEST_F(WindowsTest, CloseDestroysTheWindowThenItsChildrenAndDropsTheirMessages) {
    HWND parent = Create(WS_POPUP | WS_VISIBLE, nullptr, 100, 200);
    HWND child = Create(WS_CHILD | WS_VISIBLE, parent, 10, 20);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(posix::DescribeWindow(child).screenClient.top, 220);
    EXPECT_EQ(GetForegroundWindow(), parent);
    PostMessageA(child, WM_APP, 0, 0);
    g_log.clear();

    SendMessageA(parent, WM_CLOSE, 0, 0);
    const std::vector<std::pair<HWND, UINT>> expected{
        {parent, WM_CLOSE}, {parent, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {parent, WM_NCDESTROY}};
    EXPECT_EQ(g_log, expected);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(GetForegroundWindow(), nullptr);
    EXPECT_FALSE(DestroyWindow(parent));
    MSG msg{};
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "nothing is delivered to a dead window";
}

TEST_F(WindowsTest, MessagesComeOutPostedThenQuitThenPaintUntilValidated) {
    HWND window = posix::CreateTestWindow(0, 0, 64, 48);  // shown: waits for WM_PAINT
    PostQuitMessage(7);
    for (UINT offset : {1u, 2u, 3u}) PostMessageA(offset == 2 ? nullptr : window, WM_APP + offset, 0, 0);
    MSG msg{};
    // A window filter skips messages for no window; a range skips the rest.
    ASSERT_TRUE(PeekMessageA(&msg, window, WM_APP + 2, WM_APP + 3, PM_REMOVE | PM_NOYIELD));
    EXPECT_EQ(msg.message, UINT(WM_APP + 3));

    const std::pair<BOOL, UINT> sequence[] = {
        {1, WM_APP + 1}, {1, WM_APP + 2}, {0, WM_QUIT}, {1, WM_PAINT}, {1, WM_PAINT}};
    for (const auto& [result, message] : sequence) {
        EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), result);
        EXPECT_EQ(msg.message, message);
    }
    EXPECT_EQ(msg.hwnd, window);
    DispatchMessageA(&msg);  // DefWindowProcA validates the window
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(WindowsTest, ASendFromAnotherThreadIsAnsweredInsideGetMessage) {
    HWND window = posix::CreateTestWindow(0, 0, 64, 48);
    ValidateRect(window, nullptr);
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID target) -> DWORD {
            const LRESULT answer = SendMessageA(HWND(target), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("sent"));
            PostMessageA(HWND(target), WM_APP, 0, 0);
            return DWORD(answer);
        },
        window, 0, nullptr);
    MSG msg{};
    ASSERT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1) << "the wait ends with the other thread's post";
    EXPECT_EQ(posix::DescribeWindow(window).title, "sent") << "the sent message ran here first";
    EXPECT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
    DWORD answer = 0;
    EXPECT_TRUE(GetExitCodeThread(thread, &answer));
    EXPECT_EQ(answer, DWORD(TRUE));
    EXPECT_TRUE(CloseHandle(thread));
}

// Windows refuses to post a system message whose parameters carry a pointer,
// to any window, since the memory may be gone before the message comes out;
// such messages can only be sent.
TEST_F(WindowsTest, PostingASystemMessageThatCarriesAPointerFailsAndQueuesNothing) {
    constexpr UINT kDeviceChange = 0x0219, kCopyData = 0x004A, kAskFormatName = 0x030C;
    const struct {
        UINT message;
        WPARAM wParam;
        bool refused;
    } cases[] = {
        {WM_HELP, 0, true},
        {WM_SETTEXT, 0, true},
        {WM_NCCREATE, 0, true},
        {WM_CREATE, 0, true},
        {kCopyData, 0, true},
        {kAskFormatName, 0, true},
        {kDeviceChange, 0x8000, true},
        {kDeviceChange, 0x0007, false},
        {WM_CONTEXTMENU, 0, false},
        {WM_CLOSE, 0, false},
        {WM_NULL, 0, false},
        {WM_USER + WM_HELP, 0, false},
        {WM_APP + WM_SETTEXT, 0, false},
    };
    HWND window = posix::CreateTestWindow(0, 0, 64, 48);
    ValidateRect(window, nullptr);
    HELPINFO pointed{};
    for (const auto& c : cases) {
        SCOPED_TRACE("message " + std::to_string(c.message));
        SetLastError(ERROR_SUCCESS);
        EXPECT_EQ(PostMessageA(window, c.message, c.wParam, reinterpret_cast<LPARAM>(&pointed)),
                  c.refused ? FALSE : TRUE);
        EXPECT_EQ(GetLastError(), c.refused ? DWORD(ERROR_MESSAGE_SYNC_ONLY) : DWORD(ERROR_SUCCESS));
        MSG msg{};
        EXPECT_EQ(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE, !c.refused);
        EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    }
    EXPECT_FALSE(PostMessageA(nullptr, WM_SETTEXT, 0, 0)) << "nor to the thread itself";
}

// A send with a limit: answered at once on the window's own thread, by its
// thread's loop from another, and taken back unanswered from a thread that
// does not look at its messages in time, never to reach it later.
TEST_F(WindowsTest, SendWithALimitIsAnsweredOrTakenBack) {
    HWND own = posix::CreateTestWindow(0, 0, 64, 48);
    DWORD_PTR result = 0;
    EXPECT_EQ(SendMessageTimeoutA(own, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("here"), SMTO_NORMAL, 0, &result), TRUE);
    EXPECT_EQ(result, DWORD_PTR(TRUE));
    EXPECT_EQ(posix::DescribeWindow(own).title, "here");

    std::promise<HWND> made;
    std::promise<void> look;
    std::thread busy([&] {
        HWND window = posix::CreateTestWindow(100, 0, 64, 48);
        ValidateRect(window, nullptr);
        made.set_value(window);
        look.get_future().wait();
        MSG msg{};
        GetMessageA(&msg, nullptr, 0, 0);  // answers what was sent meanwhile, ends with a post
        DestroyWindow(window);
    });
    HWND other = made.get_future().get();
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(SendMessageTimeoutA(other, WM_APP + 1, 0, 0, SMTO_ABORTIFHUNG, 20, &result), FALSE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_TIMEOUT));
    look.set_value();
    result = 0;
    EXPECT_EQ(
        SendMessageTimeoutA(other, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("there"), SMTO_NORMAL, 600000, &result),
        TRUE);
    EXPECT_EQ(result, DWORD_PTR(TRUE));
    PostMessageA(other, WM_APP + 2, 0, 0);
    busy.join();
    std::vector<UINT> seen;
    for (const MSG& m : posix::TestWindowMessages(other)) seen.push_back(m.message);
    EXPECT_EQ(std::count(seen.begin(), seen.end(), UINT(WM_APP + 1)), 0) << "taken back: it never arrives";
    EXPECT_EQ(std::count(seen.begin(), seen.end(), UINT(WM_SETTEXT)), 1);

    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(SendMessageTimeoutA(other, WM_APP, 0, 0, SMTO_NORMAL, 10, &result), FALSE) << "the window is gone";
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
}

TEST_F(WindowsTest, GetMessageGivesMinusOneWhenToldToFailOrWhenTheUserWalksAway) {
    static int s_turns;
    s_turns = 0;
    posix::SetIdleDriver([] { return ++s_turns == 1 && PostMessageA(nullptr, WM_APP, 0, 0); });
    posix::FailNextGetMessage();
    MSG msg{};
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), -1);
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 1) << "the driver's message";
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), -1) << "the driver gave up and no other thread posts";
    EXPECT_EQ(posix::UnattendedLoops(), 1);
}

TEST_F(WindowsTest, MouseInputGoesToTheWindowUnderTheCursorInItsOwnCoordinates) {
    HWND parent = posix::CreateTestWindow(100, 100, 200, 200);
    HWND child = Create(WS_CHILD | WS_VISIBLE, parent, 10, 10);
    posix::MoveCursor(120, 130);
    posix::SetCursorPosition(250, 250);
    posix::ClickMouse(0);
    const MSG expected[] = {{child, WM_MOUSEMOVE, 0, MAKELPARAM(10, 20), 0, {}},
                            {parent, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 150), 0, {}},
                            {parent, WM_LBUTTONUP, 0, MAKELPARAM(150, 150), 0, {}}};
    MSG msg{};
    for (const MSG& e : expected) {
        ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MBUTTONDBLCLK, PM_REMOVE));
        EXPECT_EQ(std::tie(msg.hwnd, msg.message, msg.wParam, msg.lParam),
                  std::tie(e.hwnd, e.message, e.wParam, e.lParam));
    }
    // The child was asked for its cursor as the move came out, and passed the
    // question on to its parent.
    const std::vector<MSG> atParent = posix::TestWindowMessages(parent);
    EXPECT_TRUE(std::any_of(atParent.begin(), atParent.end(), [&](const MSG& m) {
        return m.message == WM_SETCURSOR && m.wParam == WPARAM(child) && m.lParam == MAKELPARAM(1, WM_MOUSEMOVE);
    }));
}

}  // namespace
}  // namespace quibac
