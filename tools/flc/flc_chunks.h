// The chunks of an FLC frame, each as complete bytes (size, type, data),
// padded to an even length as the format's writers do. The writer combines
// them into frames; tests use them to build files of their own design.
#pragma once

#include "flc/flc_format.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quibac::flc {

struct Colour {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
};
using Palette = std::array<Colour, kPaletteSize>;

using Bytes = std::vector<uint8_t>;

// Little-endian appends and patches.
void PutU8(Bytes& out, uint32_t value);
void PutU16(Bytes& out, uint32_t value);
void PutU32(Bytes& out, uint32_t value);
void PatchU16(Bytes& out, size_t at, uint32_t value);
void PatchU32(Bytes& out, size_t at, uint32_t value);

// A chunk of the given type around data, with its size filled in and one pad
// byte when the data's length is odd.
Bytes MakeChunk(uint16_t type, const Bytes& data);

// COLOR_256: one packet that sets all 256 colours from index 0.
Bytes Colour256Chunk(const Palette& colours);

// BYTE_RUN: the whole width x height picture, line by line.
Bytes ByteRunChunk(const uint8_t* pixels, int width, int height);
// The data of BYTE_RUN lines without the chunk header (shared with the
// postage stamp).
Bytes ByteRunLines(const uint8_t* pixels, int width, int height);

// FLI_COPY: width x height bytes, uncompressed, lines packed at the width.
Bytes FliCopyChunk(const uint8_t* pixels, int width, int height);

// How DELTA_FLC covers a line's changed columns with packets.
enum class DeltaPacking {
    // The fewest pairs, then each span cut into replicate and literal
    // packets; the animations made so far keep these bytes.
    Spans,
    // The fewest bytes: packets chosen together with the columns they
    // cover, so that a replicate packet may run over unchanged columns of
    // its colour where that saves a packet head.
    Packets,
};

// DELTA_FLC: what turns previous into current; empty when they are equal.
Bytes DeltaFlcChunk(const uint8_t* previous, const uint8_t* current, int width, int height,
                    DeltaPacking packing = DeltaPacking::Spans);

// PSTAMP: a thumbnail no larger than 100 x 63 in the 6 x 6 x 6 colour cube.
Bytes PostageStampChunk(const uint8_t* pixels, int width, int height, const Palette& colours);

}  // namespace quibac::flc
