// The live loop between SDL and the saver, on SDL's dummy video driver (no
// display needed): a person's keys, clicks, movements and the window
// manager's focus reach the platform as the input Windows would queue (a key
// held down counts once, losing the focus counts only after having had it,
// a hack passes nothing on); the events that end or restart a run do so; and
// the full-screen saver, run as the program runs it, closes on that input.
#include "dummy_video.h"
#include "live_loop.h"
#include "presenter.h"

#include "host/host.h"
#include "support/platform_fixture.h"
#include "support/temp_folder.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace quibac::linux_sdl {
namespace {

constexpr int kScreenWidth = 1024, kScreenHeight = 768;
// Where the pointer is when the events arrive, in screen pixels.
constexpr int kPointerX = 300, kPointerY = 200;
// Only there so that a saver that does not close cannot hang the test.
constexpr Uint32 kFailSafeMs = 30000;

SDL_Event Key(SDL_Keycode key, Uint8 repeat = 0, Uint16 modifiers = KMOD_NONE, Uint32 type = SDL_KEYDOWN) {
    SDL_Event e{};
    e.type = type;
    e.key.repeat = repeat;
    e.key.keysym.sym = key;
    e.key.keysym.mod = modifiers;
    return e;
}

SDL_Event Button(Uint8 button, Uint32 type = SDL_MOUSEBUTTONDOWN) {
    SDL_Event e{};
    e.type = type;
    e.button.button = button;
    return e;
}

SDL_Event Motion(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    return e;
}

SDL_Event WindowEvent(SDL_WindowEventID id) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = Uint8(id);
    return e;
}

SDL_Event Quit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    return e;
}

// The input messages that reached a window, as text: "WM_KEYDOWN 65" and the like.
std::vector<std::string> InputMessages(HWND window) {
    const struct {
        UINT message;
        const char* name;
    } kNames[] = {{WM_KEYDOWN, "WM_KEYDOWN"},         {WM_KEYUP, "WM_KEYUP"},
                  {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},   {WM_SYSKEYUP, "WM_SYSKEYUP"},
                  {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
                  {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"}, {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
                  {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"}};
    std::vector<std::string> seen;
    for (const MSG& m : posix::TestWindowMessages(window))
        for (const auto& known : kNames) {
            if (m.message != known.message) continue;
            std::string text = known.name;
            if (m.message == WM_MOUSEMOVE)
                text += " " + std::to_string(LOWORD(m.lParam)) + "," + std::to_string(HIWORD(m.lParam));
            else if (m.message != WM_LBUTTONDOWN && m.message != WM_RBUTTONDOWN && m.message != WM_MBUTTONDOWN)
                text += " " + std::to_string(m.wParam);
            seen.push_back(text);
        }
    return seen;
}

class LiveLoopTest : public testing::PlatformTest {
protected:
    static void SetUpTestSuite() { sdlStarted_ = StartDummyVideo(); }
    static void TearDownTestSuite() { StopDummyVideo(sdlStarted_); }
    void SetUp() override {
        PlatformTest::SetUp();
        ASSERT_TRUE(sdlStarted_) << SDL_GetError();
        posix::SetProfileDirectory(settings_.path());
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    void TearDown() override {
        loop_.reset();
        presenter_.reset();
        posix::SetProfileDirectory("");
        PlatformTest::TearDown();
    }

    LiveLoop& Open(bool deliverInput, bool fullScreen = false) {
        OwnWindowRequest request;
        request.title = "live loop test";
        request.width = kScreenWidth, request.height = kScreenHeight;
        request.fullScreen = fullScreen;
        presenter_ = Presenter::OpenOwnWindow(request);
        EXPECT_NE(presenter_, nullptr) << SDL_GetError();
        loop_ = std::make_unique<LiveLoop>(*presenter_, deliverInput);
        loop_->StartSession(nullptr);
        return *loop_;
    }

    // An X event as SDL hands it over, kept until the test ends.
    SDL_Event XEvent(int type) {
        SDL_SysWMmsg& message = xMessages_.emplace_back();
        SDL_VERSION(&message.version);
        message.subsystem = SDL_SYSWM_X11;
        message.msg.x11.event.type = type;
        SDL_Event e{};
        e.type = SDL_SYSWMEVENT;
        e.syswm.msg = &message;
        return e;
    }

    static bool sdlStarted_;
    testing::TempFolder settings_;
    std::unique_ptr<Presenter> presenter_;
    std::unique_ptr<LiveLoop> loop_;
    std::deque<SDL_SysWMmsg> xMessages_;
};

bool LiveLoopTest::sdlStarted_ = false;

struct InputRow {
    const char* name;
    bool deliverInput;
    std::vector<SDL_Event> events;
    std::vector<std::string> reached;
};

std::vector<InputRow> InputRows() {
    const std::vector<SDL_Event> everything = {Key(SDLK_a),
                                               Key(SDLK_x, 0, KMOD_LALT),
                                               Button(SDL_BUTTON_LEFT),
                                               Motion(10, 20),
                                               WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED),
                                               WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST)};
    return {
        {"a key held until it repeats counts once",
         true,
         {Key(SDLK_a), Key(SDLK_a, 1), Key(SDLK_a, 1), Key(SDLK_a, 0, KMOD_NONE, SDL_KEYUP)},
         {"WM_KEYDOWN 65", "WM_KEYUP 65"}},
        {"with Alt held a key is a system key",
         true,
         {Key(SDLK_x, 0, KMOD_LALT)},
         {"WM_SYSKEYDOWN 88", "WM_SYSKEYUP 88"}},
        {"each button's press is a click; its release is nothing of its own",
         true,
         {Button(SDL_BUTTON_LEFT), Button(SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP), Button(SDL_BUTTON_RIGHT),
          Button(SDL_BUTTON_MIDDLE)},
         {"WM_LBUTTONDOWN", "WM_RBUTTONDOWN", "WM_MBUTTONDOWN"}},
        {"a movement moves the cursor there", true, {Motion(10, 20)}, {"WM_MOUSEMOVE 10,20"}},
        {"losing the focus it had is another application taking over",
         true,
         {WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST)},
         {"WM_ACTIVATEAPP 0"}},
        {"a window that never had the focus has none to lose", true, {WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST)}, {}},
        {"a hack leaves all input to XScreenSaver", false, everything, {}},
    };
}

TEST_F(LiveLoopTest, InputReachesThePlatformAsWindowsWouldQueueIt) {
    for (const InputRow& row : InputRows()) {
        SCOPED_TRACE(row.name);
        posix::ResetPlatform(kScreenWidth, kScreenHeight);
        posix::SetProfileDirectory(settings_.path());
        // A window of the screen's size in the foreground stands where the
        // saver would, and notes what reaches it.
        HWND observer = posix::CreateTestWindow(0, 0, kScreenWidth, kScreenHeight);
        SetForegroundWindow(observer);
        LiveLoop& loop = Open(row.deliverInput);
        posix::SetCursorPosition(kPointerX, kPointerY);
        for (const SDL_Event& event : row.events) loop.Handle(event);
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
        const std::vector<std::string> reached = InputMessages(observer);
        EXPECT_EQ(reached, row.reached);
        EXPECT_FALSE(loop.Finished());
        loop_.reset();
        presenter_.reset();
        posix::DestroyTestWindow(observer);
    }
}

struct EndRow {
    const char* name;
    std::vector<SDL_Event> events;
    int resizeTo;  // the window's new width before the events; 0 for none
    bool finished, restart;
};

TEST_F(LiveLoopTest, TheRunEndsWhenItsWindowGoesAndRestartsWhenItsSizeChanges) {
    const EndRow rows[] = {
        {"the window manager closes the window", {WindowEvent(SDL_WINDOWEVENT_CLOSE)}, 0, true, false},
        {"the program is asked to quit", {Quit()}, 0, true, false},
        {"the foreign window is destroyed under the hack", {XEvent(DestroyNotify)}, 0, true, false},
        {"other news of the window changes nothing", {XEvent(ConfigureNotify), XEvent(UnmapNotify)}, 0, false, false},
        {"exposed, the window is drawn again whole", {WindowEvent(SDL_WINDOWEVENT_EXPOSED)}, 0, false, false},
        {"a size event at the same size", {WindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED)}, 0, false, false},
        {"a new size starts the saver again", {WindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED)}, 640, false, true},
    };
    for (const EndRow& row : rows) {
        SCOPED_TRACE(row.name);
        for (const bool deliverInput : {true, false}) {
            posix::ResetPlatform(kScreenWidth, kScreenHeight);
            LiveLoop& loop = Open(deliverInput);
            if (row.resizeTo != 0) SDL_SetWindowSize(presenter_->Window(), row.resizeTo, kScreenHeight);
            for (const SDL_Event& event : row.events) loop.Handle(event);
            EXPECT_EQ(loop.Finished(), row.finished);
            EXPECT_EQ(loop.RestartWanted(), row.restart);
        }
    }
}

Uint32 PushQuit(Uint32, void*) {
    SDL_Event quit = Quit();
    SDL_PushEvent(&quit);
    return 0;
}

TEST_F(LiveLoopTest, TheFullScreenSaverClosesOnTheFocusLostAClickOrAKey) {
    const struct {
        const char* name;
        std::vector<SDL_Event> events;
    } rows[] = {
        {"another window takes the focus",
         {WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST)}},
        {"a click", {Button(SDL_BUTTON_LEFT)}},
        {"a key", {Key(SDLK_SPACE)}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        LiveLoop& loop = Open(true, true);
        int width = 0, height = 0;
        presenter_->Size(width, height);
        // As the program starts each run of the saver.
        posix::ResetPlatform(width, height);
        posix::SetProfileDirectory(settings_.path());
        loop.StartSession(nullptr);
        for (SDL_Event event : row.events) SDL_PushEvent(&event);
        const SDL_TimerID failSafe = SDL_AddTimer(kFailSafeMs, PushQuit, nullptr);
        EXPECT_EQ(HostMain(GetModuleHandleA(nullptr), "/s"), 0);
        SDL_RemoveTimer(failSafe);
        EXPECT_FALSE(loop.Finished()) << "the saver did not close before the test's own quit";
        EXPECT_EQ(posix::LiveThreads(), 0);
        EXPECT_EQ(posix::LiveWindows(), 0);
        loop_.reset();
        presenter_.reset();
    }
}

}  // namespace
}  // namespace quibac::linux_sdl
