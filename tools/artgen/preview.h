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
};

void WritePreviews(const PreviewSet& set, const std::string& dir);

}  // namespace artgen
