#include "support/flc_samples.h"

#include <algorithm>
#include <random>

namespace quibac::testing {

flc::Palette SamplePalette() {
    flc::Palette p{};
    for (int k = 0; k < 256; ++k)
        p[size_t(k)] = flc::Colour{uint8_t(k), uint8_t((k * 77 + 40) & 0xFF), uint8_t((k * 151 + 90) & 0xFF)};
    p[0] = {0, 0, 0};
    p[255] = {255, 255, 255};
    return p;
}

flc::Bytes NoisePicture(int width, int height, uint32_t seed) {
    std::mt19937 rng(seed);
    flc::Bytes out(size_t(width) * size_t(height));
    for (uint8_t& v : out) v = uint8_t(rng() >> 24);
    return out;
}

flc::Bytes Disturb(const flc::Bytes& picture, uint32_t seed, int chancePer256) {
    std::mt19937 rng(seed);
    flc::Bytes out = picture;
    for (uint8_t& v : out) {
        const uint32_t r = rng();
        if (int(r & 0xFF) < chancePer256) v = uint8_t(r >> 24);
    }
    return out;
}

flc::Bytes ScenePicture(int width, int height, int t, int look) {
    flc::Bytes out(size_t(width) * size_t(height));
    const int bandHeight = std::max(1, height / (6 + look % 5));
    for (int y = 0; y < height; ++y) {
        const uint8_t band = uint8_t(20 + (y / bandHeight) * 13 + look * 37);
        std::fill_n(out.begin() + std::ptrdiff_t(size_t(y) * size_t(width)), width, band);
    }
    auto rect = [&](int x0, int y0, int w, int h, uint8_t colour) {
        for (int y = std::max(0, y0); y < std::min(height, y0 + h); ++y)
            for (int x = std::max(0, x0); x < std::min(width, x0 + w); ++x)
                out[size_t(y) * size_t(width) + size_t(x)] = colour;
    };
    // Shapes that drift a few pixels per step, and one that changes colour.
    for (int s = 0; s < 5; ++s) {
        const int w = width / (6 + s) + 1;
        const int h = height / (5 + s) + 1;
        const int x = (s * width / 5 + t * (3 + s) + look * 50) % std::max(1, width);
        const int y = (s * height / 7 + t * (s % 3)) % std::max(1, height);
        rect(x, y, w, h, uint8_t(200 + s * 7 + look));
    }
    rect(width / 3, height / 2, width / 10 + 1, height / 10 + 1, uint8_t(t * 5));
    // A patch of fine detail, as lettering or texture gives.
    std::mt19937 rng(uint32_t(1000 + look));
    const int px = width / 8, py = height / 8, pw = width / 6 + 1, ph = height / 12 + 1;
    for (int y = py; y < std::min(height, py + ph); ++y)
        for (int x = px; x < std::min(width, px + pw); ++x)
            out[size_t(y) * size_t(width) + size_t(x)] = uint8_t(rng() >> 24);
    return out;
}

flc::Animation SceneAnimation(int width, int height, int frameCount, int lookEvery) {
    flc::Animation a;
    a.Width = width;
    a.Height = height;
    a.Colours = SamplePalette();
    for (int i = 0; i < frameCount; ++i) {
        const int look = lookEvery > 0 ? i / lookEvery : 0;
        a.Frames.push_back(ScenePicture(width, height, i, look));
    }
    return a;
}

}  // namespace quibac::testing
