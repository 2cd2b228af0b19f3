#include "assets/bitmap_assets.h"

#include "assets/byte_view.h"
#include "assets/resource_names.h"

#include <cstring>

namespace quibac {

bool LoadBitmapAsset(HINSTANCE instance, uint8_t* destination, int32_t width, int32_t height, const char* name,
                     CapturedPaletteTable* capture) {
    HRSRC found = FindResourceA(instance, name, RT_BITMAP);
    if (found == nullptr) {
        OutputDebugStringA(kFindResourceFailed);
        return false;
    }
    HGLOBAL loaded = LoadResource(instance, found);
    const auto* bytes = static_cast<const uint8_t*>(LockResource(loaded));
    if (bytes == nullptr) return false;
    const ByteView resource(bytes, SizeofResource(instance, found));

    // The header's own size locates the colour table; everything else is
    // taken as stated by the caller. Rows that the resource does not hold in
    // full are left as they were.
    const size_t headerSize = resource.U32(0);
    const size_t rowBytes = width > 0 ? size_t(width) : 0;
    const size_t pixelsAt = headerSize + kColourTableBytes;
    for (int32_t r = 0; r < height && rowBytes > 0; ++r) {
        const size_t from = pixelsAt + size_t(r) * rowBytes;
        if (pixelsAt < headerSize || !resource.Has(from, rowBytes)) break;
        std::memcpy(destination + size_t(height - 1 - r) * rowBytes, bytes + from, rowBytes);
    }
    if (capture != nullptr && resource.Has(headerSize, kColourTableBytes)) {
        for (size_t k = 0; k < capture->size(); ++k) {
            CapturedColour& c = (*capture)[k];
            c.Red = resource.U8(headerSize + 4 * k + 2);
            c.Green = resource.U8(headerSize + 4 * k + 1);
            c.Blue = resource.U8(headerSize + 4 * k);
        }
    }
    FreeResource(loaded);
    return true;
}

void LoadWalkerBitmap(HINSTANCE instance, BitmapAssets& assets, CapturedPaletteTable& capture) {
    LoadBitmapAsset(instance, assets.WalkStrip.data(), kWalkStripWidth, kWalkStripHeight, kWalkAnim, &capture);
}

void LoadSceneBitmaps(HINSTANCE instance, BitmapAssets& assets) {
    LoadBitmapAsset(instance, assets.LogoPicture.data(), kLogoWidth, kLogoHeight, kQuibLogo, nullptr);
    LoadBitmapAsset(instance, assets.WinkStrip.data(), kWinkStripWidth, kWinkStripHeight, kWinkAnim, nullptr);
    LoadBitmapAsset(instance, assets.QuoteStrip.data(), kQuoteStripWidth, kQuoteStripHeight, kQuotes, nullptr);
    LoadBitmapAsset(instance, assets.AdvertPicture.data(), kAdvertWidth, kAdvertHeight, kAdvert, nullptr);
}

}  // namespace quibac
