// The chunk decoders of the FLC player and the one way their pixels reach the
// picture. Each decoder reads only the chunk it is given: a view that ends
// with the chunk (or with the frame, if the chunk claims more). When the
// chunk ends before the decoding does, the packet it cannot hold in full is
// not applied and the decoder stops there; FLI_COPY places every pixel the
// chunk holds.
#pragma once

#include "assets/byte_view.h"
#include "flic/flic_player.h"

#include <cstdint>

namespace quibac {

// Traces the chunk at chunkOffset, decodes it if its type has a decoder, and
// returns its stored size. frameEnd bounds what the chunk may claim.
uint32_t FlicChunk(FlicPlayer& player, uint32_t chunkOffset, uint32_t frameEnd);

// data: the chunk's bytes after its 6-byte head. DecodeColor256 sets the
// player's PaletteChanged.
void DecodeColor256(FlicPlayer& player, ByteView data);
void DecodeByteRun(FlicPlayer& player, ByteView data);
void DecodeFliCopy(FlicPlayer& player, ByteView data);
void DecodeDeltaFlc(FlicPlayer& player, ByteView data);

// One decoded pixel at animation-frame (= canvas) position (x, y): dropped
// outside the canvas, captured while the target's capture is set and y is
// one of its rows, then drawn by CanvasPlot. Its neighbours in drawing are
// listed in display/frame_drawing.h.
void FlicPlot(FlicPlayer& player, int32_t x, int32_t y, uint8_t colour);

// count pixels from (x, y) to the right, with the given colours or all of one
// colour: exactly what FlicPlot does for each of them in turn, done a row of
// output at a time.
void FlicPlotRow(FlicPlayer& player, int32_t x, int32_t y, const uint8_t* colours, int32_t count);
void FlicPlotFill(FlicPlayer& player, int32_t x, int32_t y, uint8_t colour, int32_t count);

}  // namespace quibac
