// Numbers of the FLC format as the player reads it.
#pragma once

#include "assets/resource_names.h"  // the resource type and the lookup failure text

#include <cstdint>

namespace quibac {

// Header fields the decoders use: the picture's line length and line count.
constexpr uint32_t kFlicWidthAt = 8;
constexpr uint32_t kFlicHeightAt = 10;

// Every top-level item starts with its u32 size and u16 type.
constexpr uint32_t kItemHeaderBytes = 6;
// A frame's header: size, magic, chunk count and 8 bytes that are not read.
constexpr uint32_t kFrameHeaderBytes = 16;
constexpr uint32_t kFrameChunkCountAt = 6;
// A chunk's header: size and type; its data follows.
constexpr uint32_t kChunkHeaderBytes = 6;
constexpr uint32_t kChunkTypeAt = 4;

// Chunk types with a decoder; every other type is passed over.
constexpr uint16_t kChunkColour256 = 4;
constexpr uint16_t kChunkDeltaFlc = 7;
constexpr uint16_t kChunkByteRun = 15;
constexpr uint16_t kChunkFliCopy = 16;

// COLOR_256: a packet's colour count of 0 stands for all of them.
constexpr int32_t kColoursInFullPacket = 256;

// DELTA_FLC opcode words: bits 15-14 give the kind.
constexpr uint16_t kOpcodeKindMask = 0xC000;
constexpr uint16_t kOpcodeLineSkip = 0xC000;
constexpr uint16_t kOpcodeLastByte = 0x8000;
constexpr uint16_t kOpcodeIgnored = 0x4000;
constexpr uint32_t kOpcodeWordRange = 0x10000;  // a skip word is this minus the lines skipped

// Debug texts.
constexpr const char kChunkTraceFormat[] = "\nHeader addr.: %d\nHeader type: %d\n\n";
constexpr const char kByteRunText[] = "Byte Run\n\n";
constexpr const char kFliCopyText[] = "Fli Copy\n\n";
constexpr const char kDeltaFlcText[] = "Delta Flc\n\n";

}  // namespace quibac
