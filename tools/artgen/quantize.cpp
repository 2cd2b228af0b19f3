#include "quantize.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

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

using Error = std::array<int, 3>;

struct Choice {
    uint8_t index;
    Error error;  // what the entry misses of the colour, for the neighbours
};

// Floyd-Steinberg's running errors, in sixteenths, for the row being mapped
// and the next, with a pixel of margin at both ends. Rows are walked
// serpentine: left to right, then right to left.
class Diffusion {
public:
    Diffusion(int width, ColourMatcher& matcher)
        : matcher_(matcher), current_(size_t(width) + 2), next_(size_t(width) + 2) {}

    void StartRow() { std::fill(next_.begin(), next_.end(), Error{0, 0, 0}); }
    void EndRow() { std::swap(current_, next_); }

    Choice Choose(Rgb c, int x) {
        const size_t k = size_t(x) + 1;
        const PaletteTable& colours = matcher_.palette().colours;
        uint8_t index = matcher_.Nearest(c.r, c.g, c.b);
        const Rgb e = colours[index];
        if (ColourDistance(c.r, c.g, c.b, e.r, e.g, e.b) <= kCloseEnough) return {index, {0, 0, 0}};
        const int r = Clamp(c.r + current_[k][0] / 16);
        const int g = Clamp(c.g + current_[k][1] / 16);
        const int b = Clamp(c.b + current_[k][2] / 16);
        index = matcher_.Nearest(r, g, b);
        const Rgb q = colours[index];
        return {index, {r - q.r, g - q.g, b - q.b}};
    }

    // Hands the error of column x on to the pixels not yet mapped; dir is
    // the row's direction, +1 or -1.
    void Spread(int x, int dir, const Error& err) {
        const size_t k = size_t(x) + 1;
        for (size_t ch = 0; ch < 3; ++ch) {
            current_[size_t(long(k) + dir)][ch] += err[ch] * 7;
            next_[size_t(long(k) - dir)][ch] += err[ch] * 3;
            next_[k][ch] += err[ch] * 5;
            next_[size_t(long(k) + dir)][ch] += err[ch] * 1;
        }
    }

private:
    ColourMatcher& matcher_;
    std::vector<Error> current_, next_;
};

// The changed pixels and their surroundings: a seam of single pixels
// dithered apart from their neighbours would show as a line of flat colour
// where the ground's words were.
std::vector<uint8_t> RepaintedArea(const RgbImage& image, const RgbImage& ground) {
    std::vector<uint8_t> repaint(image.pixels.size());
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y) == ground.at(x, y)) continue;
            for (int v = std::max(0, y - kRepaintMargin); v <= std::min(image.height - 1, y + kRepaintMargin); ++v)
                for (int u = std::max(0, x - kRepaintMargin); u <= std::min(image.width - 1, x + kRepaintMargin); ++u)
                    repaint[size_t(v) * size_t(image.width) + size_t(u)] = 1;
        }
    return repaint;
}

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

    Diffusion diffusion(image.width, matcher);
    for (int y = 0; y < image.height; ++y) {
        diffusion.StartRow();
        const bool leftToRight = (y % 2) == 0;
        for (int step = 0; step < image.width; ++step) {
            const int x = leftToRight ? step : image.width - 1 - step;
            const Choice choice = diffusion.Choose(image.at(x, y), x);
            diffusion.Spread(x, leftToRight ? 1 : -1, choice.error);
            out.pixels[size_t(y) * size_t(image.width) + size_t(x)] = choice.index;
        }
        diffusion.EndRow();
    }
    return out;
}

IndexedImage QuantizeOver(const RgbImage& image, const RgbImage& ground, ColourMatcher& matcher) {
    if (image.width != ground.width || image.height != ground.height)
        throw std::logic_error("a picture is mapped over a ground of its size");
    IndexedImage out{image.width, image.height, std::vector<uint8_t>(image.pixels.size())};
    const std::vector<uint8_t> repaint = RepaintedArea(image, ground);
    // The ground's own diffusion runs alongside: outside the repainted area
    // its choice and its error are taken, so the picture's dithering neither
    // leaves that area nor meets it other than the ground's did.
    Diffusion mine(image.width, matcher), theirs(image.width, matcher);
    for (int y = 0; y < image.height; ++y) {
        mine.StartRow();
        theirs.StartRow();
        const bool leftToRight = (y % 2) == 0;
        const int dir = leftToRight ? 1 : -1;
        for (int step = 0; step < image.width; ++step) {
            const int x = leftToRight ? step : image.width - 1 - step;
            const Choice under = theirs.Choose(ground.at(x, y), x);
            theirs.Spread(x, dir, under.error);
            const Choice choice =
                !repaint[size_t(y) * size_t(image.width) + size_t(x)] ? under : mine.Choose(image.at(x, y), x);
            mine.Spread(x, dir, choice.error);
            out.pixels[size_t(y) * size_t(image.width) + size_t(x)] = choice.index;
        }
        mine.EndRow();
        theirs.EndRow();
    }
    return out;
}

}  // namespace artgen
