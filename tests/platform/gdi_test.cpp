// The platform's GDI as the saver's tests lean on it: failures on request,
// scan lines counted as Windows counts them, and two threads on one DC caught.
#include "support/bitmap_builder.h"
#include "support/platform_fixture.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace quibac {
namespace {

class GdiTest : public testing::PlatformTest {};

TEST_F(GdiTest, ScreenPixelsReadWhatLiesOffTheScreenAsBlack) {
    SetScreenSize(4, 3);
    constexpr uint32_t c = 0x00123456;
    posix::FillScreen(c);
    EXPECT_EQ(posix::ScreenPixels(-1, 1, 3, 3), (std::vector<uint32_t>{0, c, c, 0, c, c, 0, 0, 0}));
    EXPECT_EQ(posix::ScreenPixels(3, -1, 2, 2), (std::vector<uint32_t>{0, 0, c, 0}));
    EXPECT_TRUE(posix::ScreenPixels(0, 0, -2, 5).empty());
}

TEST_F(GdiTest, ACallFailsOnRequestOnceAfterTheGivenSuccesses) {
    HWND window = posix::CreateTestWindow(0, 0, 8, 8);
    HDC windowDC = GetDC(window);
    const LOGPALETTE logPalette{0x300, 1, {{1, 2, 3, 0}}};
    // Each makes one call of its kind and undoes it; true when the call succeeded.
    const struct {
        posix::FailingCall call;
        std::function<bool()> succeeds;
    } kinds[] = {
        {posix::FailingCall::GetDC,
         [&] {
             HDC dc = GetDC(window);
             return dc != nullptr && ReleaseDC(window, dc) == 1;
         }},
        {posix::FailingCall::GlobalAlloc,
         [] {
             HGLOBAL block = GlobalAlloc(GMEM_FIXED, 16);
             return block != nullptr && GlobalFree(block) == nullptr;
         }},
        {posix::FailingCall::CreatePalette,
         [&] {
             HPALETTE palette = CreatePalette(&logPalette);
             return palette != nullptr && DeleteObject(palette);
         }},
        {posix::FailingCall::CreateCompatibleDC,
         [&] {
             HDC dc = CreateCompatibleDC(windowDC);
             return dc != nullptr && DeleteDC(dc);
         }},
        {posix::FailingCall::CreateCompatibleBitmap,
         [&] {
             HBITMAP bitmap = CreateCompatibleBitmap(windowDC, 4, 4);
             return bitmap != nullptr && DeleteObject(bitmap);
         }},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE("kind " + std::to_string(int(kind.call)));
        posix::FailCall(kind.call, 2);
        EXPECT_TRUE(kind.succeeds());
        EXPECT_TRUE(kind.succeeds());
        EXPECT_FALSE(kind.succeeds()) << "the call after two successes fails";
        EXPECT_TRUE(kind.succeeds()) << "once";
    }
    posix::FailCall(posix::FailingCall::GlobalAlloc);
    EXPECT_TRUE(kinds[0].succeeds()) << "a failure waits for a call of its own kind";
    EXPECT_EQ(ReleaseDC(window, windowDC), 1);
    posix::ResetPlatform();
    EXPECT_TRUE(kinds[1].succeeds()) << "a reset disarms a failure not yet fired";
    EXPECT_EQ(GdiObjectsLeft(), 0);
    EXPECT_EQ(MemoryBlocksLeft(), 0);
}

// ---- SetDIBitsToDevice ------------------------------------------------------------

constexpr int kDibSide = 4;
constexpr uint32_t kBlank = 0xABCDEF;
constexpr int kNotDrawn = -1;

// An 8-bit DIB whose stored row r is filled with index r + 1.
struct TestDib {
    BITMAPINFOHEADER header{};
    std::array<RGBQUAD, 256> colours{};
    std::array<uint8_t, kDibSide * kDibSide> bits{};

    explicit TestDib(bool topDown) {
        header.biSize = sizeof header;
        header.biWidth = kDibSide;
        header.biHeight = topDown ? -kDibSide : kDibSide;
        header.biPlanes = 1;
        header.biBitCount = 8;
        header.biCompression = BI_RGB;
        const auto distinct = testing::DistinctColours();
        for (size_t k = 0; k < colours.size(); ++k)
            colours[k] = RGBQUAD{distinct[k].b, distinct[k].g, distinct[k].r, 0};
        for (size_t i = 0; i < bits.size(); ++i) bits[i] = uint8_t(i / kDibSide + 1);
    }
    // The header and the colour table lie one after the other, as in a BITMAPINFO.
    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(&header); }
};

TEST_F(GdiTest, SetDIBitsToDeviceCountsScanLinesFromTheBottomAsWindowsDoes) {
    const struct {
        const char* what;
        bool topDown;
        int ySrc;
        UINT startScan, lines;
        int yDest;
        DWORD height;
        std::array<int, kDibSide> storedRowOnScreen;  // per window row, kNotDrawn where nothing lands
        int returned;
    } cases[] = {
        {"the saver's whole top-down frame", true, 0, 0, 4, 0, 4, {0, 1, 2, 3}, 4},
        {"a whole bottom-up picture", false, 0, 0, 4, 0, 4, {3, 2, 1, 0}, 4},
        {"top-down band of the bottom two lines", true, 0, 0, 2, 0, 4, {kNotDrawn, kNotDrawn, 0, 1}, 2},
        {"bottom-up band of the top two lines", false, 0, 2, 2, 0, 4, {1, 0, kNotDrawn, kNotDrawn}, 2},
        {"bottom-up lines above the rectangle are not counted", false, 1, 0, 4, 0, 2, {2, 1, kNotDrawn, kNotDrawn}, 3},
        {"clipped lines still count", true, 0, 0, 4, 2, 4, {kNotDrawn, kNotDrawn, 0, 1}, 4},
        {"a top-down band wholly above the rectangle counts",
         true,
         0,
         2,
         2,
         0,
         2,
         {kNotDrawn, kNotDrawn, kNotDrawn, kNotDrawn},
         2},
        {"a bottom-up band wholly above the rectangle does not",
         false,
         0,
         2,
         2,
         0,
         2,
         {kNotDrawn, kNotDrawn, kNotDrawn, kNotDrawn},
         0},
        {"a band starting past the picture", true, 0, 4, 1, 0, 4, {kNotDrawn, kNotDrawn, kNotDrawn, kNotDrawn}, 0},
    };
    const auto distinct = testing::DistinctColours();
    HWND window = posix::CreateTestWindow(0, 0, kDibSide, kDibSide);
    HDC dc = GetDC(window);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        posix::FillScreen(kBlank);
        const TestDib dib(c.topDown);
        EXPECT_EQ(SetDIBitsToDevice(dc, 0, c.yDest, kDibSide, c.height, 0, c.ySrc, c.startScan, c.lines,
                                    dib.bits.data(), dib.info(), DIB_RGB_COLORS),
                  c.returned);
        for (int y = 0; y < kDibSide; ++y) {
            const int stored = c.storedRowOnScreen[size_t(y)];
            const uint32_t expected = stored == kNotDrawn ? kBlank : testing::ToScreen(distinct[size_t(stored + 1)]);
            for (int x = 0; x < kDibSide; ++x) EXPECT_EQ(posix::ScreenPixel(x, y), expected) << "at " << x << "," << y;
        }
    }
    ReleaseDC(window, dc);
}

TEST_F(GdiTest, TheRecordOfBlitsThatNobodyTakesStaysBoundedAndKeepsTheLatest) {
    // A saver left running for days presents millions of times.
    HWND window = posix::CreateTestWindow(0, 0, kDibSide, kDibSide);
    HDC dc = GetDC(window);
    const TestDib dib(true);
    posix::TakeWindowBlits();
    const int presents = int(posix::kBlitRecordLimit) * 3 + 5;
    for (int i = 0; i < presents; ++i)
        SetDIBitsToDevice(dc, 0, 0, kDibSide, kDibSide, 0, 0, 0, kDibSide, dib.bits.data(), dib.info(), DIB_RGB_COLORS);
    SetDIBitsToDevice(dc, 1, 2, 3, 2, 0, 0, 0, kDibSide, dib.bits.data(), dib.info(), DIB_RGB_COLORS);
    const std::vector<posix::BlitRecord> blits = posix::TakeWindowBlits();
    EXPECT_LE(blits.size(), posix::kBlitRecordLimit);
    EXPECT_GE(blits.size(), posix::kBlitRecordLimit / 2);
    ASSERT_FALSE(blits.empty());
    EXPECT_EQ(blits.back().x, 1);
    EXPECT_EQ(blits.back().y, 2);
    ReleaseDC(window, dc);
}

// ---- one thread at a time on a DC ------------------------------------------------

// Waits until another thread's GDI call has marked its DCs and waits for the
// lock this thread holds; false if none comes (a guard against hanging, not a
// measure of speed).
bool AnotherCallWaits() {
    constexpr int kPolls = 20000;
    for (int i = 0; i < kPolls; ++i) {
        if (posix::GdiWaiters() > 0) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

TEST_F(GdiTest, ACallOnADcWhileAnotherThreadsCallOnItIsInProgressIsMisuse) {
    const struct {
        bool sameDc;
        int misuse;
    } cases[] = {{true, 1}, {false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sameDc ? "one DC" : "two DCs");
        HWND window = posix::CreateTestWindow(0, 0, 8, 8);
        HDC busy = GetDC(window), other = GetDC(window);
        posix::HoldGdi();
        std::thread drawer([&] { RealizePalette(busy); });
        const bool waiting = AnotherCallWaits();
        RealizePalette(c.sameDc ? busy : other);  // goes ahead: this thread holds the lock
        const int misuse = posix::GdiMisuseCount();
        posix::ReleaseGdi();
        drawer.join();
        EXPECT_TRUE(waiting) << "the drawer's call is in progress";
        EXPECT_EQ(misuse, c.misuse);
        ReleaseDC(window, busy);
        ReleaseDC(window, other);
        posix::ResetPlatform();  // the misuse is this test's to count, not the fixture's
    }
}

// Windows fails a call on a DC that has been released or deleted; the saver
// making one has let its resources go in the wrong order.
TEST_F(GdiTest, ACallOnADcAlreadyReleasedOrDeletedIsMisuse) {
    HWND window = posix::CreateTestWindow(0, 0, 8, 8);
    const LOGPALETTE logPalette{0x300, 1, {{1, 2, 3, 0}}};
    HPALETTE palette = CreatePalette(&logPalette);
    HDC live = GetDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(live, 4, 4);
    HDC released = GetDC(window);
    ReleaseDC(window, released);
    HDC deleted = CreateCompatibleDC(live);
    DeleteDC(deleted);
    const TestDib dib(true);
    const std::function<void(HDC)> calls[] = {
        [&](HDC dc) { SelectPalette(dc, palette, FALSE); },
        [](HDC dc) { RealizePalette(dc); },
        [&](HDC dc) { SelectObject(dc, bitmap); },
        [](HDC dc) { CreateCompatibleBitmap(dc, 4, 4); },
        [](HDC dc) { CreateCompatibleDC(dc); },
        [&](HDC dc) {
            SetDIBitsToDevice(dc, 0, 0, kDibSide, kDibSide, 0, 0, 0, kDibSide, dib.bits.data(), dib.info(),
                              DIB_RGB_COLORS);
        },
        [&](HDC dc) { BitBlt(live, 0, 0, 4, 4, dc, 0, 0, SRCCOPY); },
        [&](HDC dc) { BitBlt(dc, 0, 0, 4, 4, live, 0, 0, SRCCOPY); },
    };
    for (HDC gone : {released, deleted}) {
        for (size_t i = 0; i < std::size(calls); ++i) {
            SCOPED_TRACE("call " + std::to_string(i) + (gone == released ? " on a released DC" : " on a deleted DC"));
            const int before = posix::GdiMisuseCount();
            calls[i](gone);
            EXPECT_EQ(posix::GdiMisuseCount(), before + 1);
        }
    }
    const int before = posix::GdiMisuseCount();
    HDC screenCompatible = CreateCompatibleDC(nullptr);
    EXPECT_NE(screenCompatible, nullptr);
    EXPECT_EQ(posix::GdiMisuseCount(), before) << "a DC compatible with the screen needs none";
    DeleteDC(screenCompatible);
    DeleteObject(bitmap);
    ReleaseDC(window, live);
    DeleteObject(palette);
    posix::ResetPlatform();  // the misuse is this test's to count, not the fixture's
}

// ---- the screen shown live ---------------------------------------------------------

TEST_F(GdiTest, OnlyDrawingThatReachesAWindowWakesALiveScreenWhichCopiesOutWithItsOwnPitch) {
    constexpr int kScreenWidth = 8, kScreenHeight = 6, kPadding = 3;
    constexpr uint32_t kUntouched = 0xFEEDF00D;
    SetScreenSize(kScreenWidth, kScreenHeight);
    posix::FillScreen(kBlank);
    int wakes = 0;
    posix::SetScreenChangeHook([&] { ++wakes; });
    posix::KeepWindowBlits(false);
    HWND window = posix::CreateTestWindow(2, 1, kDibSide, kDibSide);
    HDC windowDC = GetDC(window);
    HDC memoryDC = CreateCompatibleDC(windowDC);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDC, kDibSide, kDibSide);
    HGDIOBJ previous = SelectObject(memoryDC, bitmap);
    const TestDib dib(true);
    const uint64_t changesBefore = posix::ScreenChanges();

    SetDIBitsToDevice(memoryDC, 0, 0, kDibSide, kDibSide, 0, 0, 0, kDibSide, dib.bits.data(), dib.info(),
                      DIB_RGB_COLORS);
    EXPECT_EQ(wakes, 0) << "a memory bitmap is not the screen";
    SetDIBitsToDevice(windowDC, 0, 0, kDibSide, kDibSide, 0, 0, 0, kDibSide, dib.bits.data(), dib.info(),
                      DIB_RGB_COLORS);
    BitBlt(windowDC, 0, 0, kDibSide, kDibSide, memoryDC, 0, 0, SRCCOPY);
    EXPECT_EQ(wakes, 2);
    EXPECT_EQ(posix::ScreenChanges() - changesBefore, 2u);
    EXPECT_TRUE(posix::TakeWindowBlits().empty()) << "a live run keeps no record of blits";

    const int pitchPixels = kScreenWidth + kPadding;
    std::vector<uint32_t> copy(size_t(pitchPixels) * kScreenHeight, kUntouched);
    posix::CopyScreen(copy.data(), pitchPixels * int(sizeof(uint32_t)));
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < pitchPixels; ++x) {
            const uint32_t expected = x < kScreenWidth ? posix::ScreenPixel(x, y) : kUntouched;
            EXPECT_EQ(copy[size_t(y) * pitchPixels + x], expected) << "at " << x << "," << y;
        }
    }
    EXPECT_NE(posix::ScreenPixel(2, 1), kBlank) << "the window was drawn into";

    SelectObject(memoryDC, previous);
    DeleteObject(bitmap);
    DeleteDC(memoryDC);
    ReleaseDC(window, windowDC);
    posix::DestroyTestWindow(window);
}

TEST_F(GdiTest, ALiveScreenTakesTheUnionOfWhatReachedItClippedToTheSurfaceAndCopiesThatArea) {
    constexpr int kScreenWidth = 8, kScreenHeight = 6, kPitchPixels = 5;
    constexpr uint32_t kUntouched = 0xFEEDF00D;
    SetScreenSize(kScreenWidth, kScreenHeight);
    posix::FillScreen(kBlank);
    const RECT filled = posix::TakeChangedArea();
    EXPECT_EQ((std::tuple{filled.left, filled.top, filled.right, filled.bottom}),
              (std::tuple{0, 0, kScreenWidth, kScreenHeight}));
    HWND window = posix::CreateTestWindow(5, 3, kDibSide, kDibSide);  // hangs off the right and bottom
    HDC windowDC = GetDC(window);
    HDC memoryDC = CreateCompatibleDC(windowDC);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDC, kDibSide, kDibSide);
    HGDIOBJ previous = SelectObject(memoryDC, bitmap);
    const TestDib dib(true);
    EXPECT_EQ(posix::TakeChangedArea().right, 0) << "taken once, the area is empty";

    SetDIBitsToDevice(windowDC, 0, 0, 1, 1, 0, 0, 0, kDibSide, dib.bits.data(), dib.info(), DIB_RGB_COLORS);
    BitBlt(windowDC, 2, 2, 2, 2, memoryDC, 0, 0, SRCCOPY);
    const RECT drawn = posix::TakeChangedArea();
    EXPECT_EQ((std::tuple{drawn.left, drawn.top, drawn.right, drawn.bottom}), (std::tuple{5, 3, 8, 6}));

    std::vector<uint32_t> copy(size_t(kPitchPixels) * 4, kUntouched);
    posix::CopyScreenArea(RECT{4, 2, 9, 6}, copy.data(), kPitchPixels * int(sizeof(uint32_t)));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < kPitchPixels; ++x) {
            const bool onScreen = 4 + x < kScreenWidth;
            EXPECT_EQ(copy[size_t(y) * kPitchPixels + x], onScreen ? posix::ScreenPixel(4 + x, 2 + y) : kUntouched)
                << "at " << x << "," << y;
        }
    }

    SelectObject(memoryDC, previous);
    DeleteObject(bitmap);
    DeleteDC(memoryDC);
    ReleaseDC(window, windowDC);
    posix::DestroyTestWindow(window);
}

}  // namespace
}  // namespace quibac
