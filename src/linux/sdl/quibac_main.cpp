// The program on Linux: the saver's own modes over the platform layer, shown
// with SDL on the real display, or an XScreenSaver display hack.
#include "display_layout.h"
#include "hack_settings.h"
#include "launch_options.h"
#include "live_loop.h"
#include "pinned_show.h"
#include "presenter.h"
#include "session_checks.h"
#include "termination.h"
#include "x11_windows.h"

#include "host/host.h"
#include "quibac_version.h"
#include "sdl_dialog.h"

#include <posix_control.h>

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace quibac::linux_sdl;

namespace {

constexpr int kUsageExitCode = 1;
constexpr int kNoDisplayExitCode = 1;
// The window of `/s --window` and of a hack's `-window`: the artwork's own size.
constexpr int kWindowWidth = 800, kWindowHeight = 600;
// The control panel's preview, as `/p` with no window shows it.
constexpr int kPreviewWidth = 152, kPreviewHeight = 112;
constexpr char kTitle[] = "Quib Advent Calendar";

// The modes that show the saver: full screen (/s, after any separator the
// saver accepts) and the bare preview. The others (/c, /a, /p with a handle)
// go to HostMain as they are, with nothing to present.
bool ShowsOnScreen(const LaunchOptions& options) {
    if (options.launch == Launch::Hack || options.ownPreview) return true;
    const std::string& text = options.commandText;
    return text.size() >= 2 && (text[1] == 's' || text[1] == 'S');
}

std::unique_ptr<Presenter> OpenPresenter(const LaunchOptions& options) {
    if (options.launch == Launch::Hack && options.target != HackTarget::OwnWindow) {
        std::optional<unsigned long> window =
            options.target == HackTarget::GivenWindow ? std::optional(options.windowId) : VirtualRootWindow();
        if (!window || !ForeignWindowSize(*window)) {
            std::fprintf(stderr, "quibac: no window 0x%lx on this display\n", window.value_or(0));
            return nullptr;
        }
        std::unique_ptr<Presenter> presenter = Presenter::OpenForeignWindow(*window);
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (presenter && SDL_GetWindowWMInfo(presenter->Window(), &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11)
            HearWindowChanges(info.info.x11.display, *window);
        return presenter;
    }
    OwnWindowRequest request;
    request.title = kTitle;
    if (options.ownPreview) {
        request.width = kPreviewWidth, request.height = kPreviewHeight;
    } else {
        request.width = kWindowWidth, request.height = kWindowHeight;
        request.fullScreen = options.launch == Launch::Windows && !options.windowed;
        request.resizable = options.launch == Launch::Hack;
    }
    return Presenter::OpenOwnWindow(request);
}

// Full screen covers every display: the first window (on the first display,
// the primary one) is the screen, and one more window on each other display
// shows its part, as the saver's covers or shows on those monitors draw it.
struct OtherDisplays {
    std::vector<std::unique_ptr<Presenter>> windows;
    std::vector<RECT> monitors;  // the whole layout, the first display's included
};

OtherDisplays OpenOtherDisplays(const LaunchOptions& options) {
    OtherDisplays others;
    if (options.launch != Launch::Windows || options.windowed || options.ownPreview) return others;
    std::vector<DisplayBounds> displays;
    for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(i, &bounds) != 0) bounds = SDL_Rect{};
        displays.push_back(DisplayBounds{bounds.x, bounds.y, bounds.w, bounds.h});
    }
    // A display left out of the layout (no area, too far away) is left alone.
    if (displays.size() < 2 || MonitorsOfDisplays(displays).size() != displays.size()) return others;
    others.monitors = MonitorsOfDisplays(displays);
    for (int i = 1; i < int(displays.size()); ++i) {
        OwnWindowRequest request;
        request.title = kTitle;
        request.fullScreen = true;
        request.display = i;
        std::unique_ptr<Presenter> window = Presenter::OpenOwnWindow(request);
        if (!window) {
            std::fprintf(stderr, "quibac: no window on display %d: %s\n", i, SDL_GetError());
            continue;
        }
        window->ShowPart(others.monitors[size_t(i)]);
        others.windows.push_back(std::move(window));
    }
    return others;
}

// Runs the saver until it ends, again at the new size whenever the window
// changes size. Returns the last run's result.
int RunLive(const LaunchOptions& options, Presenter& presenter, const OtherDisplays& others) {
    std::vector<Presenter*> otherWindows;
    for (const auto& window : others.windows) otherWindows.push_back(window.get());
    // The saver's own window takes the keyboard, as on Windows.
    if (!otherWindows.empty()) SDL_RaiseWindow(presenter.Window());
    LiveLoop loop(presenter, options.launch == Launch::Windows, otherWindows);
    std::unique_ptr<HackSettings> hackSettings;
    if (options.launch == Launch::Hack) hackSettings = std::make_unique<HackSettings>(options.stretch.value_or(false));
    const SessionBaseline baseline = TakeBaseline();
    int result = 0;
    for (;;) {
        int width = 0, height = 0;
        presenter.Size(width, height);
        if (width <= 0 || height <= 0) width = kWindowWidth, height = kWindowHeight;
        posix::ResetPlatform(width, height);
        // The primary monitor is the first window's size, whatever SDL said.
        if (!others.monitors.empty()) {
            std::vector<RECT> monitors = others.monitors;
            monitors.front() = RECT{0, 0, width, height};
            if (posix::SetMonitors(monitors))
                presenter.ShowPart(monitors.front());
            else
                std::fprintf(stderr, "quibac: the displays' layout is refused\n");
        }
        if (hackSettings) hackSettings->Apply();
        PinShow(options);
        HWND previewParent = options.ownPreview ? posix::CreateTestWindow(0, 0, width, height) : nullptr;
        loop.StartSession(previewParent);
        std::string command = options.launch == Launch::Hack ? "/s" : options.commandText;
        if (previewParent != nullptr)
            command = "/p " + std::to_string(uint32_t(reinterpret_cast<uintptr_t>(previewParent)));
        result = quibac::HostMain(GetModuleHandleA(nullptr), command.c_str());
        if (previewParent != nullptr) posix::DestroyTestWindow(previewParent);
        ReportLeftovers(baseline);
        if (!loop.RestartWanted() || loop.Finished()) break;
    }
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const LaunchOptions options = ReadLaunchOptions(arguments, std::getenv("XSCREENSAVER_WINDOW"));
    if (options.launch == Launch::Usage) {
        std::fprintf(stderr, "quibac: %s\n%s", options.problem.c_str(), kUsage);
        return kUsageExitCode;
    }
    if (options.launch == Launch::Version) {
        std::printf("quibac %s\n", quibac::kVersion);
        return 0;
    }
    if (std::getenv("QUIBAC_DEBUG") != nullptr) posix::SetDebugEcho(true);
    // The settings dialog (/c) is drawn in a window of its own on the desktop.
    quibac::UseSdlDialogs();
    if (!ShowsOnScreen(options)) return quibac::HostMain(GetModuleHandleA(nullptr), options.commandText.c_str());

    // Whatever runs this program may be the screen saver itself.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    UseSoftwareWindowSurfaces();
    CatchTermination();
    // Before SDL starts, so that the handler SDL keeps to put back as it ends
    // is this one and not Xlib's, which ends the process: the errors of what
    // was sent to a window destroyed under the program may arrive only as SDL
    // closes its connections.
    CountXErrors();
    if (!StartVisibleVideo()) {
        std::fprintf(stderr, "quibac: no display: %s\n", SDL_GetError());
        return kNoDisplayExitCode;
    }
    int result = kNoDisplayExitCode;
    {
        std::unique_ptr<Presenter> presenter = OpenPresenter(options);
        if (presenter) {
            const OtherDisplays others = OpenOtherDisplays(options);
            CountXErrors();
            result = RunLive(options, *presenter, others);
            // A hack stopped by its signal has done what was asked of it.
            if (options.launch == Launch::Hack && TerminationRequested()) result = 0;
            // SDL and GL may have put back Xlib's handler, which ends the
            // process on the error that letting go of a destroyed window gives.
            CountXErrors();
        } else if (options.launch != Launch::Hack || options.target == HackTarget::OwnWindow) {
            std::fprintf(stderr, "quibac: cannot open a window: %s\n", SDL_GetError());
        }
    }
    SDL_Quit();
    return result;
}
