// DefaultSaverProc as an ordered list of steps: the first step whose message
// and condition match acts and decides the answer; a step that leaves the
// answer open, and a message no step takes, get the platform's default.
#include "host/host_window.h"

#include "host/host_state.h"
#include "host/password.h"

#include <array>
#include <cstdlib>
#include <optional>

namespace quibac {

namespace {

constexpr UINT kAnyMessage = WM_NULL;

using Condition = bool (*)(const HostState&, const WindowMessage&);
// Acts, and returns the answer, or nothing to let the platform's default answer.
using Step = std::optional<LRESULT> (*)(HostState&, const WindowMessage&);

struct DefaultRow {
    UINT message;  // kAnyMessage: every message
    Condition when;
    Step act;  // null: the platform's default
};

bool Always(const HostState&, const WindowMessage&) { return true; }
bool IfWin9x(const HostState& host, const WindowMessage&) { return host.IsWin9x; }
// A preview never closes on input, and once closing is allowed nothing more
// is asked.
bool IfPreviewOrClosing(const HostState& host, const WindowMessage&) {
    return host.PreviewMode || host.Password.Closing != 0;
}
// While the prompt is up, input posts no further close requests.
bool IfCheckingPassword(const HostState& host, const WindowMessage&) { return host.Password.CheckingPassword; }

void HideCursor() { SetCursor(nullptr); }

void RequestClose(HWND window) { PostMessageA(window, WM_CLOSE, 0, 0); }

// A refused close forgets the movement made so far.
std::optional<LRESULT> PassTheGate(HostState& host, const WindowMessage& m) {
    if (VerifyPassword(host, m.window) != 0) return std::nullopt;  // the default destroys the window
    GetCursorPos(&host.Input.MouseAnchor);
    return 0;
}

std::optional<LRESULT> AskVerifier(HostState& host, const WindowMessage& m) {
    const VerifyScreenSavePwdFn verify = host.Password.VerifyFn;
    return verify != nullptr ? LRESULT(verify(m.window)) : 1;
}

std::optional<LRESULT> HideIfShown(HostState&, const WindowMessage& m) {
    if (m.wParam != 0) HideCursor();
    return std::nullopt;
}

std::optional<LRESULT> CloseIfDeactivated(HostState&, const WindowMessage& m) {
    if (m.wParam == 0) RequestClose(m.window);
    return std::nullopt;
}

std::optional<LRESULT> KeepCursorHidden(HostState&, const WindowMessage&) {
    HideCursor();
    return TRUE;
}

std::optional<LRESULT> CloseOnInput(HostState&, const WindowMessage& m) {
    RequestClose(m.window);
    return std::nullopt;
}

// Movement counts from the anchor, not from the last position, so a cursor
// that wanders within the threshold never closes; the message's own
// coordinates are not used.
std::optional<LRESULT> CloseOnMovement(HostState& host, const WindowMessage& m) {
    POINT now{};
    GetCursorPos(&now);
    POINT& anchor = host.Input.MouseAnchor;
    const int64_t distance = std::llabs(int64_t(now.x) - anchor.x) + std::llabs(int64_t(now.y) - anchor.y);
    if (distance > int64_t(WakeThreshold)) {
        RequestClose(m.window);
        anchor = now;
    }
    return std::nullopt;
}

constexpr std::array<DefaultRow, 13> kDefaultRows{{
    {kAnyMessage, IfPreviewOrClosing, nullptr},
    {WM_CLOSE, IfWin9x, PassTheGate},
    {VerifyPasswordMsg, IfWin9x, AskVerifier},
    {kAnyMessage, IfCheckingPassword, nullptr},
    {WM_SHOWWINDOW, Always, HideIfShown},
    {WM_ACTIVATEAPP, Always, CloseIfDeactivated},
    {WM_SETCURSOR, Always, KeepCursorHidden},
    {WM_KEYDOWN, Always, CloseOnInput},
    {WM_SYSKEYDOWN, Always, CloseOnInput},
    {WM_LBUTTONDOWN, Always, CloseOnInput},
    {WM_RBUTTONDOWN, Always, CloseOnInput},
    {WM_MBUTTONDOWN, Always, CloseOnInput},
    {WM_MOUSEMOVE, Always, CloseOnMovement},
}};

}  // namespace

LRESULT CALLBACK DefaultSaverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HostState* host = HostOf(window);
    if (host == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    const WindowMessage m{window, message, wParam, lParam};
    for (const DefaultRow& row : kDefaultRows) {
        if ((row.message != kAnyMessage && row.message != message) || !row.when(*host, m)) continue;
        const std::optional<LRESULT> answer = row.act != nullptr ? row.act(*host, m) : std::nullopt;
        if (answer) return *answer;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace quibac
