// One captured frame as a PNG file: 8-bit with the frame's colour table when
// its indices say exactly what the screen showed, 24-bit RGB otherwise.
#pragma once

#include "colour_index.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quibac::render {

// Writes the file; on failure returns one line saying why, else "".
std::string WritePngFrame(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels,
                          const IndexedFrame& indexed);

}  // namespace quibac::render
