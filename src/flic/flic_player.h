// The FLC animation player: one current animation, walked item by item from
// its first frame, each frame's chunks decoded straight into the frame buffer.
#pragma once

#include "assets/byte_view.h"
#include "flic/date_band.h"

#include <windows.h>

#include <cstdint>

namespace quibac {

struct Display;

// The first top-level item of an animation follows its 128-byte header.
constexpr uint32_t kFlicHeaderBytes = 128;
constexpr uint16_t kFlcMagic = 0xAF12;
constexpr uint16_t kFrameMagic = 0xF1FA;

struct FlicPlayer {
    HMODULE Instance = nullptr;  // module whose "Flic" resources are searched
    ByteView FlicData;           // the current animation; empty until a load succeeds
    HGLOBAL Resource = nullptr;  // the resource loaded last, released at window destruction
    uint32_t FlicFrameOffset = 0;
    int32_t FlicFrameCounter = 0;
    Display* Target = nullptr;   // frame buffer, scaling maps and colour table drawn into
    DateBand* Band = nullptr;    // capture target while Band->BandCapture is on
    // Places every decoded pixel with its own FlicPlot instead of whole runs
    // at once. The two give the same bytes; this one is the plain reference
    // the run paths are checked against.
    bool PlotByPixel = false;
};

// Makes the named "Flic" resource current. A missing one is reported on the
// debug output and leaves the current animation as it was.
bool FlicLoad(FlicPlayer& player, const char* name);
void FlicRewind(FlicPlayer& player);
// Walks the item at offset; returns how far to advance, 0 at the end.
//
// The walk only ever moves forward, inside the animation's bytes. An item
// that cannot be walked ends the animation as its header's size does: FlicStep
// returns 0 for an item whose header or whose stated size runs past the bytes,
// an item smaller than its own 6-byte head, and a frame smaller than its
// 16-byte head. Nothing of such an item is decoded or counted. With no
// animation loaded every step returns 0.
//
// Inside a frame, chunks are walked while a whole chunk head fits before the
// frame's end: a chunk count larger than the frame holds stops there. A chunk
// smaller than its 6-byte head, or one that runs past the frame's end, is the
// frame's last: it is traced, the part of it inside the frame is decoded (a
// chunk too small for its head decodes nothing), and the frame is counted
// and left by its own size as usual.
uint32_t FlicStep(FlicPlayer& player, uint32_t offset);

}  // namespace quibac
