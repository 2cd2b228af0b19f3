#include "soak/scene_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace quibac::testing {

namespace {

constexpr int32_t kDoors = 25;
constexpr int32_t kDaysInDecember = 31;
constexpr uint64_t kTickMs = 120;
// Far longer than any scene's ticks and set-up: a scene this long has hung.
constexpr uint64_t kLongestSceneMs = 5 * 60 * 1000;

// One letter a scene, so that orders read as words.
char Letter(Scene scene) {
    switch (scene) {
    case Scene::Walk: return 'W';
    case Scene::Wink: return 'K';
    case Scene::Door: return 'D';
    case Scene::RandomDoor: return 'R';
    case Scene::Advert: return 'A';
    }
    return '?';
}

// With doors open the show repeats, after its first walk: today's door, a
// walk, a random door, a walk, today's door, the advert, a random door, a
// walk. Previews are too small for the winker, so every walk-or-wink walks.
constexpr char kOrderWithDoors[] = "DWRWDARW";
// With every door shut the advert and a walk take turns.
constexpr char kOrderWithoutDoors[] = "WA";
// The date is looked at once an order of eight, just before the scene at this
// place (the first random door), which is therefore the first to show a new
// day's count.
constexpr size_t kDayCheckPlace = 2;

// Open doors on the day that begins dayIndex days after December 1st.
int32_t OpenDoors(uint64_t dayIndex) {
    return dayIndex < uint64_t(kDaysInDecember) ? std::min(int32_t(dayIndex) + 1, kDoors) : 0;
}

}  // namespace

SceneLog::SceneLog(size_t capacity) {
    scenes_.resize(capacity);
    scenes_.clear();
}

bool SceneLog::Observe(const Show& show, uint64_t at) {
    const SequencerState& seq = show.Sequencer;
    const int32_t last = scenes_.empty() ? 0 : scenes_.back().number;
    if (seq.ScenesSetUp == last) {
        // The door is chosen during the set-up; keep what it settled on.
        if (!scenes_.empty()) scenes_.back().showDay = show.Door.ShowDay;
        return false;
    }
    if (seq.ScenesSetUp != last + 1) missed_ = true;
    if (scenes_.size() == scenes_.capacity()) {
        missed_ = true;
        return false;
    }
    scenes_.push_back({seq.ScenesSetUp, seq.CurrentScene, show.Calendar.DayCount, show.Door.ShowDay, at});
    return true;
}

void ExpectCalendarOrder(const std::vector<SceneStart>& scenes, uint64_t dayMs) {
    ASSERT_FALSE(scenes.empty());
    EXPECT_EQ(scenes[0].scene, Scene::Walk) << "the show begins with a walk, whatever the date";

    std::set<int32_t> counts, randomDoorsOfTheLastDay;
    size_t firstShut = 0;      // the first scene with every door shut, 0 for none yet
    size_t firstOfTheDay = 0;  // the first scene of the day the scene lies in
    int failures = 0;          // stop after a few: one fault repeats all month
    for (size_t i = 0; i < scenes.size() && failures < 5; ++i) {
        const SceneStart& s = scenes[i];
        const uint64_t day = s.at / dayMs;
        if (i > 0 && day != scenes[i - 1].at / dayMs) firstOfTheDay = i;
        const char letter = Letter(s.scene);
        const std::string where = "scene " + std::to_string(s.number) + " ('" + letter + "') on day " +
                                  std::to_string(day + 1) + " at " + std::to_string(s.at) + " ms";
        counts.insert(s.dayCount);

        // The count of open doors is today's, or yesterday's until the first
        // date check of the day.
        const bool today = s.dayCount == OpenDoors(day);
        const bool yesterday = day > 0 && s.dayCount == OpenDoors(day - 1) && i - firstOfTheDay < 8;
        if (!today && !yesterday) ++failures, ADD_FAILURE() << where << ": " << s.dayCount << " doors open";

        // A new count shows first at the date check's place.
        if (i > 0 && s.dayCount != scenes[i - 1].dayCount && (i - 1) % 8 != kDayCheckPlace)
            ++failures, ADD_FAILURE() << where << ": the count of doors changed away from the date check";

        if (s.dayCount != 0 && firstShut == 0) {
            if (i > 0 && letter != kOrderWithDoors[(i - 1) % 8])
                ++failures, ADD_FAILURE()
                                << where << ": with doors open, expected '" << kOrderWithDoors[(i - 1) % 8] << "'";
        } else {
            if (firstShut == 0) firstShut = i;
            if (s.dayCount != 0) ++failures, ADD_FAILURE() << where << ": doors opened again";
            if (letter != kOrderWithoutDoors[(i - firstShut) % 2])
                ++failures, ADD_FAILURE() << where << ": with every door shut, expected '"
                                          << kOrderWithoutDoors[(i - firstShut) % 2] << "'";
        }

        if (s.scene == Scene::Door && s.showDay != s.dayCount)
            ++failures, ADD_FAILURE() << where << ": today's door shows day " << s.showDay;
        if (s.scene == Scene::RandomDoor && (s.showDay < 1 || s.showDay > s.dayCount))
            ++failures, ADD_FAILURE() << where << ": a random door shows day " << s.showDay;
        if (s.scene == Scene::RandomDoor && day == uint64_t(kDaysInDecember) - 1)
            randomDoorsOfTheLastDay.insert(s.showDay);
    }
    for (int32_t count = 0; count <= kDoors; ++count)
        EXPECT_TRUE(counts.count(count)) << "no scene with " << count << " doors open";
    EXPECT_EQ(randomDoorsOfTheLastDay.size(), size_t(kDoors)) << "random doors on the 31st reach every day";
    EXPECT_GT(firstShut, 0u) << "the doors shut in January";
}

void ExpectSceneLengths(const std::vector<SceneStart>& scenes) {
    // A scene's set-up falls within the last tick of the one before, so a
    // scene of n ticks lasts at least n - 1 whole ticks.
    auto shortest = [](Scene scene) -> uint64_t {
        switch (scene) {
        case Scene::Door:
        case Scene::RandomDoor: return (kDoorSceneTicks - 1) * kTickMs;
        case Scene::Wink: return (kWinkSceneTicks - 1) * kTickMs;
        case Scene::Advert: return (kAdvertSceneTicks - 1) * kTickMs;
        case Scene::Walk: return kTickMs;
        }
        return 0;
    };
    int failures = 0;
    for (size_t i = 0; i + 1 < scenes.size() && failures < 5; ++i) {
        const uint64_t length = scenes[i + 1].at - scenes[i].at;
        if (length < shortest(scenes[i].scene) || length > kLongestSceneMs)
            ++failures, ADD_FAILURE() << "scene " << scenes[i].number << " ('" << Letter(scenes[i].scene)
                                      << "') lasted " << length << " ms";
    }
}

}  // namespace quibac::testing
