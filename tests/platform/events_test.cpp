// Events as Windows has them: set and cleared by hand or released one wait at
// a time, a timed wait on a clear event that lasts its timeout (at once in
// virtual time) unless the event is set first, and handles that can be
// counted and closed once.
#include "support/platform_fixture.h"

#include <posix_windows.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

namespace quibac {
namespace {

class EventTest : public testing::PlatformTest {
protected:
    void TearDown() override {
        posix::SetSleepHook(nullptr);
        EXPECT_EQ(posix::OpenEventHandles(), handlesAtStart_) << "event handles left open";
        PlatformTest::TearDown();
    }

    int handlesAtStart_ = posix::OpenEventHandles();
};

// What a zero-timeout wait reports after each step, from a fresh event.
enum class Step { Wait, Set, Reset };
struct EventRow {
    const char* what;
    bool manualReset, initiallySet;
    std::vector<Step> steps;
    std::vector<DWORD> waits;  // the result of each Wait step, in order
};

TEST_F(EventTest, ManualResetEventsStaySetAndAutoResetOnesReleaseOneWait) {
    constexpr DWORD kSet = WAIT_OBJECT_0, kClear = WAIT_TIMEOUT;
    const EventRow rows[] = {
        {"manual, clear", true, false, {Step::Wait, Step::Set, Step::Wait, Step::Wait}, {kClear, kSet, kSet}},
        {"manual, set, reset", true, true, {Step::Wait, Step::Reset, Step::Wait}, {kSet, kClear}},
        {"manual, set twice", true, false, {Step::Set, Step::Set, Step::Wait, Step::Reset, Step::Wait}, {kSet, kClear}},
        {"auto, clear", false, false, {Step::Wait, Step::Set, Step::Wait, Step::Wait}, {kClear, kSet, kClear}},
        {"auto, set", false, true, {Step::Wait, Step::Wait}, {kSet, kClear}},
        {"auto, set twice", false, false, {Step::Set, Step::Set, Step::Wait, Step::Wait}, {kSet, kClear}},
    };
    for (const EventRow& row : rows) {
        HANDLE event = CreateEventA(nullptr, row.manualReset, row.initiallySet, nullptr);
        ASSERT_NE(event, nullptr) << row.what;
        std::vector<DWORD> waits;
        for (Step step : row.steps) {
            if (step == Step::Wait) waits.push_back(WaitForSingleObject(event, 0));
            if (step == Step::Set) {
                EXPECT_TRUE(SetEvent(event)) << row.what;
            }
            if (step == Step::Reset) {
                EXPECT_TRUE(ResetEvent(event)) << row.what;
            }
        }
        EXPECT_EQ(waits, row.waits) << row.what;
        EXPECT_TRUE(CloseHandle(event)) << row.what;
    }
}

TEST_F(EventTest, AClosedOrUnknownHandleFailsEveryCall) {
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(posix::OpenEventHandles(), handlesAtStart_ + 1);
    EXPECT_TRUE(CloseHandle(event));
    EXPECT_EQ(posix::OpenEventHandles(), handlesAtStart_);
    EXPECT_FALSE(CloseHandle(event)) << "closed once only";
    EXPECT_FALSE(SetEvent(event));
    EXPECT_FALSE(ResetEvent(event));
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_FAILED);
    EXPECT_EQ(WaitForSingleObject(nullptr, 10), WAIT_FAILED);
    int local = 0;
    EXPECT_FALSE(SetEvent(&local));

    EXPECT_EQ(CreateEventA(nullptr, TRUE, FALSE, "Global\\Shared"), nullptr) << "named events span processes";
    posix::FailCall(posix::FailingCall::CreateEvent);
    EXPECT_EQ(CreateEventA(nullptr, TRUE, FALSE, nullptr), nullptr);
    EXPECT_EQ(posix::OpenEventHandles(), handlesAtStart_);
}

TEST_F(EventTest, InVirtualTimeATimedWaitSleepsItsTimeoutUnlessTheEventIsSetFirst) {
    posix::UseVirtualTime(true);
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    const uint64_t start = posix::VirtualElapsed();
    EXPECT_EQ(WaitForSingleObject(event, 119), WAIT_TIMEOUT);
    EXPECT_EQ(posix::VirtualElapsed() - start, 119u);
    EXPECT_EQ(posix::SleepCalls(), 1u) << "a wait that timed out is a sleep";
    EXPECT_EQ(posix::SleptMilliseconds(), 119u);

    // The hook is the moment the wait begins: setting the event there ends it
    // without the clock moving, as a set from another thread would.
    std::vector<DWORD> hooked;
    posix::SetSleepHook([&](DWORD ms) {
        hooked.push_back(ms);
        SetEvent(event);
    });
    const uint64_t before = posix::VirtualElapsed();
    EXPECT_EQ(WaitForSingleObject(event, 119), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(event, 119), WAIT_OBJECT_0) << "a set event is not waited for";
    EXPECT_EQ(posix::VirtualElapsed(), before);
    EXPECT_EQ(hooked, std::vector<DWORD>{119}) << "the hook runs only for a wait that would wait";
    EXPECT_EQ(posix::SleepCalls(), 1u);
    EXPECT_TRUE(CloseHandle(event));
}

// Only a set wakes a wait without a timeout: a wait still blocked long after
// the set was missed. The test then gives up on it rather than hang.
TEST_F(EventTest, AnotherThreadsSetWakesAWaitThatHasNoTimeout) {
    using Clock = std::chrono::steady_clock;
    constexpr auto kGiveUp = std::chrono::seconds(30);
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    auto waiting = std::make_shared<std::atomic<bool>>(false);
    auto result = std::make_shared<std::atomic<DWORD>>(WAIT_FAILED);
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::thread waiter([=] {
        *waiting = true;
        *result = WaitForSingleObject(event, INFINITE);
        *done = true;
    });
    while (!*waiting) std::this_thread::yield();
    // Most likely blocked by now, so that the set has to wake it; a set that
    // comes first must work as well.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(SetEvent(event));
    const auto deadline = Clock::now() + kGiveUp;
    while (!*done && Clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!*done) {
        waiter.detach();  // still blocked: the set did not wake it
        ADD_FAILURE() << "the set did not wake the wait";
        return;
    }
    waiter.join();
    EXPECT_EQ(result->load(), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT) << "the wait it released took the signal";
    EXPECT_TRUE(CloseHandle(event));
}

}  // namespace
}  // namespace quibac
