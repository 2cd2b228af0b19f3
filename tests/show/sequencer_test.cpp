// The show's scene cycle, scene lengths, daily check and thread life, driven
// tick by tick in virtual time.
#include "display/reveal.h"
#include "show/placement.h"
#include "show/sequencer.h"
#include "support/show_fixture.h"

#include <mmsystem.h>
#include <posix_windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <thread>
#include <string>
#include <vector>

namespace quibac {
namespace {

using testing::ShowTest;

struct SceneRun {
    Scene scene;
    int32_t ticks;
};

class SequencerTest : public ShowTest {
protected:
    Show& StartOn(int month, int day, int width = 800, int height = 600, bool stretch = false) {
        Show& show = Make(width, height, stretch).show();
        posix::SetLocalDateTime(month == 1 ? 2027 : 2026, month, day);
        ShowStart(show);
        return show;
    }

    // Ticks until `count` more scenes have been set up; returns each scene
    // that ran (including the current one) with the ticks it lasted.
    static std::vector<SceneRun> RunScenes(Show& show, int count, int maxTicks = 100000) {
        std::vector<SceneRun> runs{{show.Sequencer.CurrentScene, 0}};
        const int32_t target = show.Sequencer.ScenesSetUp + count;
        for (int t = 0; t < maxTicks && show.Sequencer.ScenesSetUp < target; ++t) {
            const int32_t before = show.Sequencer.ScenesSetUp;
            ShowTick(show);
            runs.back().ticks++;
            if (show.Sequencer.ScenesSetUp != before) runs.push_back({show.Sequencer.CurrentScene, 0});
        }
        return runs;
    }

    // The scenes as letters: W walk, D today's door, R random door, K wink, A advert.
    static std::string Letters(const std::vector<SceneRun>& runs) {
        static const char kLetters[] = "WDRKA";
        std::string s;
        for (const SceneRun& r : runs) s += kLetters[size_t(r.scene)];
        return s;
    }

    // Walk-or-wink positions may hold either; '?' in the pattern matches W or K.
    static bool Matches(const std::string& scenes, const std::string& pattern) {
        if (scenes.size() < pattern.size()) return false;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (pattern[i] == '?' ? (scenes[i] != 'W' && scenes[i] != 'K') : scenes[i] != pattern[i]) return false;
        }
        return true;
    }
};

TEST_F(SequencerTest, DecemberCycleOfEight) {
    Show& show = StartOn(12, 24);
    const std::string scenes = Letters(RunScenes(show, 17));
    EXPECT_TRUE(Matches(scenes, "WD?R?DAR?D?R?DAR?")) << scenes;
    EXPECT_NE(scenes.find('K'), std::string::npos) << "some walk-or-wink turned out a wink: " << scenes;
}

TEST_F(SequencerTest, WithoutOpenDoorsAdvertAndWalkOrWinkAlternate) {
    Show& show = StartOn(11, 30);
    const std::string scenes = Letters(RunScenes(show, 12));
    EXPECT_TRUE(Matches(scenes, "WA?A?A?A?A?A?")) << scenes;
}

TEST_F(SequencerTest, SmallScreenWalksInsteadOfWinking) {
    UseScreen(400, 300);
    Show& show = StartOn(12, 24, 152, 112);
    const std::string scenes = Letters(RunScenes(show, 17));
    EXPECT_TRUE(Matches(scenes, "WD?R?DAR?D?R?DAR?")) << scenes;
    EXPECT_EQ(scenes.find('K'), std::string::npos) << scenes;
}

TEST_F(SequencerTest, SceneLengthsInTicks) {
    Show& show = StartOn(12, 24);
    std::map<Scene, std::vector<int>> lengths;
    for (const SceneRun& r : RunScenes(show, 24))
        if (r.ticks > 0) lengths[r.scene].push_back(r.ticks);
    for (int door : lengths[Scene::Door]) EXPECT_EQ(door, 82);
    for (int door : lengths[Scene::RandomDoor]) EXPECT_EQ(door, 82);
    for (int wink : lengths[Scene::Wink]) EXPECT_EQ(wink, 100);
    for (int advert : lengths[Scene::Advert]) EXPECT_EQ(advert, 162);
    EXPECT_FALSE(lengths[Scene::Advert].empty());
    EXPECT_FALSE(lengths[Scene::Door].empty());
}

TEST_F(SequencerTest, WalksLastUntilTheWalkerIsWellOffScreen) {
    Show& show = StartOn(11, 30);
    // The first walk enters from the left, one step in at its first tick.
    const int32_t w = WalkerWidth(show.Sprites.Scale);
    EXPECT_EQ(show.Sprites.X, -w);
    EXPECT_EQ(show.Sprites.WalkDirection, 1);
    ShowTick(show);
    EXPECT_EQ(show.Sprites.X, -w + WalkerStep(show.Sprites.Scale));
    const int32_t first = show.Sequencer.ScenesSetUp;
    while (show.Sequencer.ScenesSetUp == first) ShowTick(show);

    std::map<std::pair<float, int32_t>, std::vector<int>> walks;  // (scale, direction) -> lengths
    for (int i = 0; i < 60; ++i) {
        while (show.Sequencer.CurrentScene != Scene::Walk) ShowTick(show);
        const float scale = show.Sprites.Scale;
        const int32_t direction = show.Sprites.WalkDirection;
        const int32_t before = show.Sequencer.ScenesSetUp;
        int ticks = 0;
        while (show.Sequencer.ScenesSetUp == before) {
            ShowTick(show);
            ++ticks;
        }
        walks[{scale, direction}].push_back(ticks);
    }
    for (const auto& [key, lengths] : walks) {
        const int32_t step = WalkerStep(key.first), width = WalkerWidth(key.first);
        int expected = 1;
        while (expected * step <= 800 + 64 + width) ++expected;
        for (int n : lengths) EXPECT_EQ(n, expected) << "scale " << key.first << " direction " << key.second;
    }
    using Key = std::pair<float, int32_t>;
    const Key rightFull{1.0f, 1}, leftFull{1.0f, -1}, rightQuarter{0.25f, 1}, leftQuarter{0.25f, -1};
    ASSERT_TRUE(walks.count(rightFull) && walks.count(leftFull)) << "both directions at full size";
    EXPECT_EQ(walks[rightFull].front(), 36);
    EXPECT_EQ(walks[leftFull].front(), 36);
    if (walks.count(rightQuarter)) {
        EXPECT_EQ(walks[rightQuarter].front(), 117);
    }
    if (walks.count(leftQuarter)) {
        EXPECT_EQ(walks[leftQuarter].front(), 117);
    }
}

TEST_F(SequencerTest, DateChangeIsNoticedOnlyAtTheDailyCheck) {
    Show& show = StartOn(12, 24);
    RunScenes(show, 1);  // today's door (step 1) is set up
    ASSERT_EQ(show.Sequencer.CurrentScene, Scene::Door);
    posix::SetLocalDateTime(2027, 1, 1);
    const std::string after = Letters(RunScenes(show, 6));
    EXPECT_EQ(show.Calendar.DayCount, 0);
    // door, walk-or-wink (step 2), walk-or-wink after the check, advert, ...
    EXPECT_TRUE(Matches(after, "D??A?A")) << after;

    Show& off = StartOn(11, 30);
    RunScenes(off, 1);  // the advert of step 1
    ASSERT_EQ(off.Sequencer.CurrentScene, Scene::Advert);
    posix::SetLocalDateTime(2026, 12, 1);
    const std::string turnedOn = Letters(RunScenes(off, 3));
    EXPECT_TRUE(Matches(turnedOn, "AR?D")) << "a random door right after the check: " << turnedOn;
    EXPECT_EQ(off.Door.ShowDay, 1);
}

TEST_F(SequencerTest, WinkInProgressCarriesIntoTheNextWinkScene) {
    Show& show = StartOn(12, 24);
    show.Sequencer.Blinking = true;
    show.Sprites.Frame = 4;
    SetUpScene(show, Scene::Wink);
    EXPECT_EQ(show.Sprites.Frame, 0);
    EXPECT_TRUE(show.Sequencer.Blinking);
    WinkTick(show);
    EXPECT_EQ(show.Sprites.Frame, 1);
    for (int f = 2; f <= 6; ++f) {
        WinkTick(show);
        EXPECT_EQ(show.Sprites.Frame, f);
    }
    WinkTick(show);
    EXPECT_EQ(show.Sprites.Frame, 0);
    EXPECT_FALSE(show.Sequencer.Blinking);
}

TEST_F(SequencerTest, ClearedRunFlagBeforeTheStartEndsTheThreadAtItsFirstWait) {
    testing::ShowHarness& h = Make();
    posix::SetLocalDateTime(2026, 12, 24);
    h.show().ShowRunning = false;
    const uint64_t before = posix::VirtualElapsed();
    EXPECT_EQ(ShowThread(&h.show()), 0u);
    EXPECT_EQ(h.show().Sequencer.ScenesSetUp, 1) << "the first walk was set up";
    EXPECT_LE(posix::VirtualElapsed() - before, kRevealStepMs) << "and its reveal stopped at the first step";
    EXPECT_EQ(h.show().Calendar.DayCount, 24);
}

TEST_F(SequencerTest, TicksStartAtLeast120MsApart) {
    Show& show = Make().show();
    posix::SetLocalDateTime(2026, 12, 24);
    // In virtual time a tick's work takes no time, so each tick's wait begins
    // with one long sleep at the tick's start.
    std::vector<DWORD> tickStarts;
    posix::SetSleepHook([&](DWORD ms) {
        if (ms > kRevealStepMs) tickStarts.push_back(timeGetTime());
        if (show.Sequencer.ScenesSetUp > 3) show.ShowRunning = false;
    });
    ShowThread(&show);
    posix::SetSleepHook(nullptr);
    ASSERT_GT(tickStarts.size(), size_t(kDoorSceneTicks));
    for (size_t i = 1; i < tickStarts.size(); ++i) EXPECT_GE(tickStarts[i] - tickStarts[i - 1], kTickLength) << i;
}

TEST_F(SequencerTest, ThreadStopsWhenTheWindowsThreadClearsTheFlag) {
    testing::ShowHarness& h = Make();
    posix::SetLocalDateTime(2026, 12, 24);
    std::atomic<int32_t> scenes{0};
    Show& show = h.show();
    // Read on the show thread itself, which alone writes the scene count.
    posix::SetSleepHook([&](DWORD) { scenes.store(show.Sequencer.ScenesSetUp); });
    h.StartThread();
    for (int i = 0; i < 100000 && scenes.load() < 3; ++i) std::this_thread::sleep_for(std::chrono::microseconds(100));
    h.Stop();  // joins: a thread that ignored the flag would hang here
    posix::SetSleepHook(nullptr);
    EXPECT_GE(show.Sequencer.ScenesSetUp, 3);
}

// Stops at moments spread over a whole December cycle: in the middle of each
// kind of the thread's sleeps (tick waits and reveal steps of every kind of
// scene) and, with screenChanges, right after it has drawn into the window
// too (mid-tick, mid-reveal step). stop is called on the show thread at the
// chosen moment; check sees what came after it.
struct StopMoments {
    int sleepsAfter = 0;      // sleeps begun after the stop
    uint64_t clockAfter = 0;  // virtual milliseconds that passed after the stop
    std::set<Scene> revealsStopped;
    int tickWaitsStopped = 0;
    int drawsStopped = 0;
};

class StopTest : public SequencerTest {
protected:
    static constexpr int kWidth = 320, kHeight = 390;  // the smallest output that winks
    static constexpr int kMoments = 50;
    static constexpr int kCycleScenes = 9;

    // With withEvent, the show has a stop event of its own, which the saver
    // closes with the rest.
    Show& StartShow(bool withEvent) {
        Show& show = Make(kWidth, kHeight, true).show();
        if (withEvent) show.StopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        EXPECT_EQ(show.StopEvent != nullptr, withEvent);
        posix::SetLocalDateTime(2026, 12, 24);
        posix::SetMillisecondClocks(0, 0);  // the same seed, so the same scenes, every time
        return show;
    }

    // Runs the thread once per moment, with a stop event or without;
    // stop(show) stops it at the moment.
    template <typename Stop>
    void StopAtMoments(bool withEvent, bool atDraws, Stop stop,
                       const std::function<void(const StopMoments&, int)>& check) {
        UseScreen(kWidth, kHeight);
        int cycleMoments = 0;
        // A moment amid each kind of scene's reveal steps: spread moments
        // alone can miss a short reveal when draws count as moments too.
        std::map<Scene, int> revealMoments;
        {
            Show& show = StartShow(withEvent);
            DWORD previous = 0;
            auto count = [&](bool sleeping, DWORD ms) {
                ++cycleMoments;
                cycleScenes_.insert(show.Sequencer.CurrentScene);
                if (sleeping && ms == 1 && previous == 1)
                    revealMoments.emplace(show.Sequencer.CurrentScene, cycleMoments);
                if (sleeping) previous = ms;
                if (show.Sequencer.ScenesSetUp > kCycleScenes) show.ShowRunning = false;
            };
            posix::SetSleepHook([&](DWORD ms) { count(true, ms); });
            if (atDraws) posix::SetScreenChangeHook([&] { count(false, 0); });
            ShowThread(&show);
        }
        ASSERT_GT(cycleMoments, kMoments);
        std::mt19937 random(2026);
        std::vector<int> stopMoments;
        for (int i = 0; i < kMoments; ++i)
            stopMoments.push_back(cycleMoments * i / kMoments + int(random() % uint32_t(cycleMoments / kMoments)) + 1);
        for (const auto& [scene, moment] : revealMoments) stopMoments.push_back(moment);
        for (const int stopAt : stopMoments) {
            Show& show = StartShow(withEvent);
            int moments = 0;
            DWORD previous = 0;
            bool stopped = false;
            uint64_t stoppedAt = 0;
            StopMoments seen;
            auto at = [&](bool sleeping, DWORD ms) {
                if (++moments == stopAt) {
                    stopped = true;
                    stoppedAt = posix::VirtualElapsed();
                    stop(show);
                    if (!sleeping) ++seen.drawsStopped;
                    if (sleeping && ms > kRevealStepMs) ++seen.tickWaitsStopped;
                    if (sleeping && ms == 1 && previous == 1) seen.revealsStopped.insert(show.Sequencer.CurrentScene);
                } else if (stopped && sleeping) {
                    ++seen.sleepsAfter;
                }
                if (sleeping) previous = ms;
            };
            posix::SetSleepHook([&](DWORD ms) { at(true, ms); });
            if (atDraws) posix::SetScreenChangeHook([&] { at(false, 0); });
            EXPECT_EQ(ShowThread(&show), 0u);
            posix::SetSleepHook(nullptr);
            posix::SetScreenChangeHook(nullptr);
            seen.clockAfter = posix::VirtualElapsed() - stoppedAt;
            ASSERT_TRUE(stopped) << "moment " << stopAt << " of " << cycleMoments;
            check(seen, stopAt);
            totals_.tickWaitsStopped += seen.tickWaitsStopped;
            totals_.drawsStopped += seen.drawsStopped;
            totals_.revealsStopped.insert(seen.revealsStopped.begin(), seen.revealsStopped.end());
        }
    }

    std::set<Scene> cycleScenes_;
    StopMoments totals_;
};

TEST_F(StopTest, AClearedRunFlagAloneEndsTheThreadWithinOneSleep) {
    StopAtMoments(
        false, false, [](Show& show) { show.ShowRunning = false; },
        [](const StopMoments& seen, int at) { EXPECT_EQ(seen.sleepsAfter, 0) << "cleared during sleep " << at; });
    EXPECT_GT(totals_.tickWaitsStopped, 0);
    EXPECT_EQ(totals_.revealsStopped, cycleScenes_) << "a stop in the reveal of every kind of scene";
}

// The window's thread stops the show with the stop event as well: the wait in
// progress ends at once, so the clock never moves on after the stop.
TEST_F(StopTest, AStopAtAnyMomentEndsTheThreadWithoutTheClockMovingOn) {
    StopAtMoments(true, true, StopShow, [](const StopMoments& seen, int at) {
        EXPECT_EQ(seen.clockAfter, 0u) << "stopped at moment " << at;
        EXPECT_EQ(seen.sleepsAfter, 0) << "stopped at moment " << at;
    });
    EXPECT_GT(totals_.tickWaitsStopped, 0);
    EXPECT_GT(totals_.drawsStopped, 0);
    EXPECT_EQ(totals_.revealsStopped, cycleScenes_) << "a stop in the reveal of every kind of scene";
}

class SmallAndOddOutputs : public SequencerTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(SmallAndOddOutputs, RunAFullCycle) {
    const auto [width, height] = GetParam();
    UseScreen(std::max(width, 1024), std::max(height, 768));
    Show& show = StartOn(12, 24, width, height, true);
    const std::vector<SceneRun> runs = RunScenes(show, 9);
    EXPECT_EQ(show.Sequencer.ScenesSetUp, 10) << "every scene ended";
    EXPECT_TRUE(Matches(Letters(runs), "WD?R?DAR?D")) << Letters(runs);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SmallAndOddOutputs,
                         ::testing::Values(std::pair{152, 112}, std::pair{320, 240}, std::pair{640, 480},
                                           std::pair{1366, 768}, std::pair{3840, 2160}, std::pair{500, 120},
                                           std::pair{319, 40}, std::pair{60, 45}));

}  // namespace
}  // namespace quibac
