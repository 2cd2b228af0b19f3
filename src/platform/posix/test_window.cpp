// Test windows: real windows of a class of the layer's own whose procedure
// writes down every message it receives and leaves the rest to DefWindowProcA.
#include "internal.h"

#include <posix_control.h>
#include <posix_windows.h>

using namespace posix::detail;

namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

constexpr char kTestWindowClass[] = "PosixTestWindow";

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    {
        Guard guard(GdiLock());
        if (Window* w = LookupWindow(hwnd))
            w->received.push_back(MSG{hwnd, message, wParam, lParam, MessageTime(), CursorPoint()});
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

namespace posix {

HWND CreateTestWindow(int x, int y, int width, int height) {
    // A reset forgets every class, so the class is registered on demand; a
    // second registration fails harmlessly.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = MainModule();
    windowClass.lpszClassName = kTestWindowClass;
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, kTestWindowClass, "", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                           MainModule(), nullptr);
}

void DestroyTestWindow(HWND hwnd) { DestroyWindow(hwnd); }

std::vector<MSG> TestWindowMessages(HWND hwnd) {
    Guard guard(GdiLock());
    const Window* w = KnownWindow(hwnd);
    return w != nullptr ? w->received : std::vector<MSG>{};
}

}  // namespace posix
