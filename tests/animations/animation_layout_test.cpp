// The two committed animations as stored: the header and items the player's
// callers count on, the chunk kinds of every frame, the frame ranges of the
// door table, and one colour table shared with the bitmaps.
#include "embedded_player.h"

#include "show/calendar.h"
#include "support/flc_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace quibac {
namespace {

using testing::AssetBytes;
using testing::FlcItemInfo;
using testing::ReadFlcLayout;
using testing::ReadU16;
using testing::ReadU32;

constexpr uint16_t kPrefixChunk = 0xF100;
constexpr uint16_t kFrame = 0xF1FA;
constexpr uint16_t kColour256 = 4;
constexpr uint16_t kDeltaFlc = 7;
constexpr uint16_t kByteRun = 15;
constexpr uint16_t kPostageStamp = 18;
constexpr size_t kFrameHead = 16;

struct Expected {
    const char* file;
    int frames;  // not counting the ring frame
};
constexpr Expected kDates{"datesflic.flc", 25};
constexpr Expected kAdvent{"adventflic.flc", 86};

// The 768 colour bytes of frame 0's COLOR_256 chunk, after checking that it
// holds one packet for all 256 entries from index 0.
std::vector<uint8_t> Colours(const std::vector<uint8_t>& file, const FlcItemInfo& frame0) {
    for (const auto& chunk : frame0.Chunks) {
        if (chunk.Type != kColour256) continue;
        EXPECT_EQ(ReadU16(file, chunk.Offset + 6), 1) << "one packet";
        EXPECT_EQ(file.at(chunk.Offset + 8), 0) << "from index 0";
        EXPECT_EQ(file.at(chunk.Offset + 9), 0) << "count 0 means all 256";
        EXPECT_GE(chunk.Size, 10u + 768u);
        return std::vector<uint8_t>(file.begin() + chunk.Offset + 10, file.begin() + chunk.Offset + 10 + 768);
    }
    ADD_FAILURE() << "no COLOR_256 chunk in frame 0";
    return {};
}

void CheckLayout(const Expected& e) {
    SCOPED_TRACE(e.file);
    const std::vector<uint8_t> file = AssetBytes(e.file);
    ASSERT_GT(file.size(), 128u);
    EXPECT_EQ(ReadU32(file, 0), file.size());
    EXPECT_EQ(ReadU16(file, 4), kFlcMagic);
    EXPECT_EQ(ReadU16(file, 6), e.frames);
    EXPECT_EQ(ReadU16(file, 8), 800);
    EXPECT_EQ(ReadU16(file, 10), 600);
    EXPECT_EQ(ReadU16(file, 12), 8);
    EXPECT_EQ(ReadU16(file, 14), 3) << "flags: finished, ring frame written";
    EXPECT_EQ(ReadU16(file, 38), 1) << "aspect 1:1";
    EXPECT_EQ(ReadU16(file, 40), 1);

    std::vector<FlcItemInfo> items;
    ASSERT_NO_THROW(items = ReadFlcLayout(file));
    // Exactly one item that is not a frame, at offset 128: the callers count
    // the first step after a rewind as passing over it.
    ASSERT_EQ(items.size(), size_t(e.frames) + 2);
    EXPECT_EQ(items[0].Offset, 128u);
    EXPECT_EQ(items[0].Type, kPrefixChunk);
    for (size_t i = 1; i < items.size(); ++i) ASSERT_EQ(items[i].Type, kFrame) << "item " << i;
    EXPECT_EQ(ReadU32(file, 80), items[1].Offset) << "offset of frame 1 (our frame 0)";
    EXPECT_EQ(ReadU32(file, 84), items[2].Offset);

    // Frame 0: an optional postage stamp, then the colours and the whole
    // picture.
    const FlcItemInfo& first = items[1];
    std::vector<uint16_t> kinds;
    for (const auto& c : first.Chunks) kinds.push_back(c.Type);
    if (!kinds.empty() && kinds.front() == kPostageStamp) kinds.erase(kinds.begin());
    EXPECT_EQ(kinds, (std::vector<uint16_t>{kColour256, kByteRun}));
    // Later frames: one delta or nothing at all; the chunks fill the frame.
    for (size_t i = 1; i < items.size(); ++i) {
        const FlcItemInfo& f = items[i];
        uint32_t used = kFrameHead;
        for (const auto& c : f.Chunks) used += c.Size;
        EXPECT_EQ(used, f.Size) << "frame " << i - 1;
        if (i == 1) continue;
        EXPECT_LE(f.ChunkCount, 1) << "frame " << i - 1;
        if (f.ChunkCount == 1) {
            EXPECT_EQ(f.Chunks[0].Type, kDeltaFlc) << "frame " << i - 1;
        }
    }
}

TEST(AnimationLayout, DatesHeaderItemsAndChunks) { CheckLayout(kDates); }

TEST(AnimationLayout, DoorHeaderItemsAndChunks) { CheckLayout(kAdvent); }

TEST(AnimationLayout, DayEighteenHoldsOnThreeEmptyFrames) {
    const std::vector<uint8_t> file = AssetBytes(kAdvent.file);
    const std::vector<FlcItemInfo> items = ReadFlcLayout(file);
    ASSERT_EQ(items.size(), 88u);
    for (int frame : {57, 58, 59}) {
        const FlcItemInfo& f = items[size_t(frame) + 1];
        EXPECT_EQ(f.ChunkCount, 0) << "frame " << frame;
        EXPECT_EQ(f.Size, kFrameHead) << "frame " << frame;
    }
    // The story moves up to frame 56 and once more at frame 60, its end.
    EXPECT_EQ(items[56 + 1].ChunkCount, 1);
    EXPECT_EQ(items[60 + 1].ChunkCount, 1);
    // No other frame of the doors is empty: every other day shows something new.
    for (size_t i = 2; i < items.size(); ++i) {
        const int frame = int(i) - 1;
        if (frame >= 57 && frame <= 59) continue;
        EXPECT_EQ(items[i].ChunkCount, 1) << "frame " << frame;
    }
}

TEST(AnimationLayout, DoorTableCoversEveryDoorFrameOnce) {
    const std::vector<uint8_t> file = AssetBytes(kAdvent.file);
    const DoorTableType table = InitialDoorTable();
    int next = 0;
    for (int day = 1; day <= kDoorDays; ++day) {
        EXPECT_EQ(table[size_t(day)].StartFrame, next) << "day " << day << " starts where the day before ended";
        EXPECT_GE(table[size_t(day)].FrameCount, 1) << "day " << day;
        if (table[size_t(day)].Loops) {
            EXPECT_GE(table[size_t(day)].FrameCount, 2) << "a loop needs frames after the first";
        }
        next += table[size_t(day)].FrameCount;
    }
    EXPECT_EQ(next, ReadU16(file, 6)) << "the last day ends at the last frame before the ring frame";
}

TEST(AnimationLayout, BothShareTheBitmapsColourTable) {
    const std::vector<uint8_t> dates = AssetBytes(kDates.file), advent = AssetBytes(kAdvent.file);
    const std::vector<uint8_t> datesColours = Colours(dates, ReadFlcLayout(dates).at(1));
    const std::vector<uint8_t> adventColours = Colours(advent, ReadFlcLayout(advent).at(1));
    ASSERT_EQ(datesColours.size(), 768u);
    EXPECT_EQ(datesColours, adventColours);
    // The bitmaps store blue, green, red and a spare byte per entry.
    const std::vector<uint8_t> walk = AssetBytes("walkanim.bmp");
    ASSERT_GE(walk.size(), 54u + 1024u);
    for (size_t k = 0; k < 256; ++k) {
        const uint8_t* entry = walk.data() + 54 + 4 * k;
        EXPECT_EQ(datesColours[3 * k], entry[2]) << "entry " << k;
        EXPECT_EQ(datesColours[3 * k + 1], entry[1]) << "entry " << k;
        EXPECT_EQ(datesColours[3 * k + 2], entry[0]) << "entry " << k;
    }
    // The background and the marker are where the saver expects them.
    EXPECT_EQ(datesColours[3 * kArtBackground], 255);
    EXPECT_EQ(datesColours[3 * kArtBackground + 1], 255);
    EXPECT_EQ(datesColours[3 * kArtBackground + 2], 255);
}

}  // namespace
}  // namespace quibac
