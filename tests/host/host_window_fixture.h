// A saver window made as the host makes it, without its message loop: the
// test sends and posts messages itself and sees which of them reach the saver
// procedure (which passes every message on to its default handler, recorded
// here on the way).
#pragma once

#include "host/host_window.h"
#include "host/password.h"
#include "host_fixture.h"

#include <vector>

namespace quibac::testing {

// Messages that reached the saver procedure; the window's thread alone adds.
inline std::vector<UINT>& ReachedSaver() {
    static std::vector<UINT> messages;
    return messages;
}

inline LRESULT CALLBACK RecordingDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReachedSaver().push_back(message);
    return DefaultSaverProc(window, message, wParam, lParam);
}

class HostWindowTest : public HostTest {
protected:
    void TearDown() override {
        Close();
        HostTest::TearDown();
    }

    // The full-screen window (loading the verifier first, as the host does),
    // or the preview inside a parent of the given size: a test window of the
    // fixture's own, or the given one, which the test looks after itself.
    void Open(bool preview, bool win9x, int parentWidth = 152, int parentHeight = 112, HWND parent = nullptr) {
        posix::SetWin9x(win9x);
        host_.SaverInstance = posix::MainModule();
        host_.IsWin9x = win9x;
        host_.PreviewMode = preview;
        if (!preview) LoadVerifier(host_);
        host_.SaverState = std::make_unique<Saver>(host_.SaverInstance, RecordingDefault);
        WNDCLASSA saverClass{};
        saverClass.lpfnWndProc = HostWndProc;
        saverClass.hInstance = host_.SaverInstance;
        saverClass.lpszClassName = kSaverClassName;
        ASSERT_NE(RegisterClassA(&saverClass), 0);
        if (preview && parent == nullptr) parent_ = posix::CreateTestWindow(100, 80, parentWidth, parentHeight);
        const int width = preview ? parentWidth : posix::ScreenWidth();
        const int height = preview ? parentHeight : posix::ScreenHeight();
        window_ =
            CreateWindowExA(preview ? 0 : WS_EX_TOPMOST, kSaverClassName, preview ? kPreviewTitle : kFullScreenTitle,
                            preview ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                            parent != nullptr ? parent : parent_, nullptr, host_.SaverInstance, &host_);
        ASSERT_NE(window_, nullptr);
        host_.SaverWindow = window_;
        // No first paint unless a test asks for one: it would start the show.
        ValidateRect(window_, nullptr);
        ReachedSaver().clear();
    }
    void Close() {
        if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
        window_ = nullptr;
        UnloadVerifier(host_);
        UnregisterClassA(kSaverClassName, posix::MainModule());
        if (parent_ != nullptr) posix::DestroyTestWindow(parent_);
        parent_ = nullptr;
        MSG quit{};
        while (PeekMessageA(&quit, nullptr, 0, 0, PM_REMOVE)) {}
    }

    // Dispatches what is queued (close requests included) until the queue is
    // empty or the window is gone.
    void Pump() {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) break;
            DispatchMessageA(&message);
        }
    }
    // Close requests queued for the window, taken off the queue.
    int TakeCloseRequests() {
        int count = 0;
        MSG message{};
        while (PeekMessageA(&message, window_, WM_CLOSE, WM_CLOSE, PM_REMOVE)) ++count;
        return count;
    }
    bool Reached(UINT message) const {
        for (UINT m : ReachedSaver())
            if (m == message) return true;
        return false;
    }

    HostState host_;
    HWND window_ = nullptr;
    HWND parent_ = nullptr;
};

}  // namespace quibac::testing
