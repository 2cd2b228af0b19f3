// Writes 8-bit animations in the FLC format: a 128-byte header, one prefix
// item, frame 0 as a palette and a full picture, every later frame as the
// delta from its predecessor (no chunk at all where nothing changed), and,
// for players that loop, the ring frame that leads from the last frame back
// to frame 0. The same input always gives the same bytes.
#pragma once

#include "flc/flc_chunks.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quibac::flc {

struct Animation {
    int Width = 0;
    int Height = 0;
    Palette Colours{};
    // Width x Height palette indices each, top row first.
    std::vector<Bytes> Frames;
    // Milliseconds per frame, as the header stores it.
    uint32_t Speed = 70;
    // Puts a thumbnail chunk in front of frame 0's palette.
    bool PostageStamp = false;
    // Left out of an animation that is never played round, which then says
    // so in its header's flags.
    bool RingFrame = true;
    DeltaPacking Packing = DeltaPacking::Spans;
};

// The header fields a file needs besides its items.
struct HeaderFields {
    int Width = 0;
    int Height = 0;
    int Frames = 0;  // not counting the ring frame
    uint32_t Speed = 70;
    bool RingFrame = true;
};

// A frame item around the given chunks.
Bytes MakeFrame(const std::vector<Bytes>& chunks);
// The prefix item at offset 128: a settings chunk with no sub-chunks.
Bytes PrefixChunk();
// Header, prefix and the stored frames (ring frame included) as one file,
// with the size and the offsets of the first two frames filled in.
Bytes AssembleFlc(const HeaderFields& fields, const Bytes& prefix, const std::vector<Bytes>& frames);

// Throws std::invalid_argument for sizes outside 1..4096, no frames, or a
// frame of the wrong size.
Bytes EncodeFlc(const Animation& animation);

// Writes bytes to a file; returns success.
bool WriteFile(const std::string& path, const Bytes& bytes);

}  // namespace quibac::flc
