// Decodes an animation with FFmpeg, the independent reader our files and our
// player are checked against. Every frame comes back as palette indices and
// the palette in force for it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quibac::testing {

struct FfmpegFrame {
    std::vector<uint8_t> Indices;         // width x height, top row first
    std::array<uint32_t, 256> Palette{};  // 0xRRGGBB
};

struct FfmpegDecoding {
    bool Ok = false;
    std::string Error;  // what went wrong, with FFmpeg's own messages
    std::vector<FfmpegFrame> Frames;
};

// Writes the bytes to a temporary file and decodes every stored frame (the
// ring frame included) without dropping or repeating any.
FfmpegDecoding DecodeWithFfmpeg(const std::vector<uint8_t>& file, int width, int height);

}  // namespace quibac::testing
