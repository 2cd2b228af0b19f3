// PNG sheets for a person to review the resource set as the saver will show
// it: every picture after mapping to the shared palette.
#pragma once

#include "languages.h"
#include "palette.h"
#include "surface.h"
#include "resource_files.h"

#include <map>
#include <string>
#include <vector>

namespace artgen {

struct PreviewSet {
    PaletteTable palette{};
    std::map<std::string, IndexedImage> pictures;  // by resource name
    std::vector<IconImage> icons;
    // The first frame of every door, days 1..25, and the dates header of
    // each day (800 x 128).
    std::vector<IndexedImage> doors;
    std::vector<IndexedImage> headers;
};

// A door picture with the day's header over it as the saver draws it: every
// header pixel but the background, the marker in the day's colour.
IndexedImage WithHeader(const IndexedImage& picture, const IndexedImage& header, uint8_t doorColour);
// The door colours of days 1..25 with the open ones filled in as the saver
// fills them at start-up (here from a fixed seed).
std::vector<uint8_t> SettledDoorColours();

void WritePreviews(const PreviewSet& set, const std::string& dir);

// What a language's review sheets show: its header of the 7th and the 25th
// (800 x 128), and, but for the reference, its pictures with words.
struct LanguagePreview {
    const Language* language = nullptr;
    IndexedImage header7, header25;
    std::map<std::string, IndexedImage> pictures;  // QUOTES, QUIBLOGO, ADVERT
};
constexpr int kPreviewHeaderDays[2] = {7, 25};

// languages.png, the headers of every language, and words-CODE.png, each
// other language's captions, logo and advert.
void WriteLanguagePreviews(const PaletteTable& palette, const std::vector<LanguagePreview>& languages,
                           const std::string& dir);

}  // namespace artgen
