#include "support/ffmpeg_decode.h"

#include "support/run_program.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace quibac::testing {
namespace {

namespace fs = std::filesystem;

// A fresh folder of our own under the system's temporary folder.
fs::path MakeWorkFolder() {
    std::string pattern = (fs::temp_directory_path() / "quibac-ffmpeg-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return {};
    return fs::path(pattern);
}

}  // namespace

FfmpegDecoding DecodeWithFfmpeg(const std::vector<uint8_t>& file, int width, int height) {
    FfmpegDecoding result;
    const fs::path work = MakeWorkFolder();
    if (work.empty()) {
        result.Error = "no temporary folder";
        return result;
    }
    const fs::path input = work / "input.flc";
    {
        std::ofstream out(input, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    }
    // pal8 keeps the indices as they are; passthrough keeps one output frame
    // per stored frame, whatever the timestamps say.
    const ProgramRun ffmpeg =
        RunProgram({"ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-f", "flic", "-i", input.string(),
                    "-fps_mode", "passthrough", "-f", "rawvideo", "-pix_fmt", "pal8", "-"});
    fs::remove_all(work);

    if (ffmpeg.exitCode != 0) {
        result.Error = "ffmpeg failed: " + ffmpeg.errors;
        return result;
    }
    const std::string& raw = ffmpeg.output;
    // Each raw pal8 frame is the packed indices followed by 256 palette
    // entries of four bytes (blue, green, red, alpha).
    const size_t pixels = size_t(width) * size_t(height);
    const size_t frameBytes = pixels + 1024;
    if (raw.empty() || raw.size() % frameBytes != 0) {
        result.Error = "unexpected output size " + std::to_string(raw.size());
        return result;
    }
    for (size_t at = 0; at < raw.size(); at += frameBytes) {
        FfmpegFrame frame;
        frame.Indices.assign(raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + pixels));
        for (size_t k = 0; k < 256; ++k) {
            const auto* e = reinterpret_cast<const uint8_t*>(raw.data()) + at + pixels + 4 * k;
            frame.Palette[k] = (uint32_t(e[2]) << 16) | (uint32_t(e[1]) << 8) | e[0];
        }
        result.Frames.push_back(std::move(frame));
    }
    result.Ok = true;
    result.Error = ffmpeg.errors;
    return result;
}

}  // namespace quibac::testing
