// The readers of resource data, the body of the resources fuzz target.
// Every input is read each way:
// - as a dialog template, as the dialog manager reads one: a template that
//   reads, written out again by the resource-script compiler, reads back the
//   same;
// - as a resource script, as resembed reads one on Linux: the script either
//   reads or is refused with a ScriptError (never any other failure), and
//   every dialog it defines compiles to a template that reads, and reads the
//   same once written out again;
// - as a bitmap resource, as the saver's loader reads one into a picture of
//   a size of its own, whatever the resource's header says (stored rows or
//   a BI_RLE8 stream), under the sanitizers' eyes.
// The resembed suite replays the committed corpus through it too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quibac::fuzzing {

// The script's name in its folder; the folder also holds kIncludedScript and
// kBitmapFile, for scripts that include a file or embed one.
inline constexpr char kFuzzScript[] = "fuzz.rc";
inline constexpr char kIncludedScript[] = "included.rc";
inline constexpr char kBitmapFile[] = "picture.bmp";

// Returns what went wrong, empty when nothing. folder is a scratch folder of
// the caller's.
std::string ReadResourceData(const uint8_t* data, size_t size, const std::string& folder);

}  // namespace quibac::fuzzing
