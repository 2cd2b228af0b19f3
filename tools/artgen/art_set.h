// The whole resource set: renders every picture, builds the shared palette
// from all of them, maps each picture onto it and writes the resource files,
// the resource script fragment and the review previews.
#pragma once

#include <string>

namespace artgen {

struct Destination {
    std::string resources;  // bitmaps, icon, art.rc
    std::string previews;   // PNG sheets for review; empty for none
    std::string frames;     // every door frame as the saver shows it, for
                            // close review; empty for none
};

void GenerateResourceSet(const Destination& where);

// Writes one picture, unquantized, as a PNG (for drawing work).
void WriteDraft(const std::string& name, const std::string& path);

}  // namespace artgen
