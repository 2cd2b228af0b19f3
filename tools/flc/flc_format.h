// Numbers of the published FLC format that the encoder writes.
//
// The saver's FLC player (under src/) keeps its own copy of the numbers it
// reads. The two are written down apart on purpose and neither includes the
// other: the tests decode what this encoder writes, so a wrong number on
// either side shows up as a disagreement between the two instead of being
// shared silently by both.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quibac::flc {

constexpr size_t kHeaderBytes = 128;
constexpr uint16_t kFlcMagic = 0xAF12;
constexpr uint16_t kDepth = 8;
// Bit 0: the file was finished and closed; bit 1: the ring frame was written.
constexpr uint16_t kHeaderFlags = 3;
constexpr uint16_t kHeaderFlagsWithoutRing = 1;

// Byte offsets inside the 128-byte header.
constexpr size_t kHeaderSizeAt = 0;
constexpr size_t kHeaderMagicAt = 4;
constexpr size_t kHeaderFramesAt = 6;
constexpr size_t kHeaderWidthAt = 8;
constexpr size_t kHeaderHeightAt = 10;
constexpr size_t kHeaderDepthAt = 12;
constexpr size_t kHeaderFlagsAt = 14;
constexpr size_t kHeaderSpeedAt = 16;
constexpr size_t kHeaderAspectXAt = 38;
constexpr size_t kHeaderAspectYAt = 40;
constexpr size_t kHeaderFrame1At = 80;
constexpr size_t kHeaderFrame2At = 84;

// Top-level items.
constexpr uint16_t kPrefixType = 0xF100;
constexpr uint16_t kFrameType = 0xF1FA;
constexpr size_t kFrameHeaderBytes = 16;
constexpr size_t kPrefixHeaderBytes = 16;

// Chunks inside a frame: a u32 size, a u16 type, then the data.
constexpr size_t kChunkHeaderBytes = 6;
constexpr uint16_t kColour256 = 4;
constexpr uint16_t kDeltaFlc = 7;
constexpr uint16_t kByteRun = 15;
constexpr uint16_t kFliCopy = 16;
constexpr uint16_t kPostageStamp = 18;
// Sub-chunk of a postage stamp: its picture, byte-run compressed.
constexpr uint16_t kStampByteRun = 25;
// Postage-stamp pixels index the 6 x 6 x 6 colour cube.
constexpr uint16_t kStampSixCube = 1;
constexpr int kStampMaxWidth = 100;
constexpr int kStampMaxHeight = 63;

// DELTA_FLC opcode words: the two top bits give the kind.
constexpr uint16_t kOpcodeKindMask = 0xC000;
constexpr uint16_t kOpcodeLineSkip = 0xC000;
constexpr uint16_t kOpcodeLastByte = 0x8000;
constexpr uint16_t kOpcodeIgnored = 0x4000;
constexpr int kMaxLineSkip = 16384;     // the largest skip one word holds
constexpr int kMaxLinePackets = 16383;  // packet counts are 14 bits
constexpr int kMaxSkipByte = 255;
constexpr int kMaxLiteralPairs = 127;
constexpr int kMaxReplicatePairs = 128;

// BYTE_RUN runs.
constexpr int kMaxLiteralBytes = 128;
constexpr int kMaxReplicateBytes = 127;

// Sizes the encoder accepts; every reader of the format handles these.
constexpr int kMaxDimension = 4096;
constexpr int kPaletteSize = 256;

}  // namespace quibac::flc
