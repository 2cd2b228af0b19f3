// Loading an animation and walking it item by item.
#include "flic/flic_player.h"

#include "flic/flic_decoders.h"
#include "flic/flic_format.h"

namespace quibac {

namespace {

// Whether the item at offset can be walked, and which kind it is.
FlicAdvance Examine(const ByteView& data, uint32_t offset) {
    if (offset >= data.U32(0)) return FlicAdvance::End;
    if (!data.Has(offset, kItemHeaderBytes)) return FlicAdvance::PastData;
    const uint32_t size = data.U32(offset);
    if (size < kItemHeaderBytes) return FlicAdvance::ShortItem;
    if (!data.Has(offset, size)) return FlicAdvance::PastData;
    if (data.U16(offset + 4) != kFrameMagic) return FlicAdvance::Item;
    if (size < kFrameHeaderBytes) return FlicAdvance::ShortFrame;
    return FlicAdvance::Frame;
}

void WalkFrame(FlicPlayer& player, uint32_t offset, uint32_t size) {
    const uint32_t chunks = player.Data.U16(offset + kFrameChunkCountAt);
    const uint32_t frameEnd = offset + size;
    uint32_t chunk = offset + kFrameHeaderBytes;
    for (uint32_t k = 0; k < chunks && frameEnd - chunk >= kChunkHeaderBytes; ++k) {
        const uint32_t chunkSize = FlicChunk(player, chunk, frameEnd);
        if (chunkSize < kChunkHeaderBytes || chunkSize > frameEnd - chunk) break;
        chunk += chunkSize;
    }
    ++player.FrameCounter;
}

}  // namespace

bool FlicLoad(FlicPlayer& player, const char* name) {
    HRSRC info = FindResourceA(player.Instance, name, kFlicResourceType);
    if (info == nullptr) {
        OutputDebugStringA(kFindResourceFailed);
        return false;
    }
    player.Resource = LoadResource(player.Instance, info);
    const void* bytes = LockResource(player.Resource);
    // The resource's own size bounds every read, whatever the header claims.
    player.Data =
        ByteView(static_cast<const uint8_t*>(bytes), bytes != nullptr ? SizeofResource(player.Instance, info) : 0);
    return bytes != nullptr;
}

void FlicRewind(FlicPlayer& player) {
    player.FrameOffset = kFlicHeaderBytes;
    player.FrameCounter = 0;
}

uint32_t FlicStep(FlicPlayer& player, uint32_t offset, FlicAdvance* why) {
    const FlicAdvance kind = Examine(player.Data, offset);
    if (why != nullptr) *why = kind;
    if (!Advanced(kind)) return 0;
    const uint32_t size = player.Data.U32(offset);
    if (kind == FlicAdvance::Frame) WalkFrame(player, offset, size);
    return size;
}

FlicAdvance FlicNextFrame(FlicPlayer& player) {
    FlicAdvance why = FlicAdvance::End;
    player.FrameOffset += FlicStep(player, player.FrameOffset, &why);
    return why;
}

}  // namespace quibac
