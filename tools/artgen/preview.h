// PNG sheets for a person to review the resource set as the saver will show
// it: every picture after mapping to the shared palette.
#pragma once

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

}  // namespace artgen
