// The program's windows on several displays, on SDL's dummy video driver: each
// window shows its own part of the screen, whatever part of the screen
// changed, and a movement over a window lands on that part of the screen.
#include "dummy_video.h"
#include "live_loop.h"
#include "presenter.h"

#include "support/platform_fixture.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <SDL.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quibac::linux_sdl {
namespace {

constexpr RECT kPrimary{0, 0, 64, 48};
constexpr RECT kLeft{-40, 0, 0, 30};  // left of the primary monitor, as on Windows
constexpr uint32_t kPrimaryColour = 0x00102030, kLeftColour = 0x00405060, kDrawn = 0x00A0B0C0;

class EveryDisplayTest : public DummyVideoTest {
protected:
    void SetUp() override {
        DummyVideoTest::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(posix::SetMonitors({kPrimary, kLeft}));
        primary_ = Open(kPrimary);
        left_ = Open(kLeft);
        ASSERT_NE(primary_, nullptr);
        ASSERT_NE(left_, nullptr);
    }
    void TearDown() override {
        left_.reset();
        primary_.reset();
        PlatformTest::TearDown();
    }

    static std::unique_ptr<Presenter> Open(const RECT& part) {
        OwnWindowRequest request;
        request.title = "every display test";
        request.width = part.right - part.left, request.height = part.bottom - part.top;
        std::unique_ptr<Presenter> presenter = Presenter::OpenOwnWindow(request);
        if (presenter) presenter->ShowPart(part);
        return presenter;
    }
    // A pixel of a window as it last showed it.
    static uint32_t WindowPixel(const Presenter& presenter, int x, int y) {
        SDL_Surface* surface = SDL_GetWindowSurface(presenter.Window());
        const auto* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
        return reinterpret_cast<const uint32_t*>(row)[x] & 0x00FFFFFF;
    }
    // Paints each monitor's part of the screen in a colour of its own.
    static void PaintMonitors() {
        for (const auto& [area, colour] : {std::pair{kPrimary, kPrimaryColour}, std::pair{kLeft, kLeftColour}}) {
            HWND window = posix::CreateTestWindow(area.left, area.top, area.right - area.left, area.bottom - area.top);
            HDC dc = GetDC(window);
            for (int y = 0; y < area.bottom - area.top; ++y)
                for (int x = 0; x < area.right - area.left; ++x) SetPixelForTest(dc, x, y, colour);
            ReleaseDC(window, dc);
            posix::DestroyTestWindow(window);
        }
    }
    static void SetPixelForTest(HDC dc, int x, int y, uint32_t rgb) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 1;
        info.bmiHeader.biHeight = 1;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 8;
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biClrUsed = 1;
        info.bmiColors[0] = RGBQUAD{BYTE(rgb), BYTE(rgb >> 8), BYTE(rgb >> 16), 0};
        const uint8_t bits[4] = {0, 0, 0, 0};
        SetDIBitsToDevice(dc, x, y, 1, 1, 0, 0, 0, 1, bits, &info, DIB_RGB_COLORS);
    }

    std::unique_ptr<Presenter> primary_, left_;
};

TEST_F(EveryDisplayTest, EachWindowShowsItsOwnPartOfTheScreen) {
    PaintMonitors();
    ASSERT_TRUE(primary_->Present(true, posix::TakeChangedAreas()));
    ASSERT_TRUE(left_->Present(true, {}));
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{39, 29}, std::pair{20, 10}}) {
        EXPECT_EQ(WindowPixel(*left_, x, y), kLeftColour) << "left window at " << x << "," << y;
        EXPECT_EQ(WindowPixel(*primary_, x, y), kPrimaryColour) << "primary window at " << x << "," << y;
    }
    EXPECT_EQ(WindowPixel(*primary_, 63, 47), kPrimaryColour);
}

TEST_F(EveryDisplayTest, AChangeReachesTheWindowWhosePartItLiesInAndNoOther) {
    PaintMonitors();
    primary_->Present(true, posix::TakeChangedAreas());
    left_->Present(true, {});
    // One pixel drawn on the left monitor, through a window there.
    HWND window = posix::CreateTestWindow(kLeft.left, kLeft.top, 40, 30);
    HDC dc = GetDC(window);
    SetPixelForTest(dc, 7, 5, kDrawn);
    ReleaseDC(window, dc);
    const std::vector<RECT> changed = posix::TakeChangedAreas();
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed.front().left, kLeft.left + 7);
    ASSERT_TRUE(primary_->Present(false, changed));
    ASSERT_TRUE(left_->Present(false, changed));
    EXPECT_EQ(WindowPixel(*left_, 7, 5), kDrawn);
    EXPECT_EQ(WindowPixel(*left_, 8, 5), kLeftColour);
    EXPECT_EQ(WindowPixel(*primary_, 7, 5), kPrimaryColour) << "nothing of it on the primary window";
    posix::DestroyTestWindow(window);
}

TEST_F(EveryDisplayTest, AMovementOverAWindowLandsOnItsPartOfTheScreen) {
    HWND observer = posix::CreateTestWindow(kLeft.left, kLeft.top, 40, 30);
    LiveLoop loop(*primary_, true, {left_.get()});
    loop.StartSession(nullptr);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = SDL_GetWindowID(left_->Window());
    motion.motion.x = 12;
    motion.motion.y = 9;
    loop.Handle(motion);
    POINT at{};
    GetCursorPos(&at);
    EXPECT_EQ(at.x, kLeft.left + 12);
    EXPECT_EQ(at.y, kLeft.top + 9);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    bool reached = false;
    for (const MSG& seen : posix::TestWindowMessages(observer))
        reached |= seen.message == WM_MOUSEMOVE && LOWORD(seen.lParam) == 12 && HIWORD(seen.lParam) == 9;
    EXPECT_TRUE(reached) << "the window on the left monitor has the movement";
    posix::DestroyTestWindow(observer);
}

}  // namespace
}  // namespace quibac::linux_sdl
