// A full-screen window titled as the saver's, black, that any key closes, and
// nothing else: what closing costs under Wine for a program that does no work
// of its own, the floor bench/wine_saver.py sets the saver's close beside.
//
//   empty_window
//
// Exits 0 once its window is destroyed; 1 when the window cannot be made.
#include <windows.h>

namespace {

constexpr char kClassName[] = "EmptyWindow";
// The saver's full-screen title, so that the bench finds and watches it alike.
constexpr char kTitle[] = "Screen Saver";
constexpr int kNoWindow = 1;

LRESULT CALLBACK EmptyWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = EmptyWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    if (RegisterClassA(&windowClass) == 0) return kNoWindow;
    HWND window =
        CreateWindowExA(WS_EX_TOPMOST, kClassName, kTitle, WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return kNoWindow;
    SetForegroundWindow(window);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}
