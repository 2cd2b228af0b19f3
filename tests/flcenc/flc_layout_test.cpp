// The encoder writes the published layout, compresses for real and chooses
// packets and opcodes that every reader places alike.
#include "delta_reader.h"
#include "flc/flc_writer.h"
#include "support/flc_layout.h"
#include "support/flc_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace quibac {
namespace {

using testing::ReadFlcLayout;
using testing::ReadU16;
using testing::ReadU32;

std::vector<uint8_t> ChunkBytes(const flc::Bytes& file, const testing::FlcChunkInfo& c) {
    return std::vector<uint8_t>(file.begin() + c.Offset, file.begin() + c.Offset + c.Size);
}

TEST(FlcLayout, HeaderPrefixFramesAndRingFrame) {
    flc::Animation a = testing::SceneAnimation(800, 600, 5);
    a.Frames[3] = a.Frames[2];  // an unchanged frame
    a.Speed = 71;
    a.PostageStamp = true;
    const flc::Bytes file = flc::EncodeFlc(a);

    EXPECT_EQ(ReadU32(file, 0), file.size());
    EXPECT_EQ(ReadU16(file, 4), 0xAF12);
    EXPECT_EQ(ReadU16(file, 6), 5) << "the ring frame is not counted";
    EXPECT_EQ(ReadU16(file, 8), 800);
    EXPECT_EQ(ReadU16(file, 10), 600);
    EXPECT_EQ(ReadU16(file, 12), 8);
    EXPECT_EQ(ReadU16(file, 14), 3);
    EXPECT_EQ(ReadU32(file, 16), 71u);
    EXPECT_EQ(ReadU16(file, 38), 1);
    EXPECT_EQ(ReadU16(file, 40), 1);

    const auto items = ReadFlcLayout(file);
    ASSERT_EQ(items.size(), 1u + 6u);
    EXPECT_EQ(items[0].Offset, 128u);
    EXPECT_EQ(items[0].Type, 0xF100);
    EXPECT_EQ(items[0].Size, 16u);
    EXPECT_EQ(ReadU32(file, 80), items[1].Offset);
    EXPECT_EQ(ReadU32(file, 84), items[2].Offset);
    EXPECT_EQ(items.back().Offset + items.back().Size, file.size());

    for (size_t i = 1; i < items.size(); ++i) {
        const auto& frame = items[i];
        EXPECT_EQ(frame.Type, 0xF1FA);
        uint32_t filled = 16;
        for (const auto& c : frame.Chunks) {
            filled += c.Size;
            EXPECT_EQ(c.Size % 2, 0u) << "chunks are padded to even sizes";
        }
        EXPECT_EQ(filled, frame.Size) << "the chunks fill frame " << i - 1 << " exactly";
    }

    const auto& first = items[1];
    ASSERT_EQ(first.Chunks.size(), 3u);
    EXPECT_EQ(first.Chunks[0].Type, 18);
    EXPECT_EQ(first.Chunks[1].Type, 4);
    EXPECT_EQ(first.Chunks[2].Type, 15);
    const auto colours = ChunkBytes(file, first.Chunks[1]);
    EXPECT_EQ(colours.size(), 778u);
    EXPECT_EQ(ReadU16(colours, 6), 1) << "one packet";
    EXPECT_EQ(colours[8], 0) << "skipping nothing";
    EXPECT_EQ(colours[9], 0) << "256 colours";
    const flc::Palette palette = testing::SamplePalette();
    for (size_t k = 0; k < 256; ++k) {
        EXPECT_EQ(colours[10 + 3 * k], palette[k].Red);
        EXPECT_EQ(colours[11 + 3 * k], palette[k].Green);
        EXPECT_EQ(colours[12 + 3 * k], palette[k].Blue);
    }

    for (size_t i = 2; i < items.size(); ++i) {
        if (i == 4) {
            EXPECT_EQ(items[i].Size, 16u) << "an unchanged frame has no chunks";
            EXPECT_EQ(items[i].ChunkCount, 0);
            continue;
        }
        ASSERT_EQ(items[i].Chunks.size(), 1u) << "frame " << i - 1;
        EXPECT_EQ(items[i].Chunks[0].Type, 7);
    }
}

TEST(FlcLayout, PostageStampIsOptionalAndSmall) {
    flc::Animation a = testing::SceneAnimation(800, 600, 1);
    const auto plain = ReadFlcLayout(flc::EncodeFlc(a));
    ASSERT_EQ(plain[1].Chunks.size(), 2u);
    EXPECT_EQ(plain[1].Chunks[0].Type, 4);
    EXPECT_EQ(plain[1].Chunks[1].Type, 15);

    a.PostageStamp = true;
    const flc::Bytes file = flc::EncodeFlc(a);
    const auto stamped = ReadFlcLayout(file);
    const auto stamp = ChunkBytes(file, stamped[1].Chunks[0]);
    EXPECT_EQ(ReadU16(stamp, 6), 63) << "height";
    EXPECT_EQ(ReadU16(stamp, 8), 84) << "width: 800 x 600 shrunk to fit 100 x 63";
    EXPECT_EQ(ReadU16(stamp, 10), 1) << "six-cube colours";
    EXPECT_EQ(ReadU16(stamp, 16), 25) << "a byte-run picture";
    EXPECT_EQ(ReadU32(stamp, 12) + 12, stamp.size());
}

TEST(FlcLayout, AnAnimationNeverPlayedRoundHasNoRingFrameAndSaysSo) {
    flc::Animation a = testing::SceneAnimation(64, 32, 4);
    a.RingFrame = false;
    const flc::Bytes file = flc::EncodeFlc(a);
    EXPECT_EQ(ReadU16(file, 6), 4);
    EXPECT_EQ(ReadU16(file, 14), 1) << "finished, not looped";
    const auto items = ReadFlcLayout(file);
    ASSERT_EQ(items.size(), 1u + 4u);
    EXPECT_EQ(items.back().Offset + items.back().Size, file.size());
}

TEST(FlcLayout, ASingleAnimationFrameStillHasItsRingFrame) {
    flc::Animation a = testing::SceneAnimation(32, 16, 1);
    const auto items = ReadFlcLayout(flc::EncodeFlc(a));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2].Size, 16u) << "from frame 0 back to itself nothing changes";
}

TEST(FlcLayout, FlatLineIsSevenRuns) {
    const flc::Bytes line(800, 245);
    const flc::Bytes data = flc::ByteRunLines(line.data(), 800, 1);
    flc::Bytes expected{7};
    for (int i = 0; i < 6; ++i) expected.insert(expected.end(), {127, 245});
    expected.insert(expected.end(), {38, 245});
    EXPECT_EQ(data, expected);
}

TEST(FlcLayout, ByteRunMixesLiteralsAndRunsWithinEachLine) {
    // 3 literals, a run of 200 (127 + 73), then 130 literals (128 + 2).
    flc::Bytes line{1, 2, 3};
    line.insert(line.end(), 200, 9);
    for (int i = 0; i < 130; ++i) line.push_back(uint8_t(i % 2 == 0 ? 50 : 60));
    const flc::Bytes data = flc::ByteRunLines(line.data(), int(line.size()), 1);
    ASSERT_GE(data.size(), 8u);
    EXPECT_EQ(data[0], 5) << "packet count";
    EXPECT_EQ(int8_t(data[1]), -3);
    EXPECT_EQ(data[5], 127);
    EXPECT_EQ(data[7], 73);
    EXPECT_EQ(int8_t(data[9]), -128);
    EXPECT_EQ(int8_t(data[9 + 129]), -2);
    EXPECT_EQ(data.size(), 9u + 129u + 3u);
}

TEST(FlcLayout, SmallChangesMakeSmallFrames) {
    const flc::Bytes base = testing::ScenePicture(800, 600, 0);
    flc::Bytes onePixel = base;
    onePixel[300 * 800 + 200] ^= 0x55;
    flc::Bytes square = onePixel;
    for (int y = 100; y < 120; ++y)
        for (int x = 200; x < 220; ++x) square[size_t(y) * 800 + size_t(x)] = uint8_t(x * y);

    flc::Animation a;
    a.Width = 800;
    a.Height = 600;
    a.Colours = testing::SamplePalette();
    a.Frames = {base, onePixel, square, square};
    const auto items = ReadFlcLayout(flc::EncodeFlc(a));
    // Frame header 16, chunk header 6, line count 2, a skip word, a packet
    // count word and one packet of one pair.
    EXPECT_EQ(items[2].Size, 16u + 6u + 2u + 2u + 2u + 4u);
    EXPECT_LT(items[3].Size, 16u + 8u + 20u * (2u + 2u + 2u + 20u)) << "a 20 x 20 change";
    EXPECT_EQ(items[4].Size, 16u);
    EXPECT_LT(items[1].Size, 60000u) << "frame 0's flat bands compress";
}

TEST(FlcLayout, SameInputSameBytes) {
    flc::Animation a = testing::SceneAnimation(333, 77, 6, 2);
    a.PostageStamp = true;
    EXPECT_EQ(flc::EncodeFlc(a), flc::EncodeFlc(a));
}

TEST(FlcLayout, RefusesWhatTheFormatCannotHold) {
    flc::Animation a = testing::SceneAnimation(16, 16, 2);
    flc::Animation noFrames = a;
    noFrames.Frames.clear();
    EXPECT_THROW(flc::EncodeFlc(noFrames), std::invalid_argument);
    flc::Animation wrongSize = a;
    wrongSize.Frames[1].pop_back();
    EXPECT_THROW(flc::EncodeFlc(wrongSize), std::invalid_argument);
    flc::Animation tooWide = a;
    tooWide.Width = 4097;
    EXPECT_THROW(flc::EncodeFlc(tooWide), std::invalid_argument);
    flc::Animation empty = a;
    empty.Width = 0;
    EXPECT_THROW(flc::EncodeFlc(empty), std::invalid_argument);
}

// ---- DELTA_FLC choices -------------------------------------------------------

std::vector<testing::DeltaLine> DeltaOf(const flc::Bytes& from, const flc::Bytes& to, int width, int height,
                                        flc::DeltaPacking packing = flc::DeltaPacking::Spans) {
    const flc::Bytes chunk = flc::DeltaFlcChunk(from.data(), to.data(), width, height, packing);
    EXPECT_FALSE(chunk.empty());
    return testing::ReadDeltaLines(chunk);
}

TEST(FlcDelta, LongGapsTakeEmptyPackets) {
    const flc::Bytes from(800 * 2, 1);
    flc::Bytes to = from;
    to[800 + 0] = 2;
    to[800 + 700] = 3;
    const auto lines = DeltaOf(from, to, 800, 2);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Row, 1) << "row 0 is skipped by a line-skip word";
    const auto& p = lines[0].Packets;
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].Skip, 0);
    EXPECT_EQ(p[0].Count, 1);
    EXPECT_EQ(p[1].Skip, 255);
    EXPECT_EQ(p[1].Count, 0);
    EXPECT_EQ(p[2].Skip, 255);
    EXPECT_EQ(p[2].Count, 0);
    EXPECT_EQ(p[3].Skip, 700 - 2 - 510);
    EXPECT_EQ(p[3].Count, 1);
    EXPECT_EQ(p[3].Bytes[0], 3);
}

TEST(FlcDelta, RepeatedPairsReplicateUpTo128) {
    const flc::Bytes from(400, 0);
    flc::Bytes to(400, 0);
    for (int x = 0; x < 300; x += 2) {
        to[size_t(x)] = 7;
        to[size_t(x) + 1] = 8;
    }
    const auto lines = DeltaOf(from, to, 400, 1);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].Packets.size(), 2u);
    EXPECT_EQ(lines[0].Packets[0].Count, -128);
    EXPECT_EQ(lines[0].Packets[1].Count, -22);
    EXPECT_EQ(lines[0].Packets[1].Bytes, (std::vector<uint8_t>{7, 8}));
}

TEST(FlcDelta, LastColumnOfAnOddLineTravelsInAPairWherePossible) {
    const int w = 799;
    const flc::Bytes from(w, 1);
    flc::Bytes to = from;
    to[798] = 5;
    auto lines = DeltaOf(from, to, w, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FALSE(lines[0].LastByte);
    EXPECT_EQ(testing::PacketColumns(lines[0]), (std::vector<int>{797, 798}));

    // An odd run of changed columns up to the last: the pairs start one
    // column early, on a column that did not change.
    for (int x = 600; x < 799; ++x) to[size_t(x)] = 7;
    lines = DeltaOf(from, to, w, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FALSE(lines[0].LastByte);
    std::vector<int> expected;
    for (int x = 599; x < 799; ++x) expected.push_back(x);
    EXPECT_EQ(testing::PacketColumns(lines[0]), expected);
}

TEST(FlcDelta, AnUnchangedColumnOnEitherSideSavesTheOpcode) {
    // Width 5, columns 0, 1, 3 and 4 changed: pairs (0, 1) and (3, 4).
    const flc::Bytes from(5, 1);
    const flc::Bytes to{2, 2, 1, 2, 2};
    const auto lines = DeltaOf(from, to, 5, 1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FALSE(lines[0].LastByte);
    EXPECT_EQ(testing::PacketColumns(lines[0]), (std::vector<int>{0, 1, 3, 4}));
}

TEST(FlcDelta, EveryColumnOfAnOddLineNeedsTheLastByteOpcode) {
    for (int w : {1, 3, 799}) {
        const flc::Bytes from(size_t(w), 1);
        const flc::Bytes to(size_t(w), 9);
        const auto lines = DeltaOf(from, to, w, 1);
        ASSERT_EQ(lines.size(), 1u);
        ASSERT_TRUE(lines[0].LastByte) << "width " << w;
        EXPECT_EQ(*lines[0].LastByte, 9);
        const auto columns = testing::PacketColumns(lines[0]);
        EXPECT_EQ(int(columns.size()), w - 1);
        if (!columns.empty()) {
            EXPECT_EQ(columns.back(), w - 2);
        }
    }
}

TEST(FlcDelta, EvenLinesNeverNeedTheLastByteOpcode) {
    const flc::Bytes from(800 * 3, 1);
    flc::Bytes to = from;
    std::fill_n(to.begin(), 800, 2);        // line 0: every column
    std::fill_n(to.begin() + 800, 799, 2);  // line 1: all but the last column
    to[1600 + 799] = 2;                     // line 2: only the last column
    const auto lines = DeltaOf(from, to, 800, 3);
    ASSERT_EQ(lines.size(), 3u);
    for (const auto& line : lines) EXPECT_FALSE(line.LastByte);
    EXPECT_EQ(testing::PacketColumns(lines[0]).size(), 800u);
    EXPECT_EQ(testing::PacketColumns(lines[1]).size(), 800u);
    EXPECT_EQ(testing::PacketColumns(lines[2]), (std::vector<int>{798, 799}));
}

TEST(FlcDelta, EveryChangePatternOfShortLines) {
    // Each pattern of changed columns, applied back through the packets and
    // the opcode as the format defines them, gives the new line; the opcode
    // appears exactly when pairs cannot cover the line. The changed columns
    // take colours of their own, or the one colour the whole new line has,
    // which a replicate packet may also write over unchanged columns.
    for (const flc::DeltaPacking packing : {flc::DeltaPacking::Spans, flc::DeltaPacking::Packets}) {
        SCOPED_TRACE(packing == flc::DeltaPacking::Spans ? "spans" : "packets");
        for (int w = 1; w <= 10; ++w) {
            for (int mask = 1; mask < (1 << w); ++mask) {
                for (const bool flat : {false, true}) {
                    SCOPED_TRACE(flat ? "one colour" : "colours of their own");
                    flc::Bytes from(size_t(w), 1);
                    flc::Bytes to = from;
                    bool evenKept = false;
                    for (int x = 0; x < w; ++x) {
                        if (mask & (1 << x)) {
                            from[size_t(x)] = flat ? 2 : 1;
                            to[size_t(x)] = flat ? 1 : uint8_t(2 + x);
                        } else if (x % 2 == 0) {
                            evenKept = true;
                        }
                    }
                    const auto lines = DeltaOf(from, to, w, 1, packing);
                    ASSERT_EQ(lines.size(), 1u);
                    flc::Bytes applied = from;
                    ASSERT_TRUE(testing::ApplyDeltaLine(lines[0], applied)) << "width " << w << ", pattern " << mask;
                    EXPECT_EQ(applied, to) << "width " << w << ", pattern " << mask;
                    EXPECT_EQ(bool(lines[0].LastByte), w % 2 == 1 && !evenKept)
                        << "width " << w << ", pattern " << mask;
                }
            }
        }
    }
}

// Columns 2 and 5 changed to the colour of their neighbours: the fewest
// pairs are two literal ones, but one replicate packet over the unchanged
// columns between costs less.
TEST(FlcDelta, PacketsMayRunOverUnchangedColumnsOfTheirColour) {
    const flc::Bytes from{5, 5, 0, 5, 5, 0, 5, 5};
    const flc::Bytes to(8, 5);
    const auto spans = DeltaOf(from, to, 8, 1, flc::DeltaPacking::Spans);
    ASSERT_EQ(spans.size(), 1u);
    ASSERT_EQ(spans[0].Packets.size(), 1u);
    EXPECT_EQ(spans[0].Packets[0].Count, 2) << "two literal pairs";
    const auto packets = DeltaOf(from, to, 8, 1, flc::DeltaPacking::Packets);
    ASSERT_EQ(packets.size(), 1u);
    ASSERT_EQ(packets[0].Packets.size(), 1u);
    EXPECT_LT(packets[0].Packets[0].Count, -1) << "one pair, repeated";
    EXPECT_EQ(packets[0].Packets[0].Bytes, (std::vector<uint8_t>{5, 5}));
    flc::Bytes applied = from;
    ASSERT_TRUE(testing::ApplyDeltaLine(packets[0], applied));
    EXPECT_EQ(applied, to);
}

// Whole animations: never more bytes than the span packing, frame by frame.
TEST(FlcDelta, PacketsNeverCostMoreThanSpans) {
    const flc::Animation a = testing::SceneAnimation(800, 600, 12, 5);
    size_t spanBytes = 0, packetBytes = 0;
    for (size_t i = 1; i < a.Frames.size(); ++i) {
        const flc::Bytes& from = a.Frames[i - 1];
        const flc::Bytes& to = a.Frames[i];
        const size_t spans = flc::DeltaFlcChunk(from.data(), to.data(), 800, 600, flc::DeltaPacking::Spans).size();
        const size_t packets = flc::DeltaFlcChunk(from.data(), to.data(), 800, 600, flc::DeltaPacking::Packets).size();
        EXPECT_LE(packets, spans) << "frame " << i;
        spanBytes += spans;
        packetBytes += packets;
    }
    EXPECT_LT(packetBytes, spanBytes);
}

TEST(FlcDelta, SkippedLinesAreNotCountedAndLastLinesAreLeftOut) {
    const flc::Bytes from(10 * 600, 0);
    flc::Bytes to = from;
    to[10 * 5] = 1;
    to[10 * 500 + 3] = 2;
    const flc::Bytes chunk = flc::DeltaFlcChunk(from.data(), to.data(), 10, 600);
    EXPECT_EQ(testing::ReadU16(chunk, 6), 2) << "two encoded lines";
    EXPECT_EQ(testing::ReadU16(chunk, 8), 0x10000 - 5) << "a skip of 5 lines";
    const auto lines = testing::ReadDeltaLines(chunk);
    EXPECT_EQ(lines[0].Row, 5);
    EXPECT_EQ(lines[1].Row, 500);
    EXPECT_TRUE(flc::DeltaFlcChunk(from.data(), from.data(), 10, 600).empty());
}

}  // namespace
}  // namespace quibac
