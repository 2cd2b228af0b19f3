// Where a render's files go: the checks made before anything runs, so that a
// render that cannot write its output fails at once and writes nothing, and
// the names of the frame files.
#pragma once

#include "options.h"

#include <string>

namespace quibac::render {

// Empty when every output can be written; otherwise one line saying why not.
std::string CheckOutputs(const RenderOptions& options);

// DIR/frame-00000.png and on, with enough digits for the last frame.
std::string FrameFileName(const std::string& folder, int index, int frameCount);

// The folder a file name lies in ("." for a bare name).
std::string FolderOf(const std::string& path);

}  // namespace quibac::render
