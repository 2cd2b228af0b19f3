// The show thread a saver starts comes with a stop event: the saver's release
// sets it, so the thread's wait in progress ends at once, and closes it only
// after the thread has ended. Without the event the show still runs and stops.
#include "display/reveal.h"
#include "saver/saver.h"
#include "support/show_fixture.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <atomic>
#include <thread>

namespace quibac {
namespace {

class StopEventTest : public testing::ShowTest {
protected:
    void TearDown() override {
        posix::SetSleepHook(nullptr);
        ShowTest::TearDown();
    }
    // Nothing of the thread's is left: the thread, its handle, its event.
    void ExpectThreadGone() const {
        EXPECT_EQ(posix::LiveThreads(), 0);
        EXPECT_EQ(posix::OpenThreadHandles(), 0);
        EXPECT_EQ(posix::OpenEventHandles(), eventsAtStart_);
    }

    const int eventsAtStart_ = posix::OpenEventHandles();
};

TEST_F(StopEventTest, ReleaseEndsTheThreadsTickWaitAtOnceAndThenClosesTheEvent) {
    Saver& saver = Make().saver();
    posix::SetLocalDateTime(2026, 12, 24);
    ASSERT_TRUE(StartShowThread(saver));
    HANDLE event = saver.Animation.StopEvent;
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(posix::OpenEventHandles(), eventsAtStart_ + 1);

    // The thread's first tick wait holds until the event is set: a release
    // that did not set it would leave the thread there until terminated.
    std::atomic<bool> inTickWait{false}, woke{false};
    std::atomic<uint64_t> sleepsAtStop{0};
    posix::SetSleepHook([&](DWORD ms) {
        if (ms <= kRevealStepMs || inTickWait.exchange(true)) return;
        sleepsAtStop = posix::SleepCalls();
        woke = WaitForSingleObject(event, INFINITE) == WAIT_OBJECT_0;
    });
    while (!inTickWait) std::this_thread::yield();
    ReleaseSaver(saver);
    EXPECT_TRUE(woke.load()) << "the release set the event";
    EXPECT_EQ(posix::SleepCalls(), sleepsAtStop.load()) << "the wait it was in did not run out";
    EXPECT_EQ(saver.Animation.StopEvent, nullptr);
    ExpectThreadGone();
}

TEST_F(StopEventTest, WithoutAnEventTheShowStillRunsAndStops) {
    Saver& saver = Make().saver();
    posix::SetLocalDateTime(2026, 12, 24);
    posix::FailCall(posix::FailingCall::CreateEvent);
    std::atomic<int> tickWaits{0};
    posix::SetSleepHook([&](DWORD ms) { tickWaits += ms > kRevealStepMs ? 1 : 0; });
    ASSERT_TRUE(StartShowThread(saver));
    EXPECT_EQ(saver.Animation.StopEvent, nullptr);
    while (tickWaits < 3) std::this_thread::yield();
    const uint64_t stoppedAt = posix::VirtualElapsed();
    ReleaseSaver(saver);
    EXPECT_LT(posix::VirtualElapsed() - stoppedAt, kShowStopWaitMs) << "it ended before it had to be terminated";
    ExpectThreadGone();
}

}  // namespace
}  // namespace quibac
