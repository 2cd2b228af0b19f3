// The renderer's GIF writer on frames made to reach its rarer paths: a frame
// in colours the first frame's table lacks, an unchanged frame, and a frame
// whose changed area uses every index, so none is left to mean "as before".
// ImageMagick reads each file back; every frame must be the picture given.
#include "gif_animation.h"

#include "support/run_program.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quibac::render {
namespace {

constexpr int kWidth = 32, kHeight = 16;
constexpr int kFps = 10;
using Picture = std::vector<uint32_t>;

Picture Filled(uint32_t rgb) { return Picture(size_t(kWidth) * kHeight, rgb); }

// The saver's table: grey levels 0, 1, ..., 255 (0x000000 to 0xFFFFFF in steps).
ColourTable Greys() {
    ColourTable table;
    for (uint32_t k = 0; k < 256; ++k) table.push_back(k * 0x010101);
    return table;
}

struct GifCase {
    const char* name;
    std::vector<Picture> frames;
};

std::vector<GifCase> Cases() {
    const ColourTable greys = Greys();
    Picture dot = Filled(0x000000);
    dot[17] = 0x808080;
    Picture reds = dot;  // colours the grey table lacks
    for (size_t i = 0; i < 40; ++i) reds[i] = 0x100000 * uint32_t(i % 8 + 1);
    // Every pixel changes, to every one of the 256 greys.
    Picture halfTurn = Filled(0), everyGrey = Filled(0);
    for (size_t i = 0; i < everyGrey.size(); ++i) {
        halfTurn[i] = greys[(i + 128) % 256];
        everyGrey[i] = greys[i % 256];
    }
    Picture backToBlack = everyGrey;
    for (size_t i = 0; i < backToBlack.size(); i += 3) backToBlack[i] = 0x000000;
    return {
        {"other-colours", {dot, reds, dot}},
        {"unchanged", {dot, dot, dot}},
        {"every-index-used", {halfTurn, everyGrey, backToBlack}},
    };
}

TEST(GifAnimationTest, EveryFrameReadsBackAsThePictureGiven) {
    const ColourTable greys = Greys();
    for (const GifCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        testing::TempFolder folder;
        const std::string path = folder.Path("case.gif");
        {
            GifAnimation gif;
            ASSERT_EQ(gif.Open(path, kWidth, kHeight, kFps), "");
            for (const Picture& frame : c.frames) ASSERT_EQ(gif.AddFrame(frame, IndexFrame(frame, greys)), "");
            ASSERT_EQ(gif.Finish(), "");
        }
        const testing::ProgramRun convert = testing::RunProgram({"convert", path, "-coalesce", "-depth", "8", "rgb:-"});
        ASSERT_EQ(convert.exitCode, 0) << convert.errors;
        const size_t frameBytes = size_t(kWidth) * kHeight * 3;
        ASSERT_EQ(convert.output.size(), frameBytes * c.frames.size());
        for (size_t f = 0; f < c.frames.size(); ++f) {
            const auto* rgb = reinterpret_cast<const uint8_t*>(convert.output.data()) + f * frameBytes;
            int wrong = 0;
            for (size_t i = 0; i < c.frames[f].size(); ++i) {
                const uint32_t shown = (uint32_t(rgb[3 * i]) << 16) | (uint32_t(rgb[3 * i + 1]) << 8) | rgb[3 * i + 2];
                wrong += shown != c.frames[f][i];
            }
            EXPECT_EQ(wrong, 0) << "frame " << f;
        }
    }
}

}  // namespace
}  // namespace quibac::render
