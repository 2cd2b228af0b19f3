// Plays the saver's own embedded animations through its player, frame by
// frame, into a display of the canvas's size.
#pragma once

#include "display/display.h"
#include "flic/flic_player.h"
#include "show/date_band.h"
#include "show/playback.h"
#include "support/display_harness.h"
#include "support/platform_fixture.h"

#include <posix_control.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

namespace quibac::testing {

using Picture = std::vector<uint8_t>;  // 800 x 600 palette indices, top row first

inline std::vector<uint8_t> AssetBytes(const char* file) {
    std::ifstream in(std::filesystem::path(QUIBAC_SOURCE_DIR) / "assets" / file, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class EmbeddedAnimationTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        harness_ = std::make_unique<DisplayHarness>(0, 0, kCanvasWidth, kCanvasHeight, false);
        ASSERT_TRUE(harness_->ok());
        player_.Instance = posix::MainModule();
    }
    void TearDown() override {
        harness_.reset();
        PlatformTest::TearDown();
    }

    // Makes the named animation current and passes over its prefix item, as
    // the saver's callers do.
    void Start(const char* name) {
        ASSERT_TRUE(FlicLoad(player_, name)) << name;
        FlicRewind(player_);
        ASSERT_GT(Step(), 0u);
        ASSERT_EQ(player_.FrameCounter, 0);
    }
    // One step as the show takes it; returns how far it moved.
    uint32_t Step() {
        const uint32_t before = player_.FrameOffset;
        PlayNextFrame(player_, harness_->display(), band_);
        return player_.FrameOffset - before;
    }
    Picture Canvas() const {
        const Display& d = harness_->display();
        Picture out;
        out.reserve(size_t(kCanvasWidth) * kCanvasHeight);
        for (int32_t v = 0; v < kCanvasHeight; ++v) {
            const uint8_t* row = FrameRow(FrameOf(d), v);
            out.insert(out.end(), row, row + kCanvasWidth);
        }
        return out;
    }
    // Every stored frame, the ring frame included, as the player leaves it.
    std::vector<Picture> PlayAll(const char* name) {
        Start(name);
        std::vector<Picture> frames;
        while (Step() != 0) frames.push_back(Canvas());
        return frames;
    }

    std::unique_ptr<DisplayHarness> harness_;
    FlicPlayer player_;
    DateBand band_;
};

inline size_t CountDifferences(const Picture& a, const Picture& b) {
    size_t n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
    return n;
}

}  // namespace quibac::testing
