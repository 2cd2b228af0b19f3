// The FLC animation player: one current animation, walked item by item from
// its first frame, each frame's chunks decoded straight into the frame buffer
// of its target.
#pragma once

#include "assets/byte_view.h"
#include "display/frame_drawing.h"

#include <windows.h>

#include <cstdint>

namespace quibac {

// The first top-level item of an animation follows its 128-byte header.
constexpr uint32_t kFlicHeaderBytes = 128;
constexpr uint16_t kFlcMagic = 0xAF12;
constexpr uint16_t kFrameMagic = 0xF1FA;

// Where decoded pixels and colours go. The player draws into these and never
// presents or rebuilds a palette: that is the job of whoever aimed it.
struct FlicTarget {
    FrameView Frame;                 // no frame buffer: pixels are not drawn
    RGBQUAD* ColourTable = nullptr;  // the 256 colours COLOR_256 chunks set; null: the colours are dropped
    // While set, every decoded pixel of canvas rows 0..CaptureRows - 1 is also
    // written here, at y * 800 + x.
    uint8_t* Capture = nullptr;
    int32_t CaptureRows = 0;
};

struct FlicPlayer {
    HMODULE Instance = nullptr;  // module whose "Flic" resources are searched
    ByteView Data;               // the current animation; empty until a load succeeds
    HGLOBAL Resource = nullptr;  // the resource loaded last, released at window destruction
    uint32_t FrameOffset = 0;    // the next item to walk
    int32_t FrameCounter = 0;    // frames walked since the last rewind
    FlicTarget Target;
    // Set by every COLOR_256 chunk once it has written the colour table (even
    // with no colours in it); cleared by whoever rebuilds the palette from it.
    bool PaletteChanged = false;
};

// Why a step of the walk ended where it did.
enum class FlicAdvance {
    Frame,       // a frame was decoded and counted
    Item,        // another kind of item (the prefix) was passed over
    End,         // the offset is at or past the header's size, or nothing is loaded
    PastData,    // the item's head or its stated size runs past the bytes
    ShortItem,   // the item is smaller than its own 6-byte head
    ShortFrame,  // the frame is smaller than its 16-byte head
};

// Whether the step moved on; every other reason ends the walk where it is.
inline bool Advanced(FlicAdvance why) { return why == FlicAdvance::Frame || why == FlicAdvance::Item; }

// Makes the named "Flic" resource current. A missing one is reported on the
// debug output and leaves the current animation as it was.
bool FlicLoad(FlicPlayer& player, const char* name);
void FlicRewind(FlicPlayer& player);
// Walks the item at offset; returns how far to advance, 0 at the end, and
// when asked why (Frame or Item exactly when it returns more than 0).
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
uint32_t FlicStep(FlicPlayer& player, uint32_t offset, FlicAdvance* why = nullptr);
// Walks the item at FrameOffset and moves FrameOffset past it. Run-time
// callers only need to know that it did not move at the end.
FlicAdvance FlicNextFrame(FlicPlayer& player);

}  // namespace quibac
