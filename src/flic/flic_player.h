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
};

// Makes the named "Flic" resource current. A missing one is reported on the
// debug output and leaves the current animation as it was.
bool FlicLoad(FlicPlayer& player, const char* name);
void FlicRewind(FlicPlayer& player);
// Walks the item at offset; returns how far to advance, 0 at the end.
uint32_t FlicStep(FlicPlayer& player, uint32_t offset);

}  // namespace quibac
