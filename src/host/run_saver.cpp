// The two saver modes: one window, full screen or inside the preview parent,
// and its message loop; full screen, the other monitors are covered too.
#include "host/host.h"

#include "host/command_line.h"
#include "host/host_window.h"
#include "host/monitor_covers.h"
#include "host/password.h"
#include "settings/settings.h"

#include <optional>

namespace quibac {

namespace {

constexpr UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;
// The resources hold no icon of this id, so the class ends up without one,
// which neither window shows.
constexpr WORD kClassIconId = 100;

struct WindowKind {
    DWORD exStyle;
    DWORD style;
    const char* title;
};

constexpr WindowKind kFullScreen{WS_EX_TOPMOST, WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                                 kFullScreenTitle};
constexpr WindowKind kPreview{0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, kPreviewTitle};

WNDCLASSA SaverClass(HINSTANCE instance) {
    WNDCLASSA saverClass{};
    saverClass.style = kClassStyle;
    saverClass.lpfnWndProc = HostWndProc;
    saverClass.hInstance = instance;
    saverClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kClassIconId));
    saverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    saverClass.lpszClassName = kSaverClassName;
    return saverClass;
}

// Runs until the window's destruction posts WM_QUIT, whose value is the
// result. A failing GetMessageA ends the loop too, rather than spinning on
// it; the window is then taken down so its show stops and everything it
// holds is freed.
int RunMessageLoop(HostState& host, MonitorCovers* covers) {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) return int(message.wParam);
        if (got == -1) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
        if (covers != nullptr) covers->MendLostShows();
    }
    if (IsWindow(host.SaverWindow)) DestroyWindow(host.SaverWindow);
    return kSaverFailedExitCode;
}

bool LiveHandle(uint32_t value, HWND& window) {
    window = WindowFromHandleValue(value);
    return value != 0 && IsWindow(window);
}

}  // namespace

int RunSaver(HostState& host, HWND parent) {
    const WNDCLASSA saverClass = SaverClass(host.SaverInstance);
    const WindowKind& kind = parent != nullptr ? kPreview : kFullScreen;
    int width = 0;
    int height = 0;
    if (parent != nullptr) {
        RECT client{};
        GetClientRect(parent, &client);
        width = client.right;
        height = client.bottom;
        host.PreviewMode = true;
    } else {
        width = GetSystemMetrics(SM_CXSCREEN);
        height = GetSystemMetrics(SM_CYSCREEN);
        HWND running = FindWindowA(kSaverClassName, kFullScreenTitle);
        if (running != nullptr && IsWindow(running)) {
            SetForegroundWindow(running);
            return 0;
        }
        LoadVerifier(host);
    }

    int result = kSaverFailedExitCode;
    host.SaverState = std::make_unique<Saver>(host.SaverInstance, DefaultSaverProc);
    if (RegisterClassA(&saverClass) != 0) {
        host.SaverWindow = CreateWindowExA(kind.exStyle, kSaverClassName, kind.title, kind.style, 0, 0, width, height,
                                           parent, nullptr, host.SaverInstance, &host);
        if (host.SaverWindow != nullptr) {
            std::optional<MonitorCovers> covers;
            if (!host.PreviewMode) {
                const CoverKind covering = ReadSettings().EveryMonitor != 0 ? CoverKind::Show : CoverKind::Black;
                covers.emplace(host.SaverInstance, host.SaverWindow, covering);
                SetForegroundWindow(host.SaverWindow);
            }
            result = RunMessageLoop(host, covers ? &*covers : nullptr);
        }
        // The process ends with the run anyway; a program that runs the
        // saver more than once (the tests, a renderer) needs the class free.
        UnregisterClassA(kSaverClassName, host.SaverInstance);
    }
    // A show thread that would not end even when terminated may still be
    // drawing with everything the saver holds; the process is ending, so
    // leaving it all is better than freeing it under the thread.
    if (host.SaverState->ShowThreadHandle != nullptr) static_cast<void>(host.SaverState.release());
    UnloadVerifier(host);
    return result;
}

int StartPreview(HostState& host, const char* handleText) {
    HWND parent = nullptr;
    if (!LiveHandle(ParseWindowHandle(handleText), parent)) return kNoPreviewWindowExitCode;
    return RunSaver(host, parent);
}

int StartPasswordChange(const char* handleText) {
    HWND parent = nullptr;
    if (!LiveHandle(ParseWindowHandle(handleText), parent)) parent = GetForegroundWindow();
    ChangePassword(parent);
    return 0;
}

}  // namespace quibac
