// The frame walker: what one step passes over, counts and returns, and how
// the walk ends, for well-formed animations and for damaged ones.
#include "flic_fixture.h"
#include "support/flc_layout.h"
#include "support/flc_samples.h"

#include <posix_control.h>

#include <random>

namespace quibac {
namespace {

using testing::FlcOf;
using testing::FrameOf;
using testing::ReadFlcLayout;

class FlicWalker : public testing::FlicTest {};

flc::Animation Sample(int frames) { return testing::SceneAnimation(800, 600, frames); }

bool Traced() { return posix::DebugOutput().find("Header addr.") != std::string::npos; }

TEST_F(FlicWalker, PrefixItemPassesOverWithoutCounting) {
    const flc::Bytes file = flc::EncodeFlc(Sample(2));
    Load(file);
    const auto before = Frame();
    posix::ClearDebugOutput();
    FlicAdvance why = FlicAdvance::End;
    EXPECT_EQ(FlicStep(player_, 128, &why), 16u);
    EXPECT_EQ(why, FlicAdvance::Item);
    EXPECT_EQ(player_.FrameCounter, 0);
    EXPECT_FALSE(Traced());
    EXPECT_EQ(Frame(), before);
}

TEST_F(FlicWalker, FramesWithNoChunksCount) {
    const flc::Bytes file = FlcOf(8, 8, {flc::MakeFrame({}), flc::MakeFrame({}), flc::MakeFrame({})});
    Load(file);
    EXPECT_EQ(Step(), 16u);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(Step(), 16u);
        EXPECT_EQ(lastAdvance_, FlicAdvance::Frame);
        EXPECT_EQ(player_.FrameCounter, k);
    }
    EXPECT_EQ(Advance(), FlicAdvance::End);
}

TEST_F(FlicWalker, ReachingTheEndTakesAStepPerItem) {
    const flc::Bytes file = flc::EncodeFlc(Sample(5));
    Load(file);
    // The prefix item, frames 0 to 4 and the ring frame.
    EXPECT_EQ(StepToEnd(), 1 + 6);
    EXPECT_EQ(player_.FrameOffset, file.size());
    EXPECT_EQ(player_.FrameCounter, 6);
    EXPECT_EQ(Step(), 0u);
    EXPECT_EQ(player_.FrameCounter, 6);
}

TEST_F(FlicWalker, StepsAtOrPastTheSizeReturnZero) {
    flc::Bytes file = flc::EncodeFlc(Sample(3));
    const auto items = ReadFlcLayout(file);
    // Shorten the stated size to the start of frame 2: the frames behind it
    // are still in the bytes, but the walk ends there.
    const uint32_t cut = items[3].Offset;
    flc::PatchU32(file, 0, cut);
    Load(file);
    posix::ClearDebugOutput();
    EXPECT_EQ(FlicStep(player_, cut), 0u);
    EXPECT_EQ(FlicStep(player_, cut + 1), 0u);
    EXPECT_EQ(FlicStep(player_, 0xFFFFFFFFu), 0u);
    EXPECT_EQ(player_.FrameCounter, 0);
    EXPECT_FALSE(Traced());
    EXPECT_EQ(StepToEnd(), 3);
    EXPECT_EQ(player_.FrameOffset, cut);
}

TEST_F(FlicWalker, NothingLoadedNothingWalked) {
    for (uint32_t offset : {0u, 128u, 1000u}) EXPECT_EQ(FlicStep(player_, offset), 0u);
    EXPECT_EQ(player_.FrameCounter, 0);
}

TEST_F(FlicWalker, ReloadingGivesTheSameBytes) {
    const flc::Bytes file = flc::EncodeFlc(Sample(4));
    Load(file, "DATESFLIC");
    StepToEnd();
    ASSERT_TRUE(FlicLoad(player_, "datesflic")) << "names are found whatever their case";
    ASSERT_EQ(player_.Data.size(), file.size());
    EXPECT_TRUE(std::equal(file.begin(), file.end(), player_.Data.data()));
    EXPECT_EQ(player_.FrameOffset, file.size()) << "loading does not rewind";
}

TEST_F(FlicWalker, AMissingNameIsReportedAndChangesNothing) {
    Load(flc::EncodeFlc(Sample(2)), "DATESFLIC");
    const ByteView before = player_.Data;
    const HGLOBAL handle = player_.Resource;
    posix::ClearDebugOutput();
    EXPECT_FALSE(FlicLoad(player_, "ADVENTFLIC"));
    EXPECT_EQ(posix::DebugOutput(), "\nFindResource failed.");
    EXPECT_EQ(player_.Data.data(), before.data());
    EXPECT_EQ(player_.Data.size(), before.size());
    EXPECT_EQ(player_.Resource, handle);
    EXPECT_EQ(Step(), 16u) << "the current animation still plays";
}

// ---- damaged animations ------------------------------------------------------

TEST_F(FlicWalker, ItemsThatCannotBeWalkedEndTheAnimation) {
    const flc::Bytes good = flc::EncodeFlc(Sample(3));
    const auto items = ReadFlcLayout(good);
    const uint32_t at = items[2].Offset;  // frame 1
    struct Case {
        const char* what;
        uint32_t size;
        uint16_t type;
        FlicAdvance why;
    };
    for (const Case& c : {Case{"zero size", 0, 0xF1FA, FlicAdvance::ShortItem},
                          Case{"smaller than an item head", 5, 0x1234, FlicAdvance::ShortItem},
                          Case{"frame smaller than its head", 15, 0xF1FA, FlicAdvance::ShortFrame},
                          Case{"running past the bytes", uint32_t(good.size()), 0xF1FA, FlicAdvance::PastData},
                          Case{"other item running past the bytes", 0x7FFFFFFF, 0xF100, FlicAdvance::PastData}}) {
        SCOPED_TRACE(c.what);
        flc::Bytes file = good;
        flc::PatchU32(file, at, c.size);
        flc::PatchU16(file, at + 4, c.type);
        Load(file, c.what);
        EXPECT_EQ(StepToEnd(), 2) << "the prefix and frame 0";
        EXPECT_EQ(lastAdvance_, c.why);
        EXPECT_EQ(player_.FrameOffset, at);
        EXPECT_EQ(player_.FrameCounter, 1);
        EXPECT_EQ(Step(), 0u);
    }
}

TEST_F(FlicWalker, ATruncatedAnimationPlaysUpToTheCut) {
    const flc::Bytes good = flc::EncodeFlc(Sample(4));
    const auto items = ReadFlcLayout(good);
    // Cut inside frame 2; the header still claims the whole size.
    flc::Bytes file(good.begin(), good.begin() + items[3].Offset + 40);
    Load(file);
    EXPECT_EQ(StepToEnd(), 3);
    EXPECT_EQ(lastAdvance_, FlicAdvance::PastData);
    EXPECT_EQ(player_.FrameCounter, 2);
    // Too short even for the header: nothing to walk.
    Load(flc::Bytes(good.begin(), good.begin() + 3), "SHORT");
    EXPECT_EQ(StepToEnd(), 0);
    EXPECT_EQ(lastAdvance_, FlicAdvance::End);
}

TEST_F(FlicWalker, ChunkCountsBeyondTheFrameStopAtItsEnd) {
    flc::Bytes frame = flc::MakeFrame({flc::MakeChunk(18, flc::Bytes(10, 0)), flc::MakeChunk(18, flc::Bytes(4, 0))});
    flc::PatchU16(frame, 6, 60000);
    Load(FlcOf(8, 8, {frame, flc::MakeFrame({})}));
    Step();
    posix::ClearDebugOutput();
    EXPECT_EQ(Step(), frame.size());
    EXPECT_EQ(player_.FrameCounter, 1);
    const std::string trace = posix::DebugOutput();
    EXPECT_EQ(trace, "\nHeader addr.: 160\nHeader type: 18\n\n\nHeader addr.: 176\nHeader type: 18\n\n");
    EXPECT_EQ(Step(), 16u);
}

TEST_F(FlicWalker, AChunkTooSmallForItsHeadEndsItsFrame) {
    for (uint32_t size : {0u, 5u}) {
        flc::Bytes frame = flc::MakeFrame({flc::MakeChunk(15, flc::Bytes(6, 0)), flc::MakeChunk(18, {})});
        flc::PatchU32(frame, 16, size);
        const std::string name = "SMALL" + std::to_string(size);
        Load(FlcOf(8, 8, {frame, flc::MakeFrame({})}), name.c_str());
        Step();
        const auto before = Frame();
        posix::ClearDebugOutput();
        EXPECT_EQ(Step(), frame.size());
        EXPECT_EQ(player_.FrameCounter, 1);
        EXPECT_EQ(posix::DebugOutput(), "\nHeader addr.: 160\nHeader type: 15\n\n")
            << "traced, not decoded, and the last";
        EXPECT_EQ(Frame(), before);
        EXPECT_EQ(Step(), 16u) << "the next frame follows by the frame's own size";
    }
}

TEST_F(FlicWalker, AChunkRunningPastItsFrameDecodesOnlyWhatTheFrameHolds) {
    // A BYTE_RUN chunk of two lines, cut after the first by the frame's size
    // while the chunk still claims both; the next frame starts right there.
    // Each line: its packet count, then one run of 8 pixels (colour 7, then 9).
    const flc::Bytes data{1, 8, 7, 1, 8, 9};
    const flc::Bytes chunk = flc::MakeChunk(15, data);
    flc::Bytes frame = flc::MakeFrame({chunk});
    frame.resize(frame.size() - 3);  // the frame ends after the first line
    flc::PatchU32(frame, 0, uint32_t(frame.size()));
    // The bytes after the frame look like the rest of the chunk.
    flc::Bytes next = flc::MakeFrame({});
    Load(FlcOf(8, 2, {frame, next}));
    Step();
    EXPECT_EQ(Step(), frame.size());
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(Pixel(x, 0), 7);
        EXPECT_EQ(Pixel(x, 1), 0) << "the second line lies outside the frame";
    }
    EXPECT_EQ(Step(), 16u);
}

TEST_F(FlicWalker, DamagedBytesNeverStallOrTurnTheWalkBack) {
    const flc::Bytes good = flc::EncodeFlc(testing::SceneAnimation(64, 48, 6));
    std::mt19937 rng(7);
    posix::SetDebugCapture(false);
    for (int round = 0; round < 300; ++round) {
        flc::Bytes file = good;
        const int damage = 1 + int(rng() % 8);
        for (int k = 0; k < damage; ++k) file[128 + rng() % (file.size() - 128)] = uint8_t(rng());
        if (round % 3 == 0) file.resize(128 + rng() % (file.size() - 128));
        const std::string name = "DAMAGED" + std::to_string(round);
        Load(file, name.c_str());
        uint32_t offset = player_.FrameOffset;
        for (;;) {
            const uint32_t n = Step();
            if (n == 0) break;
            ASSERT_GT(player_.FrameOffset, offset);
            ASSERT_LE(player_.FrameOffset, file.size());
            offset = player_.FrameOffset;
        }
    }
}

}  // namespace
}  // namespace quibac
