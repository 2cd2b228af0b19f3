#include "quantize.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace artgen {

namespace {

constexpr uint16_t kUnknown = 0xFFFF;
// A pixel this close to an entry is taken as that entry and its small error
// is dropped: flat areas stay flat instead of growing a sprinkle of dots.
// Gradients, whose neighbouring entries lie further apart, are still dithered.
constexpr int32_t kCloseEnough = 3 + 4 + 2;
// Spread of the ordered dithers, in colour levels.
constexpr int kOrderedAmplitude = 10;
constexpr int kPairedAmplitude = 20;

constexpr std::array<std::array<int, 2>, 2> kBayer2 = {{{0, 2}, {3, 1}}};
constexpr std::array<int, 4> kRowOrder = {0, 2, 1, 3};

constexpr std::array<std::array<int, 8>, 8> kBayer = {{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};

int Clamp(int v) { return std::clamp(v, 0, 255); }

}  // namespace

ColourMatcher::ColourMatcher(const Palette& palette) : palette_(palette), cache_(size_t(1) << 24, kUnknown) {}

uint8_t ColourMatcher::Nearest(int r, int g, int b) {
    uint16_t& slot = cache_[(size_t(r) << 16) | (size_t(g) << 8) | size_t(b)];
    if (slot != kUnknown) return uint8_t(slot);
    int best = kBackgroundIndex;
    int32_t bestDistance = INT32_MAX;
    // The background entry comes first, so pure white always maps to it.
    for (int step = 0; step <= kPaletteSize; ++step) {
        const int i = step == 0 ? int(kBackgroundIndex) : step - 1;
        if (!palette_.matchable[size_t(i)]) continue;
        const Rgb c = palette_.colours[size_t(i)];
        const int32_t d = ColourDistance(r, g, b, c.r, c.g, c.b);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    slot = uint16_t(best);
    return uint8_t(best);
}

IndexedImage Quantize(const RgbImage& image, ColourMatcher& matcher, Dither dither) {
    IndexedImage out;
    out.width = image.width;
    out.height = image.height;
    out.pixels.resize(size_t(image.width) * size_t(image.height));
    const PaletteTable& colours = matcher.palette().colours;

    if (dither != Dither::ErrorDiffusion) {
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const Rgb c = image.at(x, y);
                int offset = 0;
                if (dither != Dither::None) {
                    if (dither == Dither::Ordered)
                        offset = ((2 * kBayer[size_t(y & 7)][size_t(x & 7)] + 1 - 64) * kOrderedAmplitude) / 128;
                    else if (dither == Dither::Paired)
                        offset = ((2 * kBayer2[size_t(y & 1)][size_t(x & 1)] + 1 - 4) * kPairedAmplitude) / 8;
                    else
                        offset = ((2 * kRowOrder[size_t(y & 3)] + 1 - 4) * kPairedAmplitude) / 8;
                    const uint8_t exact = matcher.Nearest(c.r, c.g, c.b);
                    const Rgb e = colours[exact];
                    if (ColourDistance(c.r, c.g, c.b, e.r, e.g, e.b) <= kCloseEnough) offset = 0;
                }
                out.pixels[size_t(y) * size_t(image.width) + size_t(x)] =
                    matcher.Nearest(Clamp(c.r + offset), Clamp(c.g + offset), Clamp(c.b + offset));
            }
        }
        return out;
    }

    // Errors in sixteenths, for this row and the next, with a pixel of margin
    // at both ends.
    const size_t w = size_t(image.width) + 2;
    std::vector<std::array<int, 3>> current(w), next(w);
    for (int y = 0; y < image.height; ++y) {
        std::fill(next.begin(), next.end(), std::array<int, 3>{0, 0, 0});
        const bool leftToRight = (y % 2) == 0;
        for (int step = 0; step < image.width; ++step) {
            const int x = leftToRight ? step : image.width - 1 - step;
            const int dir = leftToRight ? 1 : -1;
            const size_t k = size_t(x) + 1;
            const Rgb c = image.at(x, y);
            uint8_t index = matcher.Nearest(c.r, c.g, c.b);
            const Rgb e = colours[index];
            std::array<int, 3> err{0, 0, 0};
            if (ColourDistance(c.r, c.g, c.b, e.r, e.g, e.b) > kCloseEnough) {
                const int r = Clamp(c.r + current[k][0] / 16);
                const int g = Clamp(c.g + current[k][1] / 16);
                const int b = Clamp(c.b + current[k][2] / 16);
                index = matcher.Nearest(r, g, b);
                const Rgb q = colours[index];
                err = {r - q.r, g - q.g, b - q.b};
            }
            out.pixels[size_t(y) * size_t(image.width) + size_t(x)] = index;
            for (int ch = 0; ch < 3; ++ch) {
                current[size_t(long(k) + dir)][size_t(ch)] += err[size_t(ch)] * 7;
                next[size_t(long(k) - dir)][size_t(ch)] += err[size_t(ch)] * 3;
                next[k][size_t(ch)] += err[size_t(ch)] * 5;
                next[size_t(long(k) + dir)][size_t(ch)] += err[size_t(ch)] * 1;
            }
        }
        std::swap(current, next);
    }
    return out;
}

}  // namespace artgen
