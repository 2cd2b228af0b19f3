// quibac-render: the full-screen saver run headless in virtual time, its
// screen written as PNG frames, an animated GIF or both. Exit codes: 0 done,
// 2 bad arguments (nothing written), 1 the render itself failed.
#include "frame_writer.h"
#include "interrupt_cleanup.h"
#include "options.h"
#include "output_paths.h"
#include "progress.h"
#include "quibac_version.h"
#include "saver_capture.h"
#include "settings/settings.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace quibac::render {
namespace {

constexpr int kDone = 0;
constexpr int kRenderFailed = 1;
constexpr int kBadArguments = 2;
// Where the temporary folder is made when TMPDIR names none that exists.
constexpr char kFallbackTemporaryFolder[] = "/tmp";

CalendarDate Today() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return CalendarDate{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

int BadArguments(const std::string& error) {
    std::fprintf(stderr, "quibac-render: %s\n%s\n", error.c_str(), kUsageHint);
    return kBadArguments;
}

int Failed(const std::string& error) {
    std::fprintf(stderr, "quibac-render: %s\n", error.c_str());
    return kRenderFailed;
}

// The saver keeps its one setting in a file; each render gets a folder of its
// own for it, so the user's own setting is neither read nor touched.
class ProfileFolder {
public:
    ProfileFolder() {
        std::error_code unusable;
        std::filesystem::path temporary = std::filesystem::temp_directory_path(unusable);
        if (unusable) temporary = kFallbackTemporaryFolder;
        std::string pattern = (temporary / "quibac-render-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        path_ = pattern;
        RemoveOnInterrupt(path_);
        RemoveOnInterrupt(path_ + "/" + kSettingsFile);
    }
    ~ProfileFolder() {
        if (path_.empty()) return;
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        ForgetOnInterrupt(path_ + "/" + kSettingsFile);
        ForgetOnInterrupt(path_);
    }
    ProfileFolder(const ProfileFolder&) = delete;
    ProfileFolder& operator=(const ProfileFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

int Render(const RenderOptions& options) {
    ProfileFolder profile;
    if (profile.path().empty()) return Failed("cannot make a temporary folder for the saver's setting");
    FrameWriter writer(options);
    const std::string opened = writer.Start();
    if (!opened.empty()) return Failed(opened);

    CaptureRequest request;
    request.width = options.width;
    request.height = options.height;
    request.stretch = options.stretch;
    request.date = options.date;
    request.seed = options.seed;
    request.fps = options.fps;
    request.frameCount = options.FrameCount();
    request.profileFolder = profile.path();
    Progress progress(options.seconds);
    const CaptureResult result = RunAndCapture(
        request, [&writer](ScreenFrame&& frame) { return writer.Push(std::move(frame)); },
        [&progress](int seconds) { progress.Reached(seconds); });
    progress.Finish(int(FrameTimeMs(result.frames, options.fps) / kMsPerSecond));

    const bool complete = result.frames == request.frameCount && !result.stalled;
    const std::string written = writer.Finish(complete);
    if (!written.empty()) return Failed(written);
    if (result.stalled) return Failed("the show stopped moving; the render was given up");
    if (!complete)
        return Failed("the saver ended after " + std::to_string(result.frames) + " of " +
                      std::to_string(request.frameCount) + " frames (exit code " +
                      std::to_string(result.saverExitCode) + ")");
    if (result.saverExitCode != 0)
        return Failed("the saver ended with exit code " + std::to_string(result.saverExitCode));
    return kDone;
}

}  // namespace
}  // namespace quibac::render

int main(int argc, char** argv) {
    using namespace quibac::render;
    const ParsedOptions parsed =
        ParseOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), Today());
    if (parsed.options.help) {
        std::fputs(kUsage, stdout);
        return kDone;
    }
    if (parsed.options.version) {
        std::printf("quibac-render %s\n", quibac::kVersion);
        return kDone;
    }
    if (!parsed.error.empty()) return BadArguments(parsed.error);
    const std::string unwritable = CheckOutputs(parsed.options);
    if (!unwritable.empty()) return BadArguments(unwritable);
    // The saver would look for its setting under a Windows application-data
    // folder named by this variable; the render's own folder is the one.
    unsetenv("APPDATA");
    return Render(parsed.options);
}
