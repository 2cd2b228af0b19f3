// Tracing each chunk and handing it to its decoder.
#include "flic/flic_decoders.h"
#include "flic/flic_format.h"

namespace quibac {

uint32_t FlicChunk(FlicPlayer& player, uint32_t chunkOffset, uint32_t frameEnd) {
    const ByteView& data = player.Data;
    const uint32_t size = data.U32(chunkOffset);
    const uint16_t type = data.U16(chunkOffset + kChunkTypeAt);

    char trace[256];
    wsprintfA(trace, kChunkTraceFormat, int(chunkOffset), int(type));
    OutputDebugStringA(trace);

    // The decoder sees the chunk's data and nothing beyond the chunk or its
    // frame; a chunk too small for its own head has no data.
    const uint32_t inFrame = frameEnd > chunkOffset ? frameEnd - chunkOffset : 0;
    const uint32_t extent = size < inFrame ? size : inFrame;
    if (extent < kChunkHeaderBytes) return size;
    const ByteView chunkData = data.Sub(size_t(chunkOffset) + kChunkHeaderBytes, extent - kChunkHeaderBytes);
    switch (type) {
    case kChunkColour256: DecodeColor256(player, chunkData); break;
    case kChunkDeltaFlc: DecodeDeltaFlc(player, chunkData); break;
    case kChunkByteRun: DecodeByteRun(player, chunkData); break;
    case kChunkFliCopy: DecodeFliCopy(player, chunkData); break;
    default: break;  // thumbnails and older chunk kinds are passed over
    }
    return size;
}

}  // namespace quibac
