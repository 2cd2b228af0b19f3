// Taking messages from the calling thread's queue, in Windows' order: messages
// sent from other threads are answered first, then posted messages come out
// first in, first out, then WM_QUIT, then WM_PAINT for a window that waits to
// be painted. GetMessageA waits when there is nothing; the idle driver stands
// in for the user meanwhile.
#include "message_queue.h"

#include <posix_windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>

using namespace posix::detail;

namespace {

// Mouse messages, from WM_MOUSEMOVE to the last of Windows' mouse messages.
constexpr UINT kMouseFirst = 0x0200;
constexpr UINT kMouseLast = 0x020E;
// WM_SETCURSOR's hit-test code for the client area.
constexpr WORD kHitClient = 1;

struct LoopState {
    std::mutex lock;
    posix::IdleDriver driver;
    int unattended = 0;
    std::atomic<bool> failNext{false};
};

LoopState& Loop() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* state = new LoopState();
    return *state;
}

bool InRange(UINT message, UINT first, UINT last) {
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool IsMouseMessage(UINT message) { return message >= kMouseFirst && message <= kMouseLast; }

// A window filter takes the window's messages and its descendants' messages,
// never those for no window.
bool PassesWindowFilter(HWND filter, HWND target) {
    if (filter == nullptr) return true;
    std::lock_guard<std::recursive_mutex> guard(GdiLock());
    const Window* within = LookupWindow(filter);
    const Window* w = LookupWindow(target);
    return within != nullptr && w != nullptr && IsSelfOrDescendant(within, w);
}

enum class Found { Nothing, Posted, Quit };

// The first matching posted message, or the quit message. Messages for
// windows that are gone are dropped on the way: they are never delivered.
Found TakePosted(ThreadQueue& queue, MSG& out, HWND filter, UINT first, UINT last, bool remove) {
    std::lock_guard<std::mutex> guard(MessageLock());
    for (auto it = queue.posted.begin(); it != queue.posted.end();) {
        if (it->hwnd != nullptr && !IsLiveWindow(it->hwnd)) {
            it = queue.posted.erase(it);
            continue;
        }
        if (InRange(it->message, first, last) && PassesWindowFilter(filter, it->hwnd)) {
            out = *it;
            if (remove) queue.posted.erase(it);
            return Found::Posted;
        }
        ++it;
    }
    // WM_QUIT passes every filter.
    if (!queue.quit) return Found::Nothing;
    out = MSG{nullptr, WM_QUIT, WPARAM(queue.exitCode), 0, 0, {}};
    if (remove) queue.quit = false;
    return Found::Quit;
}

bool Retrieve(ThreadQueue& queue, MSG& out, HWND filter, UINT first, UINT last, bool remove) {
    ProcessSentMessages(queue);
    switch (TakePosted(queue, out, filter, first, last, remove)) {
    case Found::Posted:
        // Windows asks the window for its cursor as the mouse message arrives.
        if (remove && IsMouseMessage(out.message)) {
            const WPARAM window = reinterpret_cast<WPARAM>(out.hwnd);
            SendMessageA(out.hwnd, WM_SETCURSOR, window, MAKELPARAM(kHitClient, out.message));
        }
        return true;
    case Found::Quit:
        out.time = MessageTime();
        out.pt = CursorPoint();
        return true;
    case Found::Nothing: break;
    }
    if (!InRange(WM_PAINT, first, last)) return false;
    // WM_PAINT stays due until the window is validated, as on Windows.
    HWND toPaint = WindowToPaint(queue.thread, filter);
    if (toPaint == nullptr) return false;
    out = MSG{toPaint, WM_PAINT, 0, 0, MessageTime(), CursorPoint()};
    return true;
}

uint64_t Changes(ThreadQueue& queue) {
    std::lock_guard<std::mutex> guard(MessageLock());
    return queue.changes;
}

// Waits in real time for another thread to give the queue something.
bool WaitForChange(ThreadQueue& queue, uint64_t seen) {
    std::unique_lock<std::mutex> lock(MessageLock());
    return queue.wake.wait_for(lock, std::chrono::milliseconds(posix::kUnattendedLoopMs),
                               [&] { return queue.changes != seen; });
}

posix::IdleDriver CurrentDriver() {
    std::lock_guard<std::mutex> guard(Loop().lock);
    return Loop().driver;
}

}  // namespace

namespace posix::detail {

void ResetMessages() {
    ResetMessageQueues();
    LoopState& loop = Loop();
    std::lock_guard<std::mutex> guard(loop.lock);
    loop.driver = nullptr;
    loop.unattended = 0;
    loop.failNext = false;
}

}  // namespace posix::detail

BOOL WINAPI GetMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
    if (lpMsg == nullptr || Loop().failNext.exchange(false)) return -1;
    if (hWnd != nullptr && !IsWindow(hWnd)) return -1;
    std::shared_ptr<ThreadQueue> queue = CurrentQueue();
    for (;;) {
        const uint64_t seen = Changes(*queue);
        if (Retrieve(*queue, *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, true)) return lpMsg->message != WM_QUIT;
        const posix::IdleDriver driver = CurrentDriver();
        if (driver && driver()) continue;
        if (WaitForChange(*queue, seen)) continue;
        std::fprintf(stderr, "posix: a message loop was left with no more input; GetMessageA returns -1\n");
        std::lock_guard<std::mutex> guard(Loop().lock);
        ++Loop().unattended;
        return -1;
    }
}

BOOL WINAPI PeekMessageA(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
    if (lpMsg == nullptr || (hWnd != nullptr && !IsWindow(hWnd))) return FALSE;
    // PM_NOYIELD changes nothing here: no other application waits for a turn.
    const bool remove = (wRemoveMsg & PM_REMOVE) != 0;
    return Retrieve(*CurrentQueue(), *lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, remove) ? TRUE : FALSE;
}

// Key messages are reported as translated; no WM_CHAR follows, as nothing
// here reads characters.
BOOL WINAPI TranslateMessage(const MSG* lpMsg) {
    if (lpMsg == nullptr) return FALSE;
    switch (lpMsg->message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: return TRUE;
    default: return FALSE;
    }
}

LRESULT WINAPI DispatchMessageA(const MSG* lpMsg) {
    // Only a window of the calling thread gets its messages dispatched.
    if (lpMsg == nullptr || lpMsg->hwnd == nullptr || WindowThread(lpMsg->hwnd) != CurrentThreadId()) return 0;
    return CallWindowProcedure(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

namespace posix {

void SetIdleDriver(IdleDriver driver) {
    std::lock_guard<std::mutex> guard(Loop().lock);
    Loop().driver = std::move(driver);
}

int UnattendedLoops() {
    std::lock_guard<std::mutex> guard(Loop().lock);
    return Loop().unattended;
}

void FailNextGetMessage() { Loop().failNext = true; }

}  // namespace posix
