// Emulated monitors as Windows lays them out: the primary one at (0, 0) and
// the others anywhere around it, negative coordinates included, with drawing,
// the cursor and input all meeting at the same screen points.
#include "support/platform_fixture.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <array>
#include <tuple>
#include <vector>

namespace quibac {
namespace {

class MonitorsTest : public testing::PlatformTest {};

constexpr RECT kPrimary{0, 0, 100, 80};
constexpr RECT kLeftAbove{-60, -40, 0, 0};

auto Tie(const RECT& r) { return std::tuple{r.left, r.top, r.right, r.bottom}; }

struct Listed {
    std::vector<RECT> areas;
    std::vector<DWORD> flags;
};

BOOL CALLBACK ListMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& listed = *reinterpret_cast<Listed*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        listed.areas.push_back(info.rcMonitor);
        listed.flags.push_back(info.dwFlags);
    }
    return TRUE;
}

Listed ListMonitors() {
    Listed listed;
    EnumDisplayMonitors(nullptr, nullptr, ListMonitor, reinterpret_cast<LPARAM>(&listed));
    return listed;
}

// One 8-bit pixel of a known colour, to draw through a window's DC.
struct OnePixel {
    BITMAPINFOHEADER header{};
    std::array<RGBQUAD, 256> colours{};
    std::array<uint8_t, 4> bits{};  // one row, padded to four bytes
    OnePixel() {
        header.biSize = sizeof header;
        header.biWidth = 1;
        header.biHeight = 1;
        header.biPlanes = 1;
        header.biBitCount = 8;
        header.biCompression = BI_RGB;
        colours[0] = RGBQUAD{0x56, 0x34, 0x12, 0};
    }
    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(&header); }
    static constexpr uint32_t kColour = 0x123456;
};

TEST_F(MonitorsTest, AMonitorLeftOfAndAboveThePrimaryWidensTheScreenToNegativeCoordinates) {
    ASSERT_TRUE(posix::SetMonitors({kPrimary, kLeftAbove}));
    // The fixture's 1024 x 768 surface stays covered too.
    EXPECT_EQ(Tie(posix::ScreenBounds()), (std::tuple{-60, -40, 1024, 768}));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 100) << "the screen is the primary monitor";
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 80);
    const Listed listed = ListMonitors();
    ASSERT_EQ(listed.areas.size(), 2u);
    EXPECT_EQ(Tie(listed.areas[0]), Tie(kPrimary));
    EXPECT_EQ(Tie(listed.areas[1]), Tie(kLeftAbove));
    EXPECT_EQ(listed.flags, (std::vector<DWORD>{MONITORINFOF_PRIMARY, 0}));
    posix::ResetPlatform(1024, 768);
    EXPECT_EQ(Tie(posix::ScreenBounds()), (std::tuple{0, 0, 1024, 768})) << "a reset gives one monitor again";
    EXPECT_EQ(ListMonitors().areas.size(), 1u);
}

TEST_F(MonitorsTest, AWindowOnANegativeMonitorDrawsWhereItLiesAndALiveScreenCopiesItFromThere) {
    ASSERT_TRUE(posix::SetMonitors({kPrimary, kLeftAbove}));
    HWND window = posix::CreateTestWindow(kLeftAbove.left, kLeftAbove.top, 60, 40);
    HDC dc = GetDC(window);
    static_cast<void>(posix::TakeChangedArea());
    const OnePixel pixel;
    ASSERT_EQ(SetDIBitsToDevice(dc, 3, 2, 1, 1, 0, 0, 0, 1, pixel.bits.data(), pixel.info(), DIB_RGB_COLORS), 1);
    EXPECT_EQ(posix::ScreenPixel(-57, -38), OnePixel::kColour);
    EXPECT_EQ(posix::ScreenPixel(3, 2), 0u) << "not where the window would lie on the primary monitor";
    EXPECT_EQ(Tie(posix::TakeChangedArea()), (std::tuple{-57, -38, -56, -37}));
    std::array<uint32_t, 4> copy{};
    posix::CopyScreenArea(RECT{-58, -38, -56, -36}, copy.data(), 2 * int(sizeof(uint32_t)));
    EXPECT_EQ(copy, (std::array<uint32_t, 4>{0, OnePixel::kColour, 0, 0}));
    ReleaseDC(window, dc);
    posix::DestroyTestWindow(window);
}

TEST_F(MonitorsTest, TheCursorReachesANegativeMonitorAndItsInputGoesToTheWindowThere) {
    ASSERT_TRUE(posix::SetMonitors({kPrimary, kLeftAbove}));
    HWND window = posix::CreateTestWindow(kLeftAbove.left, kLeftAbove.top, 60, 40);
    posix::SetCursorPosition(-5000, -5000);
    POINT at{};
    GetCursorPos(&at);
    EXPECT_EQ((std::tuple{at.x, at.y}), (std::tuple{-60, -40})) << "kept on the virtual screen";
    posix::MoveCursor(-30, -20);
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    bool moved = false;
    for (const MSG& m : posix::TestWindowMessages(window))
        if (m.message == WM_MOUSEMOVE) moved = LOWORD(m.lParam) == 30 && HIWORD(m.lParam) == 20;
    EXPECT_TRUE(moved) << "WM_MOUSEMOVE at the window's client point (30, 20)";
    posix::DestroyTestWindow(window);
}

struct RefusedRow {
    const char* name;
    std::vector<RECT> monitors;
};

class RefusedMonitorsTest : public MonitorsTest, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedMonitorsTest, ChangeNothing) {
    ASSERT_TRUE(posix::SetMonitors({kPrimary, kLeftAbove}));
    EXPECT_FALSE(posix::SetMonitors(GetParam().monitors));
    EXPECT_EQ(Tie(posix::ScreenBounds()), (std::tuple{-60, -40, 1024, 768}));
    EXPECT_EQ(ListMonitors().areas.size(), 2u);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 100);
}

const RefusedRow kRefusedRows[] = {
    {"NoMonitor", {}},
    {"PrimaryAwayFromTheOrigin", {RECT{10, 0, 110, 80}}},
    {"EmptyMonitor", {kPrimary, RECT{100, 0, 100, 80}}},
    {"UpsideDownMonitor", {kPrimary, RECT{100, 80, 200, 0}}},
    {"WiderThanAnyScreen", {kPrimary, RECT{-posix::kMaxScreenSide, 0, 0, 80}}},
};

void PrintTo(const RefusedRow& row, std::ostream* out) { *out << row.name; }
std::string RefusedName(const ::testing::TestParamInfo<RefusedRow>& info) { return info.param.name; }
INSTANTIATE_TEST_SUITE_P(Lists, RefusedMonitorsTest, ::testing::ValuesIn(kRefusedRows), RefusedName);

}  // namespace
}  // namespace quibac
