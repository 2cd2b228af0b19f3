// The independent check: FFmpeg decodes every frame the encoder writes back
// to the frame it was given, pixel for pixel, with the palette it was given.
#include "flc/flc_writer.h"
#include "support/ffmpeg_decode.h"
#include "support/flc_samples.h"

#include <gtest/gtest.h>

namespace quibac {
namespace {

using testing::Disturb;
using testing::NoisePicture;
using testing::ScenePicture;

// Frames a reader must show: every given frame, then the ring frame, which
// shows frame 0 again; and, for the packing the saver's own headers take,
// the same frames without the ring frame.
void ExpectFfmpegShows(const flc::Animation& given) {
    flc::Animation packed = given;
    packed.Packing = flc::DeltaPacking::Packets;
    packed.RingFrame = false;
    for (const flc::Animation& a : {given, packed}) {
        SCOPED_TRACE(a.Packing == flc::DeltaPacking::Spans ? "spans" : "packets");
        const flc::Bytes file = flc::EncodeFlc(a);
        const testing::FfmpegDecoding d = testing::DecodeWithFfmpeg(file, a.Width, a.Height);
        ASSERT_TRUE(d.Ok) << d.Error;
        EXPECT_TRUE(d.Error.empty()) << "FFmpeg complained: " << d.Error;
        ASSERT_EQ(d.Frames.size(), a.Frames.size() + (a.RingFrame ? 1 : 0));
        for (size_t i = 0; i < d.Frames.size(); ++i) {
            const flc::Bytes& expected = i < a.Frames.size() ? a.Frames[i] : a.Frames[0];
            const std::vector<uint8_t>& got = d.Frames[i].Indices;
            ASSERT_EQ(got.size(), expected.size());
            size_t wrong = 0, first = 0;
            for (size_t p = 0; p < got.size(); ++p)
                if (got[p] != expected[p] && wrong++ == 0) first = p;
            EXPECT_EQ(wrong, 0u) << a.Width << " x " << a.Height << ", frame " << i << ": first difference at column "
                                 << first % size_t(a.Width) << ", row " << first / size_t(a.Width);
            for (size_t k = 0; k < 256; ++k) {
                const flc::Colour& c = a.Colours[k];
                ASSERT_EQ(d.Frames[i].Palette[k], (uint32_t(c.Red) << 16) | (uint32_t(c.Green) << 8) | c.Blue)
                    << "entry " << k;
            }
        }
    }
}

flc::Animation Frames(int width, int height, std::vector<flc::Bytes> frames) {
    flc::Animation a;
    a.Width = width;
    a.Height = height;
    a.Colours = testing::SamplePalette();
    a.Frames = std::move(frames);
    return a;
}

TEST(FlcFfmpeg, NoiseFlatAreasSmallChangesAndRepeats) {
    const int w = 64, h = 48;
    const flc::Bytes noise = NoisePicture(w, h, 1);
    const flc::Bytes half = Disturb(noise, 2, 128);
    const flc::Bytes speck = Disturb(half, 3, 1);
    const flc::Bytes flat(size_t(w * h), 17);
    ExpectFfmpegShows(Frames(w, h, {noise, half, half, speck, NoisePicture(w, h, 4), flat, flat, noise}));
}

TEST(FlcFfmpeg, FullCanvasScenesWithNewLooksAndAStamp) {
    flc::Animation a = testing::SceneAnimation(800, 600, 12, 5);
    a.Frames[7] = a.Frames[6];
    a.PostageStamp = true;
    ExpectFfmpegShows(a);
}

// Whether pairs can cover every step (the ring frame's included) of an
// odd-width animation: each changed line keeps the colour of some column at
// an even position.
bool PairsCoverEveryLine(const std::vector<flc::Bytes>& frames, int w, int h) {
    for (size_t i = 0; i < frames.size(); ++i) {
        const flc::Bytes& from = frames[i];
        const flc::Bytes& to = frames[(i + 1) % frames.size()];
        for (int y = 0; y < h; ++y) {
            bool changed = false, evenKept = false;
            for (int x = 0; x < w; ++x) {
                const bool same = from[size_t(y * w + x)] == to[size_t(y * w + x)];
                changed |= !same;
                evenKept |= same && x % 2 == 0;
            }
            if (changed && !evenKept) return false;
        }
    }
    return true;
}

TEST(FlcFfmpeg, OddWidths) {
    // Changes everywhere, except that every line keeps one column at an even
    // position: without one, pairs cannot cover an odd-width line and the
    // encoder needs the last-byte opcode, which FFmpeg places elsewhere (see
    // LastByteOpcode below).
    for (int w : {799, 5, 3}) {
        SCOPED_TRACE(w);
        const int h = w > 100 ? 600 : 9;
        std::vector<flc::Bytes> frames;
        frames.push_back(ScenePicture(w, h, 0));
        frames.push_back(Disturb(frames.back(), 10, 100));
        frames.push_back(frames.back());
        frames.push_back(ScenePicture(w, h, 3));
        flc::Bytes edge = frames.back();
        for (int y = 0; y < h; y += 2) edge[size_t(y) * size_t(w) + size_t(w - 1)] ^= 0x0F;  // only the last column
        frames.push_back(edge);
        frames.push_back(Disturb(edge, 11, 128));
        for (int y = 0; y < h; ++y) {
            // Column 2 of every line stays as frame 0 has it.
            const uint8_t keep = frames[0][size_t(y * w + 2)];
            for (flc::Bytes& f : frames) f[size_t(y * w + 2)] = keep;
        }
        ASSERT_TRUE(PairsCoverEveryLine(frames, w, h));
        ExpectFfmpegShows(Frames(w, h, frames));
    }
}

TEST(FlcFfmpeg, LongRunsAndWideGaps) {
    const int w = 800, h = 4;
    flc::Bytes a(size_t(w * h), 3);
    flc::Bytes b = a;
    for (int x = 0; x < 700; ++x) b[size_t(x)] = uint8_t(x % 2 ? 40 : 41);  // 350 equal pairs
    b[size_t(w) + 799] = 9;                                                 // a gap of 799 columns
    b[size_t(2 * w) + 1] = 9;
    b[size_t(2 * w) + 798] = 9;
    for (int x = 0; x < 600; ++x) b[size_t(3 * w + x)] = uint8_t(x * 7);  // longer than one literal
    ExpectFfmpegShows(Frames(w, h, {a, b, a, b}));
}

// FFmpeg writes a last-byte opcode's pixel at the end of its own padded row,
// not at the line's last column. The encoder only needs the opcode when every
// column of an odd-width line changed; there FFmpeg agrees on all other
// columns, and the player's tests check the last one.
TEST(FlcFfmpeg, LastByteOpcode) {
    const int w = 7, h = 3;
    const flc::Bytes ones(size_t(w * h), 1);
    const flc::Bytes twos(size_t(w * h), 2);
    const flc::Bytes file = flc::EncodeFlc(Frames(w, h, {ones, twos}));
    const testing::FfmpegDecoding d = testing::DecodeWithFfmpeg(file, w, h);
    ASSERT_TRUE(d.Ok) << d.Error;
    ASSERT_EQ(d.Frames.size(), 3u);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w - 1; ++x) EXPECT_EQ(d.Frames[1].Indices[size_t(y * w + x)], 2);
        EXPECT_EQ(d.Frames[1].Indices[size_t(y * w + w - 1)], 1) << "FFmpeg leaves the last column as it was";
    }
}

}  // namespace
}  // namespace quibac
