// How the door animation's frames are made: loops that close on themselves,
// falling snow that comes round to where it started, dither patterns that
// the FLC packets store cheaply, and still parts that keep their palette
// indices from frame to frame.
#ifdef QUIBAC_ARTGEN

#include "door_animation.h"
#include "door_parts.h"
#include "layout.h"
#include "palette.h"
#include "quantize.h"

#include "show/calendar.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <memory>
#include <set>

namespace artgen {
namespace {

RgbImage Draw(void (*draw)(cairo_t*, double), double phase) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kCanvasWidth, kCanvasHeight);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0.1, 0.2, 0.4);
    cairo_paint(cr);
    draw(cr, phase);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    RgbImage out(kCanvasWidth, kCanvasHeight);
    const unsigned char* data = cairo_image_surface_get_data(s);
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) {
            const uint32_t p =
                reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(cairo_image_surface_get_stride(s)))[x];
            out.at(x, y) = Rgb{uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
        }
    cairo_surface_destroy(s);
    return out;
}

TEST(ArtDoorFrames, LoopPhaseClosesTheCycle) {
    // Seven frames: the first and the last are the same moment, the five
    // between step evenly round the loop.
    EXPECT_EQ(parts::LoopPhase(0, 7), 0.0);
    EXPECT_EQ(parts::LoopPhase(6, 7), 0.0);
    for (int f = 1; f < 6; ++f) EXPECT_DOUBLE_EQ(parts::LoopPhase(f, 7), f / 6.0);
    EXPECT_EQ(parts::LoopPhase(0, 1), 0.0);
    EXPECT_DOUBLE_EQ(parts::LoopPhase(2, 4), 2 / 3.0);
}

TEST(ArtDoorFrames, SnowfallComesRoundToWhereItStarted) {
    auto snow = [](cairo_t* cr, double phase) { parts::Snowfall(cr, {7, 9, 96, 18, 1.4, 3.0, 0.9}, phase, 0, 600); };
    const RgbImage start = Draw(snow, 0), end = Draw(snow, 1), middle = Draw(snow, 0.5);
    EXPECT_TRUE(start.pixels == end.pixels);
    EXPECT_FALSE(start.pixels == middle.pixels);
}

// A vertical ramp between colours the fixed palette does not hold.
RgbImage Ramp() {
    RgbImage ramp(64, 48);
    for (int y = 0; y < ramp.height; ++y)
        for (int x = 0; x < ramp.width; ++x)
            ramp.at(x, y) = Rgb{uint8_t(60 + y), uint8_t(90 + y), uint8_t(140 + y / 2)};
    return ramp;
}

TEST(ArtDoorFrames, PairedPatternRepeatsAlongEachRowOfAVerticalRamp) {
    ColourMatcher matcher(FixedPalette());
    const IndexedImage q = Quantize(Ramp(), matcher, Dither::Paired);
    std::set<uint8_t> used(q.pixels.begin(), q.pixels.end());
    EXPECT_GE(used.size(), 2u) << "the ramp is dithered, not one flat band";
    for (int y = 0; y < q.height; ++y)
        for (int x = 2; x < q.width; ++x) ASSERT_EQ(q.at(x, y), q.at(x - 2, y)) << x << "," << y;
}

TEST(ArtDoorFrames, RowPatternKeepsEachRowOfAVerticalRampOneEntry) {
    ColourMatcher matcher(FixedPalette());
    const IndexedImage q = Quantize(Ramp(), matcher, Dither::Rows);
    std::set<uint8_t> used(q.pixels.begin(), q.pixels.end());
    EXPECT_GE(used.size(), 2u);
    for (int y = 0; y < q.height; ++y)
        for (int x = 1; x < q.width; ++x) ASSERT_EQ(q.at(x, y), q.at(0, y)) << x << "," << y;
}

TEST(ArtDoorFrames, PatternsLeaveExactColoursFlat) {
    const Palette p = FixedPalette();
    RgbImage flat(32, 32, p.colours[13]);
    ColourMatcher matcher(p);
    for (Dither d : {Dither::Paired, Dither::Rows}) {
        const IndexedImage q = Quantize(flat, matcher, d);
        EXPECT_EQ(std::set<uint8_t>(q.pixels.begin(), q.pixels.end()), std::set<uint8_t>{13});
    }
}

// A test door: a ramp with a box, and a ball that goes round a circle.
void TestStill(cairo_t* cr) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 600);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.2, 0.3, 0.6);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.7, 0.8, 0.9);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_rectangle(cr, 500, 300, 200, 200);
    cairo_set_source_rgb(cr, 0.8, 0.1, 0.2);
    cairo_fill(cr);
}
void TestMoving(cairo_t* cr, int frame, int frames) {
    const double a = 2 * kPi * parts::LoopPhase(frame, frames);
    cairo_arc(cr, 200 + 60 * std::cos(a), 300 + 60 * std::sin(a), 20, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 1, 0.9, 0.2);
    cairo_fill(cr);
}

TEST(ArtDoorFrames, StillPartsKeepTheirIndicesInEveryFrame) {
    std::vector<std::unique_ptr<DoorPainter>> painters;
    painters.push_back(std::make_unique<DoorPainter>(DoorArt{1, TestStill, nullptr}, 1));
    painters.push_back(std::make_unique<DoorPainter>(DoorArt{2, TestStill, TestMoving}, 5));
    ColourMatcher matcher(FixedPalette());
    const std::vector<IndexedImage> frames = RenderAdventFrames(painters, matcher);
    ASSERT_EQ(frames.size(), 6u);
    // The first picture is flat-mapped, the others patterned.
    EXPECT_EQ(frames[0].pixels, Quantize(painters[0]->still(), matcher, Dither::None).pixels);
    const IndexedImage still = Quantize(painters[1]->still(), matcher, Dither::Paired);
    size_t moved = 0;
    for (size_t f = 1; f < frames.size(); ++f) {
        const RgbImage rgb = painters[1]->Frame(int(f) - 1);
        for (size_t i = 0; i < rgb.pixels.size(); ++i) {
            if (rgb.pixels[i] == painters[1]->still().pixels[i]) {
                ASSERT_EQ(frames[f].pixels[i], still.pixels[i]) << "frame " << f << " pixel " << i;
            } else {
                ++moved;
            }
        }
    }
    EXPECT_GT(moved, 0u);
    EXPECT_EQ(frames[1].pixels, frames[5].pixels) << "the loop's last frame is its first moment again";
    EXPECT_NE(frames[2].pixels, frames[1].pixels);
}

TEST(ArtDoorFrames, PaintersRefuseALayerThatDisagreesWithTheFrameCount) {
    EXPECT_THROW(DoorPainter(DoorArt{3, TestStill, nullptr}, 4), std::logic_error);
    EXPECT_THROW(DoorPainter(DoorArt{3, TestStill, TestMoving}, 1), std::logic_error);
    EXPECT_THROW(DoorPainter(DoorArt{3, nullptr, nullptr}, 1), std::logic_error);
}

TEST(ArtDoorFrames, EveryLoopingDoorClosesItsCycleAndDayEighteenHolds) {
    const std::vector<std::unique_ptr<DoorPainter>> painters = MakeDoorPainters();
    const quibac::DoorTableType table = quibac::InitialDoorTable();
    ASSERT_EQ(painters.size(), 25u);
    for (const auto& p : painters) {
        const quibac::DoorDay& d = table[size_t(p->day())];
        ASSERT_EQ(p->frameCount(), d.FrameCount) << "day " << p->day();
        if (!d.Loops) continue;
        // The last frame is the first moment of the cycle again, so that the
        // jump back to the second frame is one ordinary step.
        EXPECT_TRUE(p->Frame(d.FrameCount - 1).pixels == p->Frame(0).pixels) << "day " << p->day();
        EXPECT_FALSE(p->Frame(1).pixels == p->Frame(0).pixels) << "day " << p->day();
    }
    const DoorPainter& story = *painters[17];
    const RgbImage beat = story.Frame(10);
    for (int f : {11, 12, 13}) EXPECT_TRUE(story.Frame(f).pixels == beat.pixels) << "frame " << f;
    EXPECT_FALSE(story.Frame(14).pixels == beat.pixels);
}

}  // namespace
}  // namespace artgen

#endif
