#include "host/monitor_covers.h"

#include "host/host_state.h"
#include "host/monitor_layout.h"
#include "show/sequencer.h"

#include <array>

namespace quibac {

namespace {

// As the saver's own window: above everything, and a DC of its own, which a
// show holds from its first paint to its end with its palette selected.
constexpr DWORD kCoverStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr DWORD kCoverExStyle = WS_EX_TOPMOST;
constexpr UINT kCoverClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_OWNDC;

// The input the saver closes on, whichever monitor the user touches.
constexpr std::array<UINT, 6> kSaverInput{WM_KEYDOWN,     WM_SYSKEYDOWN,  WM_MOUSEMOVE,
                                          WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};

bool IsSaverInput(UINT message) {
    for (UINT m : kSaverInput)
        if (m == message) return true;
    return false;
}

MonitorCovers::Cover* CoverOf(HWND window) {
    return reinterpret_cast<MonitorCovers::Cover*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// A black cover's whole procedure, and the handler a cover's show passes
// every message on to.
LRESULT CALLBACK CoverDefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        SetCursor(nullptr);
        return TRUE;
    }
    // Passed on as it came: the saver measures movement by the cursor's
    // position on the whole screen, so the same threshold and the same
    // password gate apply, and one close ends every window.
    HWND saver = GetWindow(window, GW_OWNER);
    if (IsSaverInput(message) && saver != nullptr) {
        PostMessageA(saver, message, wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

MonitorCovers::MonitorCovers(HINSTANCE instance, HWND saver, CoverKind kind) : instance_(instance), saver_(saver) {
    const std::vector<RECT> others = OtherMonitors();
    if (others.empty()) return;
    WNDCLASSA coverClass{};
    coverClass.style = kCoverClassStyle;
    coverClass.lpfnWndProc = CoverWndProc;
    coverClass.hInstance = instance;
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = kCoverClassName;
    registered_ = RegisterClassA(&coverClass) != 0;
    if (!registered_) return;
    for (const RECT& area : others) {
        Cover& cover = *covers_.emplace_back(std::make_unique<Cover>());
        cover.Covers = this;
        cover.Area = area;
        if (kind == CoverKind::Show && CreateCover(cover, true) != nullptr) continue;
        // A show that could not start leaves the monitor black, not bare.
        ForgetShow(cover);
        CreateCover(cover, false);
    }
}

MonitorCovers::~MonitorCovers() {
    // Normally their owner's end has taken them down already; after a fault
    // it has not, and their shows must stop before what they draw with goes.
    for (const auto& cover : covers_)
        if (cover->Window != nullptr && IsWindow(cover->Window)) DestroyWindow(cover->Window);
    for (const auto& cover : covers_) ForgetShow(*cover);
    if (registered_) UnregisterClassA(kCoverClassName, instance_);
}

void MonitorCovers::MendLostShows() {
    // Once the saver's window is gone, its covers went with it: nothing to mend.
    if (!IsWindow(saver_)) return;
    for (const auto& cover : covers_) {
        if (cover->Show == nullptr || IsWindow(cover->Window)) continue;
        ForgetShow(*cover);
        CreateCover(*cover, false);
    }
}

void MonitorCovers::StopEveryShow() {
    for (const auto& cover : covers_)
        if (cover->Show != nullptr) StopShow(cover->Show->Animation);
    const HostState* host = HostOf(saver_);
    if (host != nullptr && host->SaverState != nullptr) StopShow(host->SaverState->Animation);
}

HWND MonitorCovers::CreateCover(Cover& cover, bool withShow) {
    if (withShow) cover.Show = std::make_unique<Saver>(instance_, CoverDefaultProc);
    const RECT& r = cover.Area;
    // Owned by the saver's window: destroyed with it, before it.
    cover.Window = CreateWindowExA(kCoverExStyle, kCoverClassName, "", kCoverStyle, r.left, r.top, r.right - r.left,
                                   r.bottom - r.top, saver_, nullptr, instance_, &cover);
    return cover.Window;
}

void MonitorCovers::ForgetShow(Cover& cover) {
    // A show thread that would not end even when terminated may still be
    // drawing with everything the show holds; the process is ending, so
    // leaving it all is better than freeing it under the thread.
    if (cover.Show != nullptr && cover.Show->ShowThreadHandle != nullptr) static_cast<void>(cover.Show.release());
    cover.Show.reset();
}

LRESULT CALLBACK CoverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A cover travels as the window's creation data. Lifetime messages that
    // another program sends go no further, as for the saver's own window: a
    // forged creation would re-point the cover or start its show again, a
    // forged destruction would cut its show off from its window's end.
    MonitorCovers::Cover* cover = CoverOf(window);
    if (cover == nullptr) cover = AttachOnCreation<MonitorCovers::Cover>(window, message, lParam);
    if (cover == nullptr) return CoverDefaultProc(window, message, wParam, lParam);
    if (IsForgedLifetimeMessage(cover->Life, message)) return message == WM_NCCREATE ? TRUE : 0;
    if (message == WM_CREATE) cover->Life = WindowLife::Created;
    if (message == WM_DESTROY) cover->Life = WindowLife::Destroyed;
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (cover->Show == nullptr) return CoverDefaultProc(window, message, wParam, lParam);
    Saver& show = *cover->Show;
    // A running show's window goes only with the saver's: every show hears it
    // at once, so that the close waits for the slowest show, not for one
    // after another.
    if (message == WM_DESTROY && show.ShowThreadHandle != nullptr) cover->Covers->StopEveryShow();
    return SaverProc(show, window, message, wParam, lParam);
}

}  // namespace quibac
