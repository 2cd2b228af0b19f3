// Writes small valid animations into a folder, the seeds from which the
// player's fuzz target starts: every chunk kind the player decodes, odd and
// even widths, pictures wider and taller than the canvas.
// usage: flc_fuzz_seeds <folder>
#include "flc/flc_writer.h"

#include <cstdio>
#include <string>

namespace {

using namespace quibac::flc;

Palette Ramp() {
    Palette p{};
    for (int k = 0; k < kPaletteSize; ++k) p[size_t(k)] = Colour{uint8_t(k), uint8_t(255 - k), uint8_t(k * 3)};
    return p;
}

// A picture with flat areas and a block that moves with t.
Bytes Picture(int w, int h, int t) {
    Bytes out(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool block = x >= t && x < t + w / 3 && y >= t / 2 && y < t / 2 + h / 3;
            out[size_t(y) * size_t(w) + size_t(x)] = uint8_t(block ? 200 + t : (y / 3) * 10 + (x * 7 + y) % 3);
        }
    return out;
}

Animation Moving(int w, int h, int frames, bool stamp) {
    Animation a;
    a.Width = w;
    a.Height = h;
    a.Colours = Ramp();
    a.PostageStamp = stamp;
    for (int t = 0; t < frames; ++t) a.Frames.push_back(Picture(w, h, t));
    return a;
}

bool Write(const std::string& folder, const char* name, const Bytes& bytes) {
    const std::string path = folder + "/" + name;
    if (WriteFile(path, bytes)) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: flc_fuzz_seeds <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = true;
    ok &= Write(folder, "moving-16x8.flc", EncodeFlc(Moving(16, 8, 4, true)));
    ok &= Write(folder, "odd-7x5.flc", EncodeFlc(Moving(7, 5, 3, false)));
    ok &= Write(folder, "wide-810x3.flc", EncodeFlc(Moving(810, 3, 2, false)));
    ok &= Write(folder, "tall-3x610.flc", EncodeFlc(Moving(3, 610, 2, false)));

    // A palette and FLI_COPY picture, then a frame of two deltas and an
    // unchanged frame, assembled by hand.
    const int w = 12, h = 6;
    const Bytes a = Picture(w, h, 0), b = Picture(w, h, 2), c = Picture(w, h, 5);
    std::vector<Bytes> frames;
    frames.push_back(MakeFrame({Colour256Chunk(Ramp()), FliCopyChunk(a.data(), w, h)}));
    frames.push_back(MakeFrame({DeltaFlcChunk(a.data(), b.data(), w, h), DeltaFlcChunk(b.data(), c.data(), w, h)}));
    frames.push_back(MakeFrame({}));
    frames.push_back(MakeFrame({DeltaFlcChunk(c.data(), a.data(), w, h)}));
    ok &= Write(folder, "copy-12x6.flc", AssembleFlc(HeaderFields{w, h, 3, 70}, PrefixChunk(), frames));
    return ok ? 0 : 1;
}
