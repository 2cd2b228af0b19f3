// A month of show in virtual time, through the program as the control panel
// runs its preview: from the first of December to the first of January, the
// real show thread in the real saver window. The order of scenes is held
// against what the calendar's rules make of each day; the objects, memory
// blocks and resident memory against the first days', so that a leak of one
// object a cycle shows long before a user would notice it.
//
// Minutes long; built with the suites, run by tests/soak/run, not by CTest.
#include "host/host_fixture.h"
#include "soak/scene_log.h"
#include "soak/usage.h"

#include <posix_control.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace quibac {
namespace {

using testing::HostTest;
using testing::SceneLog;
using testing::SceneStart;

constexpr uint64_t kDayMs = 24ull * 3600 * 1000;
// December, then the first hours of January 1st.
constexpr int kDecemberDays = 31;
constexpr uint64_t kJanuaryMs = 2ull * 3600 * 1000;
constexpr uint64_t kRunMs = kDecemberDays * kDayMs + kJanuaryMs;
// A preview a little larger than the control panel's, so each tick draws a
// little more.
constexpr int kPreviewWidth = 160;
constexpr int kPreviewHeight = 120;
// The show has hung when virtual time stands still for this long.
constexpr auto kStallLimit = std::chrono::seconds(60);
// Resident memory may settle by this much between the first days and the
// last without being a leak (allocator caches, the loader's pages).
constexpr long kResidentSlackKb = 2048;
// More scenes than a month holds (about 270 000 in a preview).
constexpr size_t kSceneCapacity = 600000;

class MonthSoak : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        // Read on the show thread, which alone writes the show's state.
        posix::SetSleepHook([this](DWORD) {
            if (!OnShowThread()) return;
            // Hold the show until the window thread has named it, so that
            // not even the first walk goes unseen.
            const Show* show = nullptr;
            while ((show = show_.load()) == nullptr && !stop_.load())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (show == nullptr) return;
            const uint64_t at = posix::VirtualElapsed() - start_;
            if (log_.Observe(*show, at)) usage_.Sample(at / kDayMs);
        });
    }

    std::atomic<const Show*> show_{nullptr};
    std::atomic<bool> stop_{false};
    uint64_t start_ = 0;
    SceneLog log_{kSceneCapacity};  // the show thread's only
    testing::Usage usage_;          // the show thread's only
};

TEST_F(MonthSoak, FromTheFirstOfDecemberToNewYear) {
    HWND parent = posix::CreateTestWindow(100, 100, kPreviewWidth, kPreviewHeight);
    posix::SetLocalDateTime(2026, 12, 1, 0, 0, 0);
    start_ = posix::VirtualElapsed();

    bool stalled = false;
    uint64_t lastElapsed = 0;
    auto lastProgress = std::chrono::steady_clock::now();
    const auto began = lastProgress;
    WhilePreviewRuns(parent, [&](HWND preview) {
        if (show_.load() == nullptr) show_.store(&HostOf(preview)->SaverState->Animation);
        const uint64_t elapsed = posix::VirtualElapsed() - start_;
        const auto now = std::chrono::steady_clock::now();
        if (elapsed != lastElapsed) {
            lastElapsed = elapsed;
            lastProgress = now;
        }
        stalled = now - lastProgress > kStallLimit;
        if (elapsed >= kRunMs || stalled) {
            stop_.store(true);
            return ClosePreview(preview);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return true;
    });
    EXPECT_EQ(Run("quibac.scr /p " + HandleText(parent)), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    posix::DestroyTestWindow(parent);
    ASSERT_FALSE(stalled) << "virtual time stood still after " << lastElapsed << " ms: the show hung";
    RecordProperty("real_seconds", std::to_string(seconds));
    std::printf("31 days and %llu h of show in %.1f s of real time, %zu scenes\n",
                static_cast<unsigned long long>(kJanuaryMs / 3600000), seconds, log_.Scenes().size());

    const std::vector<SceneStart>& scenes = log_.Scenes();
    ASSERT_FALSE(log_.MissedAny()) << "a scene set-up went unseen, or the log filled";
    ASSERT_GT(scenes.size(), 1000u);
    testing::ExpectCalendarOrder(scenes, kDayMs);
    testing::ExpectSceneLengths(scenes);
    usage_.ExpectNoGrowth(kResidentSlackKb);

    ExpectNothingLeft();
}

}  // namespace
}  // namespace quibac
