// What the show thread set up, one entry per scene, and the rules of the
// advent calendar that the order of those scenes must follow, stated on
// their own: what a day's scenes look like with doors open and with none,
// and when a change of date may show.
#pragma once

#include "show/show.h"

#include <cstdint>
#include <vector>

namespace quibac::testing {

struct SceneStart {
    int32_t number = 0;  // the show's count of set-ups, the first walk being 1
    Scene scene = Scene::Walk;
    int32_t dayCount = 0;  // doors open when it was set up
    int32_t showDay = 0;   // the door shown, for door scenes
    uint64_t at = 0;       // virtual ms since the run began
};

class SceneLog {
public:
    // The whole log is made resident at once, so that its filling up over
    // the run does not pass for the show's memory growing.
    explicit SceneLog(size_t capacity);
    // Looks at the show (on its own thread); returns whether a new scene
    // began since the last look.
    bool Observe(const Show& show, uint64_t at);
    const std::vector<SceneStart>& Scenes() const { return scenes_; }
    // Whether a set-up began and ended between two looks, or the log filled.
    bool MissedAny() const { return missed_; }

private:
    std::vector<SceneStart> scenes_;
    bool missed_ = false;
};

// The order of scenes from the first of December (at 0 ms) on, a day being
// dayMs long, against the calendar's rules.
void ExpectCalendarOrder(const std::vector<SceneStart>& scenes, uint64_t dayMs);
// Each scene runs at least its number of ticks and no scene runs for ever.
void ExpectSceneLengths(const std::vector<SceneStart>& scenes);

}  // namespace quibac::testing
