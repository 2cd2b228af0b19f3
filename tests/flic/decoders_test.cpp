// The chunk decoders: capture into the DateBand, the colour table, and the
// packets of BYTE_RUN, FLI_COPY and DELTA_FLC at their edges.
#include "flic_fixture.h"

#include <posix_control.h>

#include <algorithm>

namespace quibac {
namespace {

using flc::Bytes;
using flc::PutU16;
using testing::FlcOf;
using testing::FrameOf;

class FlicDecoders : public testing::FlicTest {
protected:
    // Plays an animation of the given header size whose frame 0 holds the
    // chunk: the prefix step and the frame step.
    void PlayChunk(int width, int height, uint16_t type, const Bytes& data) {
        Load(FlcOf(width, height, {FrameOf(type, data)}), NextName());
        ASSERT_EQ(Step(), 16u);
        ASSERT_NE(Step(), 0u);
    }
    const char* NextName() {
        name_ = "CHUNK" + std::to_string(loads_++);
        return name_.c_str();
    }
    uint8_t BandAt(int x, int y) const { return band_->At(x, y); }

    std::string name_;
    int loads_ = 0;
};

// DELTA_FLC data for single lines: each entry is (row, packets) with packets
// given as raw bytes, and their count.
struct DeltaLineBytes {
    int Row;
    int Packets;
    Bytes PacketBytes;
};
Bytes DeltaData(const std::vector<DeltaLineBytes>& lines) {
    Bytes data;
    PutU16(data, uint32_t(lines.size()));
    int row = 0;
    for (const DeltaLineBytes& line : lines) {
        if (line.Row > row) PutU16(data, uint32_t(0x10000 - (line.Row - row)));
        PutU16(data, uint32_t(line.Packets));
        data.insert(data.end(), line.PacketBytes.begin(), line.PacketBytes.end());
        row = line.Row + 1;
    }
    return data;
}

// ---- capture ---------------------------------------------------------------

TEST_F(FlicDecoders, CaptureTakesRow127ButNot128) {
    band_->BandCapture = true;
    PlayChunk(800, 600, 7, DeltaData({{127, 1, {10, 1, 42, 43}}, {128, 1, {10, 1, 44, 45}}}));
    EXPECT_EQ(BandAt(10, 127), 42);
    EXPECT_EQ(BandAt(11, 127), 43);
    size_t written = 0;
    for (uint8_t v : band_->Pixels) written += v != 0;
    EXPECT_EQ(written, 2u) << "nothing but the two pixels of row 127";
    EXPECT_EQ(Pixel(10, 128), 44) << "row 128 is drawn all the same";
}

TEST_F(FlicDecoders, NothingIsCapturedWhileCaptureIsOff) {
    PlayChunk(800, 600, 7, DeltaData({{0, 1, {0, -4 & 0xFF, 5, 6}}, {127, 1, {10, 1, 42, 43}}}));
    EXPECT_TRUE(std::all_of(band_->Pixels.begin(), band_->Pixels.end(), [](uint8_t v) { return v == 0; }));
    EXPECT_EQ(Pixel(0, 0), 5);
    EXPECT_EQ(Pixel(7, 0), 6);
}

TEST_F(FlicDecoders, PixelsWithoutOutputAreStillCaptured) {
    UseOutput(152, 112, true);
    const ScalingMaps& m = display().Maps;
    int x = 0, y = 0;
    while (m.ColSpan[size_t(x)] != 0 || m.ColSpan[size_t(x + 1)] != 0) ++x;  // two dropped columns side by side
    while (m.RowSpan[size_t(y)] != 0) ++y;
    ASSERT_LT(y, 128);
    band_->BandCapture = true;
    const auto before = Frame();
    PlayChunk(800, 600, 7, DeltaData({{y, 1, {uint8_t(x), 1, 42, 43}}}));
    EXPECT_EQ(BandAt(x, y), 42);
    EXPECT_EQ(BandAt(x + 1, y), 43);
    EXPECT_EQ(Frame(), before);
}

// ---- COLOR_256 -------------------------------------------------------------

class FlicColours : public FlicDecoders {
protected:
    void SetUp() override {
        FlicDecoders::SetUp();
        // Marks the fourth byte and the first frame-buffer bytes, which sit
        // right behind the table.
        for (int k = 0; k < 256; ++k) display().Dib.DibColourTable[k].rgbReserved = 0x5A;
        harness().FillFrame(0x77);
        table_ = Table();
    }
    std::vector<RGBQUAD> Table() {
        const RGBQUAD* t = display().Dib.DibColourTable;
        return std::vector<RGBQUAD>(t, t + 256);
    }
    static bool Same(const RGBQUAD& a, const RGBQUAD& b) {
        return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue &&
               a.rgbReserved == b.rgbReserved;
    }
    void ExpectEntry(int k, uint8_t r, uint8_t g, uint8_t b) {
        const RGBQUAD& q = display().Dib.DibColourTable[k];
        EXPECT_EQ(q.rgbRed, r) << "entry " << k;
        EXPECT_EQ(q.rgbGreen, g) << "entry " << k;
        EXPECT_EQ(q.rgbBlue, b) << "entry " << k;
        EXPECT_EQ(q.rgbReserved, 0x5A) << "entry " << k << ": the fourth byte is left alone";
    }
    void ExpectUnchangedBut(std::initializer_list<int> changed) {
        const auto now = Table();
        for (int k = 0; k < 256; ++k) {
            if (std::find(changed.begin(), changed.end(), k) != changed.end()) continue;
            EXPECT_TRUE(Same(now[size_t(k)], table_[size_t(k)])) << "entry " << k;
        }
    }
    std::vector<RGBQUAD> table_;
};

TEST_F(FlicColours, ACountOfZeroSetsAll256) {
    Bytes data{1, 0, 0, 0};
    for (int k = 0; k < 256; ++k) data.insert(data.end(), {uint8_t(k), uint8_t(k ^ 0xFF), uint8_t(k * 3)});
    PlayChunk(8, 8, 4, data);
    for (int k = 0; k < 256; ++k) ExpectEntry(k, uint8_t(k), uint8_t(k ^ 0xFF), uint8_t(k * 3));
    EXPECT_EQ(Pixel(0, 0), 0x77);
}

TEST_F(FlicColours, TwoPacketsSetOnlyTheirEntries) {
    PlayChunk(8, 8, 4, Bytes{2, 0, 10, 2, 1, 2, 3, 4, 5, 6, 5, 1, 7, 8, 9});
    ExpectEntry(10, 1, 2, 3);
    ExpectEntry(11, 4, 5, 6);
    ExpectEntry(17, 7, 8, 9);
    ExpectUnchangedBut({10, 11, 17});
}

TEST_F(FlicColours, NoPacketsStillRebuildThePalette) {
    // A rebuilt palette flags entry 0 like every other; the first one did not.
    ASSERT_EQ(display().Palette.Entry(0).peFlags, 0);
    PlayChunk(8, 8, 4, Bytes{0, 0});
    EXPECT_EQ(display().Palette.Entry(0).peFlags, PC_NOCOLLAPSE);
    ExpectUnchangedBut({});
}

TEST_F(FlicColours, PacketsPastEntry255AreDropped) {
    Bytes data{2, 0, 250, 10};
    for (int k = 0; k < 10; ++k) data.insert(data.end(), {uint8_t(100 + k), 1, 2});
    data.insert(data.end(), {0, 1, 9, 9, 9});
    PlayChunk(8, 8, 4, data);
    for (int k = 250; k < 256; ++k) ExpectEntry(k, uint8_t(100 + k - 250), 1, 2);
    ExpectUnchangedBut({250, 251, 252, 253, 254, 255});
    EXPECT_EQ(Pixel(0, 0), 0x77) << "the bytes behind the table";
    EXPECT_EQ(Pixel(1, 0), 0x77);
}

TEST_F(FlicColours, APacketTheChunkDoesNotHoldIsNotApplied) {
    PlayChunk(8, 8, 4, Bytes{2, 0, 3, 1, 1, 1, 1, 4, 2, 2, 2, 2, 2});  // 2 colours announced, 1 2/3 present
    ExpectEntry(3, 1, 1, 1);
    ExpectUnchangedBut({3});
    EXPECT_EQ(display().Palette.Entry(0).peFlags, PC_NOCOLLAPSE) << "the palette is rebuilt all the same";
}

// ---- BYTE_RUN and FLI_COPY ---------------------------------------------------

TEST_F(FlicDecoders, ByteRunCountZeroConsumesAPixelAndPlacesNothing) {
    harness().FillFrame(0x77);
    // Line 0: count 0 of colour 99, then two literals, then 6 of colour 5.
    PlayChunk(8, 1, 15, Bytes{3, 0, 99, uint8_t(-2), 1, 2, 6, 5});
    const uint8_t expected[] = {1, 2, 5, 5, 5, 5, 5, 5};
    for (int x = 0; x < 8; ++x) EXPECT_EQ(Pixel(x, 0), expected[x]) << x;
    EXPECT_EQ(Pixel(8, 0), 0x77);
}

TEST_F(FlicDecoders, ByteRunMinus128CopiesThatManyLiterals) {
    Bytes data{1, 0x80};
    for (int i = 0; i < 128; ++i) data.push_back(uint8_t(i + 1));
    PlayChunk(128, 1, 15, data);
    for (int x = 0; x < 128; ++x) EXPECT_EQ(Pixel(x, 0), x + 1) << x;
}

TEST_F(FlicDecoders, ByteRunRunsPastTheWidthStayOnTheirLine) {
    // Width 800: the run passes the canvas's edge, and line 1 begins with
    // the byte after it.
    Bytes data{7};
    for (int i = 0; i < 6; ++i) data.insert(data.end(), {127, 3});
    data.insert(data.end(), {50, 4, 1, 127, 6});
    PlayChunk(800, 2, 15, data);
    EXPECT_EQ(Pixel(761, 0), 3);
    EXPECT_EQ(Pixel(799, 0), 4);
    EXPECT_EQ(Pixel(0, 1), 6);
    EXPECT_EQ(Pixel(126, 1), 6);
    EXPECT_EQ(Pixel(127, 1), 0) << "line 1 ends there: the header says 2 lines and the chunk ends";

    // Width 10: the run's extra pixels go to columns 10 to 14 of the same line.
    harness().FillFrame(0);
    PlayChunk(10, 2, 15, Bytes{1, 15, 8, 1, 10, 9});
    for (int x = 0; x < 15; ++x) EXPECT_EQ(Pixel(x, 0), 8) << x;
    EXPECT_EQ(Pixel(15, 0), 0);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(Pixel(x, 1), 9) << x;
}

TEST_F(FlicDecoders, ByteRunStopsWhereItsChunkEnds) {
    harness().FillFrame(0x77);
    PlayChunk(8, 3, 15, Bytes{1, 8, 4, 2, uint8_t(-4), 1, 2, 3});  // line 1's literal run lacks a byte
    for (int x = 0; x < 8; ++x) EXPECT_EQ(Pixel(x, 0), 4);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(Pixel(x, 1), 0x77) << "the run the chunk does not hold is not placed";
}

TEST_F(FlicDecoders, FliCopyPlacesEveryPixelTheChunkHolds) {
    Bytes data;
    for (int i = 0; i < 3 * 4 + 2; ++i) data.push_back(uint8_t(i + 1));  // three lines and a part
    harness().FillFrame(0x77);
    PlayChunk(4, 5, 16, data);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(Pixel(x, y), y * 4 + x + 1);
    EXPECT_EQ(Pixel(0, 3), 13);
    EXPECT_EQ(Pixel(1, 3), 14);
    EXPECT_EQ(Pixel(2, 3), 0x77);
    EXPECT_NE(posix::DebugOutput().find("Fli Copy\n\n"), std::string::npos);
}

// ---- DELTA_FLC ---------------------------------------------------------------

TEST_F(FlicDecoders, DeltaPassesOverIgnoredOpcodesAndAddsSkips) {
    Bytes data;
    PutU16(data, 1);
    PutU16(data, 0x4123);  // ignored
    PutU16(data, 0xFFFE);  // skip 2
    PutU16(data, 0x4000);  // ignored
    PutU16(data, 0xFFFD);  // skip 3
    PutU16(data, 1);
    data.insert(data.end(), {3, 1, 7, 8});
    PlayChunk(800, 600, 7, data);
    EXPECT_EQ(Pixel(3, 5), 7);
    EXPECT_EQ(Pixel(4, 5), 8);
}

TEST_F(FlicDecoders, DeltaDecodesAll300PacketsOfALine) {
    Bytes packets;
    for (int i = 0; i < 300; ++i) packets.insert(packets.end(), {0, 1, uint8_t(i), uint8_t(i + 1)});
    PlayChunk(800, 600, 7, DeltaData({{2, 300, packets}}));
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(Pixel(2 * i, 2), uint8_t(i));
        EXPECT_EQ(Pixel(2 * i + 1, 2), uint8_t(i + 1));
    }
}

TEST_F(FlicDecoders, LastByteGoesToTheLastColumnOfTheHeadersWidth) {
    harness().FillFrame(0x77);
    Bytes data;
    PutU16(data, 1);
    PutU16(data, 0x8042);
    PutU16(data, 1);
    data.insert(data.end(), {0, 2, 1, 2, 3, 4});  // packets end at column 4
    PlayChunk(799, 600, 7, data);
    EXPECT_EQ(Pixel(798, 0), 0x42);
    EXPECT_EQ(Pixel(799, 0), 0x77);
    EXPECT_EQ(Pixel(4, 0), 0x77);

    // Placed after the packets, whatever they wrote there.
    data = {};
    PutU16(data, 1);
    PutU16(data, 0x8042);
    PutU16(data, 4);
    data.insert(data.end(), {255, 0, 255, 0, 255, 0, 32, 1, 9, 9});  // writes 797 and 798
    PlayChunk(799, 600, 7, data);
    EXPECT_EQ(Pixel(797, 0), 9);
    EXPECT_EQ(Pixel(798, 0), 0x42);
}

TEST_F(FlicDecoders, DeltaLineCountZeroChangesNothing) {
    harness().FillFrame(0x77);
    const auto before = Frame();
    PlayChunk(800, 600, 7, Bytes{0, 0, 1, 0, 0, 1, 5, 5});
    EXPECT_EQ(Frame(), before);
}

TEST_F(FlicDecoders, DeltaSkipsPastRow599PlaceNothing) {
    harness().FillFrame(0x77);
    const auto before = Frame();
    Bytes data;
    PutU16(data, 2);
    PutU16(data, 0x10000 - 599);
    PutU16(data, 0xFFFF);  // row 600
    PutU16(data, 1);
    data.insert(data.end(), {0, uint8_t(-100), 3, 3});
    PutU16(data, 1);
    data.insert(data.end(), {0, 1, 3, 3});
    PlayChunk(800, 600, 7, data);
    EXPECT_EQ(Frame(), before);
}

TEST_F(FlicDecoders, DeltaPacketsBeyondTheCanvasAreDropped) {
    harness().FillFrame(0x77);
    PlayChunk(800, 600, 7, DeltaData({{0, 5, {255, 0, 255, 0, 255, 0, 33, 1, 1, 2, 0, uint8_t(-20), 3, 4}}}));
    EXPECT_EQ(Pixel(798, 0), 1);
    EXPECT_EQ(Pixel(799, 0), 2);
    EXPECT_EQ(Pixel(0, 1), 0x77) << "nothing wraps onto the next row";
}

// ---- traces -------------------------------------------------------------------

TEST_F(FlicDecoders, EveryChunkOfAFrameIsTraced) {
    const Bytes frame = flc::MakeFrame({flc::MakeChunk(18, Bytes(4, 0)), flc::MakeChunk(4, Bytes{0, 0}),
                                        flc::MakeChunk(15, Bytes{1, 2, 9}), flc::MakeChunk(16, Bytes(2, 1)),
                                        flc::MakeChunk(7, Bytes{0, 0}), flc::MakeChunk(13, {})});
    Load(FlcOf(2, 1, {frame}));
    Step();
    posix::ClearDebugOutput();
    Step();
    EXPECT_EQ(posix::DebugOutput(),
              "\nHeader addr.: 160\nHeader type: 18\n\n"
              "\nHeader addr.: 170\nHeader type: 4\n\n"
              "\nHeader addr.: 178\nHeader type: 15\n\nByte Run\n\n"
              "\nHeader addr.: 188\nHeader type: 16\n\nFli Copy\n\n"
              "\nHeader addr.: 196\nHeader type: 7\n\nDelta Flc\n\n"
              "\nHeader addr.: 204\nHeader type: 13\n\n");
}

}  // namespace
}  // namespace quibac
