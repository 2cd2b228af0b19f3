// Loading an animation and walking it item by item.
#include "flic/flic_player.h"

#include "flic/flic_decoders.h"
#include "flic/flic_format.h"

namespace quibac {

bool FlicLoad(FlicPlayer& player, const char* name) {
    HRSRC info = FindResourceA(player.Instance, name, kFlicResourceType);
    if (info == nullptr) {
        OutputDebugStringA(kFindResourceFailed);
        return false;
    }
    player.Resource = LoadResource(player.Instance, info);
    const void* bytes = LockResource(player.Resource);
    // The resource's own size bounds every read, whatever the header claims.
    player.FlicData = ByteView(static_cast<const uint8_t*>(bytes), bytes != nullptr ? SizeofResource(player.Instance, info) : 0);
    return bytes != nullptr;
}

void FlicRewind(FlicPlayer& player) {
    player.FlicFrameOffset = kFlicHeaderBytes;
    player.FlicFrameCounter = 0;
}

uint32_t FlicStep(FlicPlayer& player, uint32_t offset) {
    const ByteView& data = player.FlicData;
    if (offset >= data.U32(0)) return 0;
    if (!data.Has(offset, kItemHeaderBytes)) return 0;
    const uint32_t size = data.U32(offset);
    if (size < kItemHeaderBytes || !data.Has(offset, size)) return 0;
    if (data.U16(offset + 4) != kFrameMagic) return size;
    if (size < kFrameHeaderBytes) return 0;

    const uint32_t chunks = data.U16(offset + kFrameChunkCountAt);
    const uint32_t frameEnd = offset + size;
    uint32_t chunk = offset + kFrameHeaderBytes;
    for (uint32_t k = 0; k < chunks && frameEnd - chunk >= kChunkHeaderBytes; ++k) {
        const uint32_t chunkSize = FlicChunk(player, chunk, frameEnd);
        if (chunkSize < kChunkHeaderBytes || chunkSize > frameEnd - chunk) break;
        chunk += chunkSize;
    }
    ++player.FlicFrameCounter;
    return size;
}

}  // namespace quibac
