// The POSIX platform's own promises that the saver's tests lean on: virtual
// time, counters that wrap, waiting without burning time, resource lookup.
#include "display/pacing.h"
#include "support/platform_fixture.h"

#include <mmsystem.h>
#include <posix_control.h>

namespace quibac {
namespace {

class PlatformLayerTest : public testing::PlatformTest {};

TEST_F(PlatformLayerTest, WaitEndsAcrossTheCounterWrap) {
    posix::UseVirtualTime(true);
    posix::SetMillisecondClocks(0xFFFFFFF0u, 0xFFFFFFFFu);
    const DWORD start = timeGetTime();
    WaitSince(start, 120);
    const DWORD now = timeGetTime();
    EXPECT_LT(now, 200u) << "the counter wrapped";
    EXPECT_GE(DWORD(now - start), 120u);
    EXPECT_LE(DWORD(now - start), 121u) << "no long overshoot";
    EXPECT_LT(GetTickCount(), 200u);
}

TEST_F(PlatformLayerTest, WaitingSleepsInsteadOfSpinning) {
    posix::UseVirtualTime(true);
    const DWORD start = timeGetTime();
    WaitSince(start, 120);
    EXPECT_LE(posix::SleepCalls(), 3u);
    EXPECT_GE(posix::SleptMilliseconds(), 118u);
}

TEST_F(PlatformLayerTest, RealTimeWaitTakesAboutAsLongAsAsked) {
    const DWORD start = timeGetTime();
    WaitSince(start, 30);
    EXPECT_GE(DWORD(timeGetTime() - start), 30u);
}

TEST_F(PlatformLayerTest, LocalDateMovesOnWithVirtualTime) {
    posix::UseVirtualTime(true);
    posix::SetLocalDateTime(2026, 12, 24, 23, 59, 59);
    SYSTEMTIME st{};
    GetLocalTime(&st);
    EXPECT_EQ(st.wMonth, 12);
    EXPECT_EQ(st.wDay, 24);
    Sleep(1500);
    GetLocalTime(&st);
    EXPECT_EQ(st.wDay, 25);
    EXPECT_EQ(st.wHour, 0);
    posix::AdvanceVirtualTime(8u * 24 * 3600 * 1000);
    GetLocalTime(&st);
    EXPECT_EQ(st.wYear, 2027);
    EXPECT_EQ(st.wMonth, 1);
    EXPECT_EQ(st.wDay, 2);
}

TEST_F(PlatformLayerTest, ResourcesAreFoundByNameAndTypeWithoutRegardToCase) {
    HMODULE module = posix::CreateResourceModule();
    posix::AddResource(module, "FLIC", "DatesFlic", {1, 2, 3});
    posix::AddResource(module, RT_BITMAP, MAKEINTRESOURCEA(7), {9});
    HRSRC found = FindResourceA(module, "DATESFLIC", "Flic");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(SizeofResource(module, found), 3u);
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module, found)));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes[2], 3);
    EXPECT_NE(FindResourceA(module, "#7", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module, "DATESFLIC", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module, "ADVENTFLIC", "Flic"), nullptr);
    posix::DestroyResourceModule(module);
}

TEST_F(PlatformLayerTest, DebugOutputIsCapturedAndFormatted) {
    char text[256];
    wsprintfA(text, "\nHeader addr.: %d\nHeader type: %d\n\n", 2922, 18);
    OutputDebugStringA(text);
    EXPECT_EQ(posix::DebugOutput(), "\nHeader addr.: 2922\nHeader type: 18\n\n");
    posix::ClearDebugOutput();
    EXPECT_EQ(posix::DebugOutput(), "");
}

}  // namespace
}  // namespace quibac
