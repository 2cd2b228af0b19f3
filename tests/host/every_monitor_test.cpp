// The full-screen saver over several emulated monitors: with EveryMonitor on,
// a window with a picture of its own on each monitor; off, the picture on the
// primary one and black on the others. Input over any monitor closes every
// window through the one password gate, and nothing is left behind.
#include "host_fixture.h"

#include "host/monitor_covers.h"
#include "host/password.h"

#include <posix_control.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <tuple>
#include <unordered_set>
#include <vector>

namespace quibac {
namespace {

using testing::HostTest;

constexpr RECT kPrimary{0, 0, 1024, 768};
constexpr uint32_t kDesktop = 0x00336699;
// A picture, not a black or single-colour window: the walk scene alone has
// the walker, the logo and the white fill.
constexpr size_t kPictureColours = 16;
// How often the idle driver looks at the screen, and when it gives up.
constexpr uint64_t kLookEveryMs = 500;
constexpr uint64_t kGiveUpMs = 10u * 60u * 1000u;

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool RectBefore(const RECT& a, const RECT& b) {
    return std::tie(a.left, a.top, a.right, a.bottom) < std::tie(b.left, b.top, b.right, b.bottom);
}

size_t ColoursIn(const RECT& area) {
    std::unordered_set<uint32_t> colours;
    for (uint32_t pixel : posix::ScreenPixels(area.left, area.top, area.right - area.left, area.bottom - area.top)) {
        colours.insert(pixel);
        if (colours.size() > kPictureColours) break;
    }
    return colours.size();
}

bool AllBlack(const RECT& area) {
    const std::vector<uint32_t> pixels =
        posix::ScreenPixels(area.left, area.top, area.right - area.left, area.bottom - area.top);
    return std::all_of(pixels.begin(), pixels.end(), [](uint32_t p) { return p == 0; });
}

// The saver's own windows on the screen: its window and the covers.
std::vector<RECT> SaverWindowRects() {
    std::vector<RECT> rects;
    for (HWND window : posix::TopLevelWindows()) {
        const posix::WindowInfo info = posix::DescribeWindow(window);
        if (info.className == kSaverClassName || info.className == kCoverClassName) rects.push_back(info.screenClient);
    }
    std::sort(rects.begin(), rects.end(), RectBefore);
    return rects;
}

class EveryMonitorTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        posix::SetLocalDateTime(2026, 12, 24);
    }
    void UseSettings(bool everyMonitor, bool stretch = false) {
        folder_.Write("QUIBAC.INI", std::string("[Quib Advent Screen Saver]\nStretch=") + (stretch ? "1" : "0") +
                                        "\nEveryMonitor=" + (everyMonitor ? "1" : "0") + "\n");
    }
    static HWND Saver() { return FindWindowA(kSaverClassName, kFullScreenTitle); }
    // The cover over a monitor (its window lies exactly on it), or nullptr.
    static HWND CoverOver(const RECT& monitor) {
        for (HWND window : posix::TopLevelWindows()) {
            const posix::WindowInfo info = posix::DescribeWindow(window);
            if (info.className == kCoverClassName && SameRect(info.screenClient, monitor)) return window;
        }
        return nullptr;
    }
    static bool WaitAMoment() {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        return true;
    }
    // Runs the saver; once ready() holds (looked at every half second of
    // virtual time) or time is up, look() sees the screen and act() gives the
    // input that should end it. Returns the exit code.
    int RunUntil(std::function<bool()> ready, std::function<void()> look, std::function<void()> act) {
        uint64_t lastLook = 0;
        bool acted = false;
        posix::SetIdleDriver([&] {
            if (Saver() == nullptr || acted) return false;
            const uint64_t now = posix::VirtualElapsed();
            if (now - lastLook < kLookEveryMs) return WaitAMoment();
            lastLook = now;
            if (!ready() && now < kGiveUpMs) return WaitAMoment();
            look();
            act();
            acted = true;
            return true;
        });
        return Run("quibac.scr /s");
    }
};

// ---- layouts ------------------------------------------------------------------

struct LayoutRow {
    const char* name;
    std::vector<RECT> others;  // beside the primary one
};

class MonitorLayoutTest : public EveryMonitorTest, public ::testing::WithParamInterface<std::tuple<LayoutRow, bool>> {};

TEST_P(MonitorLayoutTest, EachMonitorHasAWindowOnItWithAPictureOrBlack) {
    const auto& [row, everyMonitor] = GetParam();
    std::vector<RECT> monitors{kPrimary};
    monitors.insert(monitors.end(), row.others.begin(), row.others.end());
    ASSERT_TRUE(posix::SetMonitors(monitors));
    posix::FillScreen(kDesktop);  // so that black is the saver's doing
    UseSettings(everyMonitor);
    std::vector<RECT> windows;
    std::vector<size_t> colours;
    std::vector<bool> black;
    // One moment's screen: a show between two scenes may show a blank frame.
    const auto shown = [&] {
        colours.clear();
        black.clear();
        for (const RECT& m : monitors) colours.push_back(ColoursIn(m));
        for (const RECT& m : row.others) black.push_back(AllBlack(m));
        return colours[0] > kPictureColours &&
               (!everyMonitor ||
                std::all_of(colours.begin(), colours.end(), [](size_t n) { return n > kPictureColours; }));
    };
    const auto look = [&] {
        windows = SaverWindowRects();
        if (row.others.size() == 1)
            posix::WriteScreenPng(testing::TestOutputPath(std::string("monitors_two_") +
                                                          (everyMonitor ? "every_monitor" : "black_covers") + "_" +
                                                          row.name + ".png"));
    };
    EXPECT_EQ(RunUntil(shown, look, [] { posix::PressKey(VK_SPACE, Saver()); }), 0);

    std::vector<RECT> expected = monitors;
    std::sort(expected.begin(), expected.end(), RectBefore);
    ASSERT_EQ(windows.size(), expected.size()) << "one window per monitor";
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(SameRect(windows[i], expected[i])) << "window " << i << " lies on its monitor";
    ASSERT_EQ(colours.size(), monitors.size());
    EXPECT_GT(colours[0], kPictureColours) << "the primary monitor shows the calendar";
    for (size_t i = 0; i < row.others.size(); ++i) {
        if (everyMonitor)
            EXPECT_GT(colours[i + 1], kPictureColours) << "monitor " << i + 1 << " shows the calendar too";
        else
            EXPECT_TRUE(black[i]) << "monitor " << i + 1 << " is covered in black";
    }
    ExpectNothingLeft();
}

const LayoutRow kLayoutRows[] = {
    {"One", {}},
    {"TwoOfDifferentSizes", {RECT{1024, 0, 1824, 600}}},
    {"ThreeOfDifferentSizes", {RECT{1024, 100, 2304, 1124}, RECT{0, 768, 640, 1248}}},
    {"OneLeftOfThePrimary", {RECT{-1280, -200, 0, 824}}},
    {"OneAboveThePrimary", {RECT{112, -600, 912, 0}}},
};

void PrintTo(const LayoutRow& row, std::ostream* out) { *out << row.name; }

std::string LayoutName(const ::testing::TestParamInfo<std::tuple<LayoutRow, bool>>& info) {
    return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "EveryMonitor" : "Covered");
}

INSTANTIATE_TEST_SUITE_P(Layouts, MonitorLayoutTest,
                         ::testing::Combine(::testing::ValuesIn(kLayoutRows), ::testing::Bool()), LayoutName);

// A show on a monitor bigger than the canvas follows Stretch as the saver's
// own window does: centred at 800 x 600 in black, or out to every edge.
TEST_F(EveryMonitorTest, EachShowCentresOrStretchesBySetting) {
    const RECT second{-1280, 0, 0, 1024};
    const RECT centred{second.left + 240, second.top + 212, second.left + 1040, second.top + 812};
    const RECT leftEdge{second.left, second.top, second.left + 2, second.bottom};
    ASSERT_TRUE(posix::SetMonitors({kPrimary, second}));
    for (bool stretch : {false, true}) {
        SCOPED_TRACE(stretch ? "stretched" : "centred");
        UseSettings(true, stretch);
        bool edgeBlack = false, outsideBlack = false;
        size_t inside = 0;
        // All at one moment, once the picture is there; stretched, once it
        // has reached the edges too (the first scene starts from black).
        const auto shown = [&] {
            edgeBlack = AllBlack(leftEdge);
            outsideBlack = AllBlack(RECT{second.left, second.top, second.right, centred.top}) &&
                           AllBlack(RECT{second.left, centred.bottom, second.right, second.bottom});
            inside = ColoursIn(centred);
            return inside > kPictureColours && (!stretch || (!edgeBlack && !outsideBlack));
        };
        EXPECT_EQ(RunUntil(
                      shown, [] {}, [] { posix::PressKey(VK_SPACE, Saver()); }),
                  0);
        EXPECT_GT(inside, kPictureColours);
        EXPECT_EQ(edgeBlack, !stretch);
        EXPECT_EQ(outsideBlack, !stretch);
        ExpectNothingLeft();
    }
}

// ---- closing --------------------------------------------------------------------

// The test verifier of Windows 95/98: counts its calls and the windows it was
// asked for; only the window's thread calls it.
struct Verifier {
    int calls = 0;
    HWND owner = nullptr;
};
Verifier g_verifier;

BOOL WINAPI AcceptingVerify(HWND window) {
    ++g_verifier.calls;
    g_verifier.owner = window;
    return TRUE;
}

enum class Input { Key, Move };

struct ClosingRow {
    const char* name;
    Input input;
    bool win9x;
};

class SecondaryClosingTest : public EveryMonitorTest, public ::testing::WithParamInterface<ClosingRow> {};

TEST_P(SecondaryClosingTest, InputOverASecondaryMonitorClosesEveryWindowWithZero) {
    const ClosingRow& row = GetParam();
    const RECT second{-800, 0, 0, 600};
    const RECT third{1024, 0, 1664, 480};
    ASSERT_TRUE(posix::SetMonitors({kPrimary, second, third}));
    UseSettings(true);
    // The cursor rests over the second monitor from the start, so a move
    // there is measured against where it was.
    posix::SetCursorPosition(second.left + 300, second.top + 200);
    g_verifier = Verifier();
    if (row.win9x) {
        posix::SetWin9x(true);
        posix::SetRegistryValue(HKEY_CURRENT_USER, kPasswordSettingsKey, kUsePasswordValue, {1, 0, 0, 0});
        posix::ProvideLibrary(kVerifierLibrary, {{kVerifierEntry, testing::Entry(AcceptingVerify)}});
    }
    HWND saver = nullptr, cover = nullptr;
    int windowsWhenTouched = 0;
    const auto act = [&] {
        saver = Saver();
        cover = CoverOver(second);
        windowsWhenTouched = int(SaverWindowRects().size());
        if (row.input == Input::Key) {
            posix::PressKey(VK_SPACE, cover);
            // A burst over two monitors still asks once.
            posix::PressKey(VK_SPACE, CoverOver(third));
        } else {
            posix::MoveCursorBy(3, 2);
            posix::MoveCursorBy(3, 2);
        }
    };
    EXPECT_EQ(RunUntil([] { return ColoursIn(RECT{-800, 0, 0, 600}) > kPictureColours; }, [] {}, act), 0);
    EXPECT_NE(cover, nullptr);
    EXPECT_EQ(windowsWhenTouched, 3);
    EXPECT_FALSE(IsWindow(saver));
    EXPECT_FALSE(IsWindow(cover));
    EXPECT_EQ(SaverWindowRects().size(), 0u);
    EXPECT_EQ(g_verifier.calls, row.win9x ? 1 : 0) << "the password is asked once, and only on 95/98";
    if (row.win9x) {
        EXPECT_EQ(g_verifier.owner, saver) << "through the saver's own gate";
        EXPECT_FALSE(posix::ScreenSaverRunningMark());
    }
    ExpectNothingLeft();
}

void PrintTo(const ClosingRow& row, std::ostream* out) { *out << row.name; }

const ClosingRow kClosingRows[] = {
    {"KeyOnNt", Input::Key, false},
    {"MoveOnNt", Input::Move, false},
    {"KeyOn98AsksOnce", Input::Key, true},
    {"MoveOn98AsksOnce", Input::Move, true},
};

INSTANTIATE_TEST_SUITE_P(Inputs, SecondaryClosingTest, ::testing::ValuesIn(kClosingRows), testing::RowName<ClosingRow>);

TEST_F(EveryMonitorTest, AMoveWithinTheThresholdOverASecondaryMonitorLeavesEveryWindow) {
    const RECT second{1024, 0, 1824, 600};
    ASSERT_TRUE(posix::SetMonitors({kPrimary, second}));
    UseSettings(true);
    posix::SetCursorPosition(second.left + 300, second.top + 200);
    int phase = 0;
    size_t windowsAfterSmallMove = 0;
    posix::SetIdleDriver([&] {
        if (Saver() == nullptr) return false;
        if (phase == 0) {
            posix::MoveCursorBy(2, 2);  // a sum of 4: not past the threshold
            phase = 1;
            return true;
        }
        if (phase == 1) {
            windowsAfterSmallMove = SaverWindowRects().size();
            posix::PressKey(VK_SPACE, CoverOver(second));
            phase = 2;
            return true;
        }
        return false;
    });
    EXPECT_EQ(Run("quibac.scr /s"), 0);
    EXPECT_EQ(windowsAfterSmallMove, 2u);
    ExpectNothingLeft();
}

// While the saver closes, a show that is slow to hear it (a busy machine) is
// waited for; the other shows have been told as well, so nothing runs on
// meanwhile and its wait does not run out.
TEST_F(EveryMonitorTest, ASlowShowIsWaitedForBecauseEveryShowStopsTogether) {
    const RECT second{1024, 0, 1824, 600};
    ASSERT_TRUE(posix::SetMonitors({kPrimary, second}));
    UseSettings(true);
    std::mutex lock;
    std::vector<std::thread::id> started;  // the saver's window paints first
    posix::SetThreadStartHook([&] {
        std::lock_guard<std::mutex> guard(lock);
        started.push_back(std::this_thread::get_id());
    });
    std::atomic<bool> parkWanted{false}, parked{false}, closing{false}, napped{false};
    posix::SetSleepHook([&](DWORD) {
        if (!parkWanted.load() || parked.load()) return;
        {
            std::lock_guard<std::mutex> guard(lock);
            if (started.size() < 2 || std::this_thread::get_id() != started[1]) return;
        }
        // The second monitor's show holds still until the close has begun,
        // then takes half a second of real time: the close's wait of 10 s of
        // virtual time gives it five, unless another show runs the clock on.
        parked = true;
        while (!closing.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        napped = true;  // not reached when the nap is cut short by termination
    });
    EXPECT_EQ(RunUntil([&] { return ColoursIn(second) > kPictureColours; }, [] {},
                       [&] {
                           parkWanted = true;
                           // A show that never parks fails the test rather than hanging it.
                           const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
                           while (!parked.load() && std::chrono::steady_clock::now() < giveUp)
                               std::this_thread::sleep_for(std::chrono::milliseconds(1));
                           closing = true;
                           posix::PressKey(VK_SPACE, Saver());
                       }),
              0);
    EXPECT_TRUE(napped.load()) << "the second monitor's show ended by itself, not terminated";
    ExpectNothingLeft();
}

// ---- systems and failures ----------------------------------------------------------

TEST_F(EveryMonitorTest, WithoutTheMultiMonitorCallsThereIsOneWindow) {
    ASSERT_TRUE(posix::SetMonitors({kPrimary, RECT{1024, 0, 1824, 600}}));
    UseSettings(true);
    // Windows 95 and NT 4: the system library has neither entry.
    posix::ProvideLibrary("USER32.DLL", {}, true);
    std::vector<RECT> windows;
    EXPECT_EQ(RunUntil([] { return ColoursIn(kPrimary) > kPictureColours; }, [&] { windows = SaverWindowRects(); },
                       [] { posix::PressKey(VK_SPACE, Saver()); }),
              0);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_TRUE(SameRect(windows[0], kPrimary));
    ExpectNothingLeft();
}

TEST_F(EveryMonitorTest, AShowThatCannotBuildItsDrawingLeavesItsMonitorBlackAndTheSaverRunning) {
    const RECT second{1024, 0, 1824, 600};
    ASSERT_TRUE(posix::SetMonitors({kPrimary, second}));
    UseSettings(true);
    // The saver's own window paints first and takes the first DC; the
    // second monitor's show gets none.
    posix::FailCall(posix::FailingCall::GetDC, 1);
    HWND cover = nullptr;
    bool black = false;
    const auto look = [&] {
        cover = CoverOver(second);
        black = AllBlack(second);
    };
    EXPECT_EQ(RunUntil([] { return ColoursIn(kPrimary) > kPictureColours; }, look,
                       [&] { posix::PressKey(VK_SPACE, cover != nullptr ? cover : Saver()); }),
              0);
    EXPECT_NE(cover, nullptr) << "a cover took the show's place";
    EXPECT_TRUE(black);
    ExpectNothingLeft();
}

// The verifier of a test that makes the host meet a fault.
BOOL WINAPI FaultingVerify(HWND) { throw std::runtime_error("the verifier failed"); }

TEST_F(EveryMonitorTest, AFaultWhileEveryMonitorShowsTakesEveryWindowAndShowDownBeforeTheirStateGoes) {
    const RECT second{1024, 0, 1824, 600};
    ASSERT_TRUE(posix::SetMonitors({kPrimary, second}));
    UseSettings(true);
    posix::SetWin9x(true);
    posix::SetRegistryValue(HKEY_CURRENT_USER, kPasswordSettingsKey, kUsePasswordValue, {1, 0, 0, 0});
    posix::ProvideLibrary(kVerifierLibrary, {{kVerifierEntry, testing::Entry(FaultingVerify)}});
    EXPECT_EQ(RunUntil([&] { return ColoursIn(second) > kPictureColours; }, [] {},
                       [&] { posix::PressKey(VK_SPACE, CoverOver(second)); }),
              kSaverFailedExitCode);
    EXPECT_EQ(SaverWindowRects().size(), 0u);
    ExpectNothingLeft();
}

}  // namespace
}  // namespace quibac
