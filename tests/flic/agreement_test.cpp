// What reaches the frame buffer: the expected pictures at canvas size, the
// same bytes from the run paths as from one FlicPlot per pixel of each
// picture at every scale, and the same frames and palettes as FFmpeg decodes.
#include "flic_fixture.h"
#include "mixed_animation.h"
#include "reference_plotter.h"
#include "support/ffmpeg_decode.h"

#include <posix_control.h>

namespace quibac {
namespace {

class FlicAgreement : public testing::FlicTest {
protected:
    std::vector<uint32_t> Colours() {
        std::vector<uint32_t> out;
        for (int k = 0; k < 256; ++k) out.push_back(harness().ColourOf(uint8_t(k)));
        return out;
    }
    static std::vector<uint32_t> Colours(const flc::Palette& p) {
        std::vector<uint32_t> out;
        for (const flc::Colour& c : p) out.push_back((uint32_t(c.Red) << 16) | (uint32_t(c.Green) << 8) | c.Blue);
        return out;
    }
    static std::string Where(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int width) {
        if (a.size() != b.size()) return "sizes differ";
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i] != b[i])
                return "first difference at column " + std::to_string(i % size_t(width)) + ", row " +
                       std::to_string(i / size_t(width));
        return "equal";
    }
};

TEST_F(FlicAgreement, EveryFrameLeavesItsPictureAndPalette) {
    const testing::MixedAnimation m = testing::MakeMixedAnimation();
    Load(m.File);
    Step();
    for (size_t i = 0; i < m.Pictures.size(); ++i) {
        ASSERT_NE(Step(), 0u);
        const auto frame = Frame();
        EXPECT_TRUE(frame == m.Pictures[i]) << "frame " << i << ": " << Where(frame, m.Pictures[i], 800);
        EXPECT_EQ(Colours(), Colours(m.Palettes[i])) << "frame " << i;
    }
    EXPECT_EQ(Step(), 0u);
}

TEST_F(FlicAgreement, RunPathsGiveWhatFlicPlotGivesAtEveryScale) {
    const testing::MixedAnimation m = testing::MakeMixedAnimation();
    // Centred, stretched up (with row padding at 1366), stretched down to a
    // preview's size, and up to 4K.
    struct Output {
        int width, height;
        bool stretch;
    };
    for (const Output& o : {Output{1024, 768, false}, Output{1366, 768, true}, Output{152, 112, true},
                            Output{1023, 601, true}, Output{3840, 2160, true}}) {
        SCOPED_TRACE(std::to_string(o.width) + " x " + std::to_string(o.height));
        UseOutput(o.width, o.height, o.stretch);
        harness().FillFrame(0x5C);
        *band_ = DateBand{};
        band_->BandCapture = true;
        Load(m.File, "BYRUN");
        Step();
        std::vector<std::vector<uint8_t>> byRun;
        while (Step() != 0) byRun.push_back(Frame());
        const DateBand bandByRun = *band_;
        ASSERT_EQ(byRun.size(), m.Pictures.size());

        // Frame 0 draws every canvas pixel, so from then on each frame must
        // hold what FlicPlot gives for every pixel of its picture.
        harness().FillFrame(0x5C);
        *band_ = DateBand{};
        band_->BandCapture = true;
        FlicPlayer byPixel;
        byPixel.Target = PlayerTarget(display(), *band_);
        for (size_t i = 0; i < m.Pictures.size(); ++i) {
            testing::PlotPictureByPixel(byPixel, m.Pictures[i]);
            const auto frame = Frame();
            EXPECT_TRUE(byRun[i] == frame) << "frame " << i << ": " << Where(byRun[i], frame, o.width);
        }
        EXPECT_TRUE(bandByRun.Pixels == band_->Pixels);
    }
}

TEST_F(FlicAgreement, EncodedAnimationsPlayBackExactly) {
    // Odd widths whose lines change in every column need the last-byte
    // opcode, which FFmpeg cannot check; the player places it.
    struct Case {
        int width, height;
    };
    for (const Case& c : {Case{799, 600}, Case{7, 5}, Case{800, 600}, Case{1, 3}}) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        flc::Animation a = testing::SceneAnimation(c.width, c.height, 4, 2);
        a.Frames.push_back(testing::NoisePicture(c.width, c.height, 9));
        a.Frames.push_back(flc::Bytes(a.Frames.back().size(), 3));
        const std::string name = "ROUNDTRIP" + std::to_string(c.width);
        harness().FillFrame(0);
        Load(flc::EncodeFlc(a), name.c_str());
        Step();
        for (size_t i = 0; i <= a.Frames.size(); ++i) {
            ASSERT_NE(Step(), 0u);
            const flc::Bytes& expected = a.Frames[i < a.Frames.size() ? i : 0];
            size_t wrong = 0;
            for (int y = 0; y < c.height; ++y)
                for (int x = 0; x < c.width; ++x) wrong += Pixel(x, y) != expected[size_t(y * c.width + x)];
            EXPECT_EQ(wrong, 0u) << "frame " << i;
        }
    }
}

// FFmpeg places a last-byte opcode's pixel at the end of its own padded
// row, outside the picture, so those pixels keep their earlier colours in its
// frames until a later frame paints them. Everything else agrees.
TEST_F(FlicAgreement, FfmpegDecodesTheSameFrames) {
    const testing::MixedAnimation m = testing::MakeMixedAnimation();
    const testing::FfmpegDecoding d = testing::DecodeWithFfmpeg(m.File, 800, 600);
    ASSERT_TRUE(d.Ok) << d.Error;
    ASSERT_EQ(d.Frames.size(), m.Pictures.size());
    Load(m.File);
    Step();
    for (size_t i = 0; i < d.Frames.size(); ++i) {
        ASSERT_NE(Step(), 0u);
        auto frame = Frame();
        if (i == m.LastByteFrame || i == m.LastByteFrame + 1) {
            for (auto [x, y] : m.LastBytePixels) {
                const size_t at = size_t(y) * 800 + size_t(x);
                EXPECT_EQ(d.Frames[i].Indices[at], m.Pictures[m.LastByteFrame - 1][at]) << "frame " << i;
                EXPECT_NE(frame[at], d.Frames[i].Indices[at]) << "frame " << i << ": the opcode placed a new colour";
                frame[at] = d.Frames[i].Indices[at];
            }
        }
        EXPECT_TRUE(frame == d.Frames[i].Indices) << "frame " << i << ": " << Where(frame, d.Frames[i].Indices, 800);
        EXPECT_EQ(Colours(), std::vector<uint32_t>(d.Frames[i].Palette.begin(), d.Frames[i].Palette.end()))
            << "frame " << i;
    }
}

}  // namespace
}  // namespace quibac
