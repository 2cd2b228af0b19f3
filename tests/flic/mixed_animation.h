// An 800 x 600 animation with every chunk kind the player decodes and every
// DELTA_FLC opcode, with the picture and palette each frame must leave.
#pragma once

#include "flc/flc_writer.h"
#include "support/flc_samples.h"

#include <utility>
#include <vector>

namespace quibac::testing {

// Writes DELTA_FLC data by hand and applies each step to a picture as the
// format defines it, so the picture is what a reader must show afterwards.
class DeltaScript {
public:
    DeltaScript(flc::Bytes& picture, int width) : picture_(picture), width_(width) { flc::PutU16(data_, 0); }

    DeltaScript& SkipLines(int n) {
        flc::PutU16(data_, uint32_t(0x10000 - n));
        y_ += n;
        return *this;
    }
    DeltaScript& Ignored(uint16_t low) {
        flc::PutU16(data_, 0x4000u | (low & 0x3FFFu));
        return *this;
    }
    DeltaScript& LastByte(uint8_t v) {
        flc::PutU16(data_, 0x8000u | v);
        last_ = v;
        hasLast_ = true;
        return *this;
    }
    // Starts the line's packets: the packet count word is patched at EndLine.
    DeltaScript& BeginPackets() {
        countAt_ = data_.size();
        flc::PutU16(data_, 0);
        packets_ = 0;
        x_ = 0;
        return *this;
    }
    DeltaScript& Literal(int skip, const std::vector<uint8_t>& pairs) {
        Head(skip, int8_t(pairs.size() / 2));
        for (uint8_t v : pairs) {
            data_.push_back(v);
            Put(x_++, v);
        }
        return *this;
    }
    DeltaScript& Replicate(int skip, uint8_t a, uint8_t b, int count) {
        Head(skip, int8_t(-count));
        data_.push_back(a);
        data_.push_back(b);
        for (int i = 0; i < count; ++i) {
            Put(x_++, a);
            Put(x_++, b);
        }
        return *this;
    }
    DeltaScript& Move(int skip) {
        Head(skip, 0);
        return *this;
    }
    DeltaScript& EndLine() {
        flc::PatchU16(data_, countAt_, uint32_t(packets_));
        if (hasLast_) Put(width_ - 1, last_);
        hasLast_ = false;
        ++y_;
        ++lines_;
        return *this;
    }
    flc::Bytes Chunk() {
        flc::PatchU16(data_, 0, uint32_t(lines_));
        return flc::MakeChunk(7, data_);
    }

private:
    void Head(int skip, int8_t count) {
        data_.push_back(uint8_t(skip));
        data_.push_back(uint8_t(count));
        x_ += skip;
        ++packets_;
    }
    void Put(int x, uint8_t v) {
        if (x >= 0 && x < width_) picture_[size_t(y_) * size_t(width_) + size_t(x)] = v;
    }

    flc::Bytes& picture_;
    int width_;
    flc::Bytes data_;
    size_t countAt_ = 0;
    int packets_ = 0;
    int lines_ = 0;
    int x_ = 0;
    int y_ = 0;
    bool hasLast_ = false;
    uint8_t last_ = 0;
};

struct MixedAnimation {
    flc::Bytes File;
    // What every stored frame leaves, the ring frame's included.
    std::vector<flc::Bytes> Pictures;
    std::vector<flc::Palette> Palettes;
    // The frame with last-byte opcodes and the pixels they place; the frame
    // after it has no chunks, and the one after that repaints every pixel.
    size_t LastByteFrame = 0;
    std::vector<std::pair<int, int>> LastBytePixels;
};

// frame 0: thumbnail, palette and BYTE_RUN picture; 1: an encoded delta;
// 2: a hand-written delta with every opcode and packet kind, the last-byte
// opcode on column 799 included; 3: no chunks; 4: FLI_COPY picture; 5: a
// two-packet colour change and an encoded delta to a new look; the ring
// frame: the palette again and the delta back to frame 0.
inline MixedAnimation MakeMixedAnimation() {
    constexpr int w = 800, h = 600;
    MixedAnimation m;
    std::vector<flc::Bytes> frames;
    flc::Palette palette = SamplePalette();
    auto keep = [&](const flc::Bytes& picture) {
        m.Pictures.push_back(picture);
        m.Palettes.push_back(palette);
    };

    flc::Bytes picture = ScenePicture(w, h, 0);
    frames.push_back(flc::MakeFrame({flc::PostageStampChunk(picture.data(), w, h, palette),
                                     flc::Colour256Chunk(palette), flc::ByteRunChunk(picture.data(), w, h)}));
    keep(picture);
    const flc::Bytes first = picture;

    flc::Bytes next = ScenePicture(w, h, 1);
    frames.push_back(flc::MakeFrame({flc::DeltaFlcChunk(picture.data(), next.data(), w, h)}));
    picture = next;
    keep(picture);

    DeltaScript s(picture, w);
    s.SkipLines(3).BeginPackets().Literal(5, {1, 2, 3, 4}).Replicate(10, 7, 8, 20).Replicate(0, 9, 9, 128).EndLine();
    s.SkipLines(2).SkipLines(4).Ignored(0x123).BeginPackets().Move(255).Move(255).Literal(250, {60, 61}).EndLine();
    s.LastByte(0x42).BeginPackets().Literal(0, {5, 6}).EndLine();
    s.Ignored(1).LastByte(0x43).BeginPackets().Move(255).Move(255).Move(255).Literal(32, {70, 71}).EndLine();
    s.SkipLines(500).BeginPackets().Literal(0, std::vector<uint8_t>(254, 11)).Replicate(0, 12, 13, 1).EndLine();
    frames.push_back(flc::MakeFrame({s.Chunk()}));
    keep(picture);
    m.LastByteFrame = 2;
    m.LastBytePixels = {{799, 11}, {799, 12}};

    frames.push_back(flc::MakeFrame({}));
    keep(picture);

    picture = Disturb(NoisePicture(w, h, 5), 6, 40);
    frames.push_back(flc::MakeFrame({flc::FliCopyChunk(picture.data(), w, h)}));
    keep(picture);

    // Two packets: entries 10 and 11, then 17.
    flc::Bytes colourData{2, 0, 10, 2, 1, 2, 3, 4, 5, 6, 5, 1, 7, 8, 9};
    palette[10] = {1, 2, 3};
    palette[11] = {4, 5, 6};
    palette[17] = {7, 8, 9};
    next = ScenePicture(w, h, 2, 1);
    frames.push_back(
        flc::MakeFrame({flc::MakeChunk(4, colourData), flc::DeltaFlcChunk(picture.data(), next.data(), w, h)}));
    picture = next;
    keep(picture);

    palette = SamplePalette();
    frames.push_back(
        flc::MakeFrame({flc::Colour256Chunk(palette), flc::DeltaFlcChunk(picture.data(), first.data(), w, h)}));
    picture = first;
    keep(picture);

    m.File = flc::AssembleFlc(flc::HeaderFields{w, h, int(frames.size()) - 1, 70}, flc::PrefixChunk(), frames);
    return m;
}

}  // namespace quibac::testing
