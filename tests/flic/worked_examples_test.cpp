// Facts of the dates animation rebuilt as bytes: its first
// BYTE_RUN line, the start of its first delta, its colour chunk, and the
// addresses that frame 0's trace gives and the walk that reaches them.
#include "flic_fixture.h"
#include "support/flc_samples.h"

#include <posix_control.h>

namespace quibac {
namespace {

using flc::Bytes;
using flc::PutU16;
using testing::FlcOf;
using testing::FrameOf;

class FlicWorkedExamples : public testing::FlicTest {};

TEST_F(FlicWorkedExamples, ByteRunLineOfSevenPackets) {
    Bytes data{7};
    for (int i = 0; i < 6; ++i) data.insert(data.end(), {127, 0xF5});
    data.insert(data.end(), {38, 0xF5});
    Load(FlcOf(800, 1, {FrameOf(15, data)}));
    Step();
    Step();
    for (int x = 0; x < 800; ++x) ASSERT_EQ(Pixel(x, 0), 245) << x;
    EXPECT_EQ(Pixel(0, 1), 0);
}

TEST_F(FlicWorkedExamples, FirstLinesOfTheFirstDelta) {
    Bytes data;
    PutU16(data, 3);
    PutU16(data, 0xFFF7);  // skip 9 lines
    PutU16(data, 0x0003);
    data.insert(data.end(), {254, 1, 0xF5, 0xF5, 254, 1, 0xF5, 0xF5, 48, 1, 0xD2, 0xF5});
    PutU16(data, 0x0004);  // y = 10: colour 245 where it already is
    data.insert(data.end(), {254, 1, 0xF5, 0xF5, 254, 1, 0xF5, 0xF5, 10, 1, 0xF5, 0xF5, 10, 1, 0xF5, 0xF5});
    PutU16(data, 0x0006);  // y = 11: four literal packets bring x to 562
    data.insert(data.end(), {200, 1, 1, 1, 200, 1, 1, 1, 150, 1, 1, 1, 4, 1, 1, 1});
    data.insert(data.end(), {4, uint8_t(-7), 0xF5, 0xF5, 26, uint8_t(-2), 0xF5, 0xF5});
    harness().FillFrame(0x33);
    Load(FlcOf(800, 600, {FrameOf(7, data)}));
    Step();
    Step();

    for (int x : {254, 255, 510, 511, 561}) EXPECT_EQ(Pixel(x, 9), 245) << x;
    EXPECT_EQ(Pixel(560, 9), 0xD2);
    EXPECT_EQ(Pixel(253, 9), 0x33);
    EXPECT_EQ(Pixel(256, 9), 0x33);
    EXPECT_EQ(Pixel(254, 8), 0x33) << "the skipped lines stay";
    for (int x : {254, 255, 510, 511}) EXPECT_EQ(Pixel(x, 10), 245) << x;
    for (int x = 566; x <= 579; ++x) EXPECT_EQ(Pixel(x, 11), 245) << x;
    for (int x = 606; x <= 609; ++x) EXPECT_EQ(Pixel(x, 11), 245) << x;
    for (int x : {562, 563, 564, 565, 580, 605, 610}) EXPECT_EQ(Pixel(x, 11), 0x33) << x;
    EXPECT_EQ(Pixel(560, 11), 1);
    EXPECT_EQ(Pixel(561, 11), 1);
}

TEST_F(FlicWorkedExamples, FrameZeroChunkByChunk) {
    // A prefix item of 2,778 bytes puts frame 0 at 2,906; its chunks are a
    // 436-byte thumbnail, the 778-byte colour chunk and the picture.
    Bytes prefix = flc::PrefixChunk();
    prefix.resize(2778, 0);
    flc::PatchU32(prefix, 0, 2778);
    const flc::Animation a = testing::SceneAnimation(800, 600, 2);
    const Bytes stamp = flc::MakeChunk(18, Bytes(430, 0));
    const Bytes colours = flc::Colour256Chunk(a.Colours);
    const Bytes picture = flc::ByteRunChunk(a.Frames[0].data(), 800, 600);
    const Bytes frame0 = flc::MakeFrame({stamp, colours, picture});
    const Bytes frame1 = flc::MakeFrame({flc::DeltaFlcChunk(a.Frames[0].data(), a.Frames[1].data(), 800, 600)});
    const Bytes file = flc::AssembleFlc(flc::HeaderFields{800, 600, 1, 1014}, prefix, {frame0, frame1});
    ASSERT_EQ(stamp.size(), 436u);
    ASSERT_EQ(colours.size(), 778u);
    Load(file, "DATESFLIC");

    EXPECT_EQ(Step(), 2778u);
    EXPECT_EQ(player_.FrameOffset, 2906u);
    EXPECT_EQ(player_.FrameCounter, 0);

    posix::ClearDebugOutput();
    EXPECT_EQ(Step(), frame0.size());
    EXPECT_EQ(player_.FrameOffset, 2906u + frame0.size());
    EXPECT_EQ(player_.FrameCounter, 1);
    EXPECT_EQ(posix::DebugOutput(),
              "\nHeader addr.: 2922\nHeader type: 18\n\n"
              "\nHeader addr.: 3358\nHeader type: 4\n\n"
              "\nHeader addr.: 4136\nHeader type: 15\n\nByte Run\n\n");
    for (int k = 0; k < 256; ++k) {
        const RGBQUAD& q = display().Dib.DibColourTable[k];
        EXPECT_EQ(q.rgbRed, a.Colours[size_t(k)].Red);
        EXPECT_EQ(q.rgbGreen, a.Colours[size_t(k)].Green);
        EXPECT_EQ(q.rgbBlue, a.Colours[size_t(k)].Blue);
    }
    EXPECT_EQ(Frame(), a.Frames[0]);

    EXPECT_EQ(StepToEnd(), 1);
    EXPECT_EQ(player_.FrameOffset, file.size());
    EXPECT_EQ(player_.FrameCounter, 2);
    EXPECT_EQ(Frame(), a.Frames[1]);
}

}  // namespace
}  // namespace quibac
