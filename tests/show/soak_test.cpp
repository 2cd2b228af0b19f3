// Three simulated days of show, in virtual time: across Christmas Eve,
// Christmas Day, the days after it and New Year, with both millisecond
// counters wrapping on the way.
#include "display/pacing.h"
#include "show/sequencer.h"
#include "support/show_fixture.h"

#include <mmsystem.h>

#include <array>
#include <set>

namespace quibac {
namespace {

using testing::ShowTest;

// The scene cycle: for each step, the scenes its choice may set up (with
// doors open, then without) and the step that follows.
struct Step {
    std::set<Scene> withDoors;
    int32_t nextWithDoors;
    std::set<Scene> withoutDoors;
    int32_t nextWithoutDoors;
};
const std::set<Scene> kWalkOrWink{Scene::Walk, Scene::Wink};
const std::array<Step, 8> kCycle{{
    {kWalkOrWink, 1, kWalkOrWink, 1},
    {{Scene::Door}, 2, {Scene::Advert}, 3},
    {kWalkOrWink, 3, kWalkOrWink, 3},
    {{Scene::RandomDoor}, 4, kWalkOrWink, 5},
    {kWalkOrWink, 5, kWalkOrWink, 5},
    {{Scene::Door}, 6, {Scene::Advert}, 7},
    {{Scene::Advert}, 7, {Scene::Advert}, 7},
    {{Scene::RandomDoor}, 0, kWalkOrWink, 1},
}};

class SoakTest : public ShowTest {
protected:
    // Runs the show's loop (tick, then wait out 120 ms) until the virtual
    // clock reaches `until`, checking every scene change against the cycle.
    void RunUntil(Show& show, uint64_t until) {
        while (posix::VirtualElapsed() < until) {
            const int32_t step = show.Sequencer.CycleStep;
            const int32_t scenes = show.Sequencer.ScenesSetUp;
            const DWORD start = timeGetTime();
            ShowTick(show);
            WaitSince(start, kTickLength);
            ++ticks_;
            if (show.Sequencer.ScenesSetUp == scenes) continue;
            const bool doors = show.Calendar.DayCount != 0;
            const Step& row = kCycle[size_t(step)];
            ASSERT_TRUE((doors ? row.withDoors : row.withoutDoors).count(show.Sequencer.CurrentScene))
                << "step " << step << " set up scene " << int(show.Sequencer.CurrentScene);
            ASSERT_EQ(show.Sequencer.CycleStep, doors ? row.nextWithDoors : row.nextWithoutDoors);
            daysSeen_.insert(show.Calendar.DayCount);
            scenesSeen_.insert(show.Sequencer.CurrentScene);
        }
    }

    uint64_t ticks_ = 0;
    std::set<int32_t> daysSeen_;
    std::set<Scene> scenesSeen_;
};

constexpr uint64_t kHour = 3600u * 1000u;

TEST_F(SoakTest, SeventyTwoHoursAcrossChristmasAndNewYear) {
#if defined(__SANITIZE_ADDRESS__)
    // About a minute in the plain build and far longer sanitized; the
    // sanitized suite runs full cycles at every output size instead.
    GTEST_SKIP() << "runs in the plain build";
#endif
    UseScreen(320, 240);
    Show& show = Make(320, 240, true).show();
    posix::SetLocalDateTime(2026, 12, 23, 23, 0, 0);
    posix::SetMillisecondClocks(0xFFFFFFFFu - 30000u, 0xFFFFFFFFu - 10000u);
    ShowStart(show);

    RunUntil(show, posix::VirtualElapsed() + 10 * 60 * 1000);  // the first cycles
    ASSERT_FALSE(HasFatalFailure());
    const int gdi = posix::LiveGdiObjects();
    const int blocks = posix::LiveMemoryBlocks();

    RunUntil(show, 60 * kHour);  // to the 26th, 11:00
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(daysSeen_.count(23) && daysSeen_.count(24) && daysSeen_.count(25)) << "doors of the 23rd to the 25th";
    posix::SetLocalDateTime(2026, 12, 31, 23, 0, 0);
    RunUntil(show, 72 * kHour);  // across New Year
    ASSERT_FALSE(HasFatalFailure());

    EXPECT_TRUE(daysSeen_.count(0)) << "the doors closed in January";
    // 240 rows cannot hold the winker, so every wink is a walk.
    EXPECT_EQ(scenesSeen_, (std::set<Scene>{Scene::Walk, Scene::Door, Scene::RandomDoor, Scene::Advert}));
    EXPECT_GT(ticks_, 72 * kHour / 120 / 2) << "ticks kept coming";
    EXPECT_EQ(posix::LiveGdiObjects(), gdi);
    EXPECT_EQ(posix::LiveMemoryBlocks(), blocks);
}

}  // namespace
}  // namespace quibac
