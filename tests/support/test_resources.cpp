#include "support/test_resources.h"

#include "assets/bitmap_assets.h"
#include "assets/resource_names.h"
#include "display/canvas.h"
#include "flc/flc_writer.h"
#include "show/calendar.h"
#include "support/bitmap_builder.h"

#include <posix_control.h>

#include <algorithm>

namespace quibac::testing {

namespace {

constexpr int32_t kDatesFrames = 25;
constexpr int32_t kAdventFrames = 86;

flc::Palette TestPalette() {
    flc::Palette palette{};
    const auto colours = DistinctColours();
    for (size_t k = 0; k < palette.size(); ++k) palette[k] = flc::Colour{colours[k].r, colours[k].g, colours[k].b};
    return palette;
}

void FillRect(flc::Bytes& frame, int32_t x, int32_t y, int32_t w, int32_t h, uint8_t colour) {
    for (int32_t v = y; v < y + h; ++v) std::fill_n(frame.begin() + v * kCanvasWidth + x, w, colour);
}

flc::Bytes DatesFrame(int32_t k) {
    flc::Bytes frame(size_t(kCanvasWidth) * kCanvasHeight, kArtBackground);
    FillRect(frame, 0, kDateBarRow, kDateBarStep * (k + 1), 10, kMarkerColour);
    if (k < 24) FillRect(frame, 400, kDaysLeftRow, kDateBarStep * (24 - k), 10, 11);
    if (k == 24) FillRect(frame, 600, kGreetingRow, 100, 10, kMarkerColour);
    for (int32_t i = 0; i <= k; ++i) {
        frame[size_t(127) * kCanvasWidth + size_t(i)] = 12;
        frame[size_t(128) * kCanvasWidth + size_t(i)] = 13;
    }
    return frame;
}

flc::Bytes AdventFrame(int32_t f) {
    flc::Bytes frame(size_t(kCanvasWidth) * kCanvasHeight, kAdventBackground);
    FillRect(frame, 0, kAdventStripeRow, kCanvasWidth, kAdventStripeRows, AdventStripe(f));
    return frame;
}

void Add(HMODULE module, const char* name, int32_t frames, flc::Bytes (*draw)(int32_t)) {
    flc::Animation animation;
    animation.Width = kCanvasWidth;
    animation.Height = kCanvasHeight;
    animation.Colours = TestPalette();
    for (int32_t f = 0; f < frames; ++f) animation.Frames.push_back(draw(f));
    posix::AddResource(module, kFlicResourceType, name, flc::EncodeFlc(animation));
}

// A strip of frames side by side (or captions stacked), each filled with
// its own colour inside a border of the artwork's background.
std::vector<uint8_t> Strip(int32_t width, int32_t height, int32_t frameWidth, int32_t frameHeight,
                           uint8_t firstColour) {
    std::vector<uint8_t> pixels(size_t(width) * size_t(height), kArtBackground);
    for (int32_t v = 0; v < height; ++v) {
        for (int32_t u = 0; u < width; ++u) {
            const int32_t fu = u % frameWidth, fv = v % frameHeight;
            const int32_t index = u / frameWidth + v / frameHeight;
            const bool border = fu == 0 || fv == 0 || fu == frameWidth - 1 || fv == frameHeight - 1;
            if (!border && u < (width / frameWidth) * frameWidth)
                pixels[size_t(v) * size_t(width) + size_t(u)] = uint8_t(firstColour + index);
        }
    }
    return pixels;
}

}  // namespace

uint8_t AdventStripe(int32_t frame) {
    // Frames 57..59 are stored without chunks: they keep frame 56's picture.
    if (frame >= 57 && frame <= 59) frame = 56;
    return uint8_t(20 + frame);
}

void AddTestAnimations(HMODULE module) {
    Add(module, kDatesFlic, kDatesFrames, DatesFrame);
    Add(module, kAdventFlic, kAdventFrames, AdventFrame);
}

void AddTestBitmaps(HMODULE module) {
    const auto colours = DistinctColours();
    posix::AddResource(
        module, RT_BITMAP, kWalkAnim,
        MakeBitmapResource(kWalkStripWidth, kWalkStripHeight,
                           Strip(kWalkStripWidth, kWalkStripHeight, kWalkFrameWidth, kWalkStripHeight, 150), colours));
    posix::AddResource(
        module, RT_BITMAP, kWinkAnim,
        MakeBitmapResource(kWinkStripWidth, kWinkStripHeight,
                           Strip(kWinkStripWidth, kWinkStripHeight, kWinkFrameWidth, kWinkStripHeight, 160), colours));
    posix::AddResource(
        module, RT_BITMAP, kQuotes,
        MakeBitmapResource(kQuoteStripWidth, kQuoteStripHeight,
                           Strip(kQuoteStripWidth, kQuoteStripHeight, kQuoteStripWidth, kQuoteHeight, 170), colours));
    posix::AddResource(
        module, RT_BITMAP, kAdvert,
        MakeBitmapResource(kAdvertWidth, kAdvertHeight,
                           Strip(kAdvertWidth, kAdvertHeight, kAdvertWidth, kAdvertHeight, 180), colours));
    posix::AddResource(module, RT_BITMAP, kQuibLogo,
                       MakeBitmapResource(kLogoWidth, kLogoHeight,
                                          Strip(kLogoWidth, kLogoHeight, kLogoWidth, kLogoHeight, 190), colours));
}

}  // namespace quibac::testing
