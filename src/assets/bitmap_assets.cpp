#include "assets/bitmap_assets.h"

#include "assets/byte_view.h"
#include "assets/dib_rle8.h"
#include "assets/resource_names.h"

#include <cstring>

namespace quibac {

namespace {

constexpr size_t kCompressionAt = 16;
// The language Windows falls back to: the other languages' pictures with
// words hold only what differs from its pictures, which are laid down first.
constexpr WORD kGroundLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

bool ReadBitmap(HINSTANCE instance, HRSRC found, uint8_t* destination, int32_t width, int32_t height,
                CapturedPaletteTable* capture) {
    HGLOBAL loaded = LoadResource(instance, found);
    const auto* bytes = static_cast<const uint8_t*>(LockResource(loaded));
    if (bytes == nullptr) return false;
    const ByteView resource(bytes, SizeofResource(instance, found));

    // The header's own size locates the colour table; everything else is
    // taken as stated by the caller, but for the one compression the loader
    // knows. Rows that an uncompressed resource does not hold in full are
    // left as they were.
    const size_t headerSize = resource.U32(0);
    const size_t pixelsAt = headerSize + kColourTableBytes;
    const bool compressed = headerSize >= kCompressionAt + 4 && resource.U32(kCompressionAt) == kCompressionRle8;
    if (compressed && pixelsAt > headerSize) {
        DecodeRle8(resource.Sub(pixelsAt, resource.size()), destination, width, height);
    } else if (!compressed) {
        const size_t rowBytes = width > 0 ? size_t(width) : 0;
        for (int32_t r = 0; r < height && rowBytes > 0; ++r) {
            const size_t from = pixelsAt + size_t(r) * rowBytes;
            if (pixelsAt < headerSize || !resource.Has(from, rowBytes)) break;
            std::memcpy(destination + size_t(height - 1 - r) * rowBytes, bytes + from, rowBytes);
        }
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

void LoadWordedBitmap(HINSTANCE instance, uint8_t* destination, int32_t width, int32_t height, const char* name) {
    HRSRC ground = FindResourceExA(instance, RT_BITMAP, name, kGroundLanguage);
    if (ground != nullptr && ground != FindResourceA(instance, name, RT_BITMAP))
        ReadBitmap(instance, ground, destination, width, height, nullptr);
    LoadBitmapAsset(instance, destination, width, height, name, nullptr);
}

}  // namespace

bool LoadBitmapAsset(HINSTANCE instance, uint8_t* destination, int32_t width, int32_t height, const char* name,
                     CapturedPaletteTable* capture) {
    HRSRC found = FindResourceA(instance, name, RT_BITMAP);
    if (found == nullptr) {
        OutputDebugStringA(kFindResourceFailed);
        return false;
    }
    return ReadBitmap(instance, found, destination, width, height, capture);
}

void LoadWalkerBitmap(HINSTANCE instance, BitmapAssets& assets, CapturedPaletteTable& capture) {
    LoadBitmapAsset(instance, assets.WalkStrip.data(), kWalkStripWidth, kWalkStripHeight, kWalkAnim, &capture);
}

void LoadSceneBitmaps(HINSTANCE instance, BitmapAssets& assets) {
    LoadWordedBitmap(instance, assets.LogoPicture.data(), kLogoWidth, kLogoHeight, kQuibLogo);
    LoadBitmapAsset(instance, assets.WinkStrip.data(), kWinkStripWidth, kWinkStripHeight, kWinkAnim, nullptr);
    LoadWordedBitmap(instance, assets.QuoteStrip.data(), kQuoteStripWidth, kQuoteStripHeight, kQuotes);
    LoadWordedBitmap(instance, assets.AdvertPicture.data(), kAdvertWidth, kAdvertHeight, kAdvert);
}

}  // namespace quibac
