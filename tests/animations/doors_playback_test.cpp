// The door pictures as the saver plays them, every frame a delta from the one
// before: a new picture behind each door, loops that run smoothly round,
// day 18's story held at its end, and FFmpeg reading both files as we do.
#include "embedded_player.h"

#include "show/calendar.h"
#include "support/ffmpeg_decode.h"
#include "support/run_program.h"

#include <gtest/gtest.h>

#include <string>

namespace quibac {
namespace {

using testing::CountDifferences;
using testing::Picture;

constexpr size_t kCanvasPixels = size_t(kCanvasWidth) * kCanvasHeight;
constexpr size_t kStoredAdventFrames = 87;  // 86 and the ring frame

class DoorPlayback : public testing::EmbeddedAnimationTest {
protected:
    void SetUp() override {
        EmbeddedAnimationTest::SetUp();
        frames_ = PlayAll("ADVENTFLIC");
        ASSERT_EQ(frames_.size(), kStoredAdventFrames);
    }
    const Picture& At(int frame) const { return frames_.at(size_t(frame)); }

    std::vector<Picture> frames_;
    const DoorTableType table_ = InitialDoorTable();
};

TEST_F(DoorPlayback, EveryDoorOpensOnAPictureOfItsOwn) {
    for (int day = 2; day <= kDoorDays; ++day) {
        const size_t changed =
            CountDifferences(At(table_[size_t(day)].StartFrame), At(table_[size_t(day - 1)].StartFrame));
        // A different motif, not the same picture touched up.
        EXPECT_GT(changed, kCanvasPixels / 4) << "day " << day << " against day " << day - 1;
    }
}

TEST_F(DoorPlayback, LoopingDaysMoveSmoothlyRoundTheirCycle) {
    for (int day = 1; day <= kDoorDays; ++day) {
        const DoorDay& d = table_[size_t(day)];
        if (!d.Loops) continue;
        SCOPED_TRACE("day " + std::to_string(day));
        const int first = d.StartFrame, last = d.StartFrame + d.FrameCount - 1;
        size_t largest = 0;
        for (int f = first + 1; f <= last; ++f) {
            const size_t step = CountDifferences(At(f - 1), At(f));
            EXPECT_GT(step, 0u) << "frame " << f << " moves";
            // Changes over one picture, not a new picture (a new door changes
            // well over half of the canvas).
            EXPECT_LT(step, kCanvasPixels / 5) << "frame " << f;
            EXPECT_LT(CountDifferences(At(first), At(f)), kCanvasPixels / 4) << "frame " << f;
            if (f > first + 1) largest = std::max(largest, step);
        }
        // The player goes from the last frame back to the second: that step
        // is one more step of the cycle, no larger than the others.
        const size_t wrap = CountDifferences(At(last), At(first + 1));
        EXPECT_GT(wrap, 0u);
        EXPECT_LE(wrap, largest * 3 / 2 + 64) << "jump from frame " << last << " back to frame " << first + 1;
    }
}

// The door table against the art it plays: a day's frames run from a new
// picture to the frame before the next new picture, and a looping day's last
// picture is its first again, because the player goes on from it to the
// second frame, whose delta was made against the first.
TEST_F(DoorPlayback, DoorTableMatchesTheArt) {
    // A new door changes nearly every pixel; a frame within a day changes what
    // moves, never near half of the canvas (day 18's burst, the most, a sixth).
    const auto newPicture = [&](int frame) { return CountDifferences(At(frame - 1), At(frame)) > kCanvasPixels / 2; };
    for (int day = 1; day <= kDoorDays; ++day) {
        const DoorDay& d = table_[size_t(day)];
        const int first = d.StartFrame, last = d.StartFrame + d.FrameCount - 1;
        SCOPED_TRACE("day " + std::to_string(day) + ", frames " + std::to_string(first) + ".." + std::to_string(last));
        ASSERT_TRUE(first >= 0 && first <= last && last + 1 < int(frames_.size()));
        if (first > 0) {
            EXPECT_TRUE(newPicture(first)) << "the day opens on a new picture";
        }
        for (int f = first + 1; f <= last; ++f) EXPECT_FALSE(newPicture(f)) << "frame " << f << " is still the day's";
        EXPECT_TRUE(newPicture(last + 1)) << "the next frame is another day's (or the ring frame's) picture";
        if (d.Loops) {
            EXPECT_GE(d.FrameCount, 2) << "a loop goes back to a second frame";
            EXPECT_TRUE(At(last) == At(first)) << "the loop's last picture is its first";
        } else if (d.FrameCount > 1) {
            EXPECT_FALSE(At(last) == At(first)) << "a day that does not loop ends elsewhere";
        }
    }
}

TEST_F(DoorPlayback, DayEighteenTellsItsStoryAndHoldsItsEnd) {
    const DoorDay& d = table_[18];
    ASSERT_FALSE(d.Loops);
    for (int f = d.StartFrame + 1; f <= 56; ++f) EXPECT_GT(CountDifferences(At(f - 1), At(f)), 0u) << "frame " << f;
    for (int f : {57, 58, 59}) EXPECT_TRUE(At(f) == At(56)) << "frame " << f << " holds the picture";
    EXPECT_GT(CountDifferences(At(59), At(60)), 0u) << "the story's last picture";
    EXPECT_EQ(d.StartFrame + d.FrameCount - 1, 60);
}

TEST_F(DoorPlayback, RingFrameReturnsToTheFirstPicture) { EXPECT_TRUE(At(86) == At(0)); }

TEST_F(DoorPlayback, FfmpegDecodesEveryFrameAsThePlayerDoes) {
    const testing::FfmpegDecoding decoded = testing::DecodeWithFfmpeg(testing::AssetBytes("adventflic.flc"), 800, 600);
    ASSERT_TRUE(decoded.Ok) << decoded.Error;
    ASSERT_EQ(decoded.Frames.size(), frames_.size());
    for (size_t f = 0; f < frames_.size(); ++f) EXPECT_TRUE(decoded.Frames[f].Indices == frames_[f]) << "frame " << f;
}

// FFmpeg's own account of reading a file: what it prints at warning level.
std::string FfmpegWarnings(const char* file) {
    const std::string path = std::string(QUIBAC_SOURCE_DIR) + "/assets/" + file;
    const testing::ProgramRun ffmpeg =
        testing::RunProgram({"ffmpeg", "-nostdin", "-hide_banner", "-v", "warning", "-i", path, "-f", "null", "-"});
    if (ffmpeg.exitCode != 0) return ffmpeg.errors + "ffmpeg exited with " + std::to_string(ffmpeg.exitCode);
    return ffmpeg.output + ffmpeg.errors;
}

TEST(AnimationFfmpeg, ReadsBothFilesWithoutAWarning) {
    EXPECT_EQ(FfmpegWarnings("datesflic.flc"), "");
    EXPECT_EQ(FfmpegWarnings("adventflic.flc"), "");
}

}  // namespace
}  // namespace quibac
