#include "output_paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace quibac::render {

namespace {

constexpr int kMinFrameDigits = 5;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Whether a file can be made in the folder, found by making one that no one
// can see: an unnamed O_TMPFILE where the file system has them, otherwise a
// named probe removed at once. Permission bits alone cannot tell: root
// passes them on folders no one can write, such as /proc.
std::string CheckWritableFolder(const std::string& folder, const std::string& what) {
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0)
        return what + " " + Quoted(folder) + " cannot be used: " + std::strerror(errno);
    if (!S_ISDIR(info.st_mode)) return what + " " + Quoted(folder) + " is not a folder";
    const int unnamed = open(folder.c_str(), O_TMPFILE | O_WRONLY, S_IRUSR | S_IWUSR);
    if (unnamed >= 0) {
        close(unnamed);
        return "";
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return what + " " + Quoted(folder) + " cannot be written: " + std::strerror(errno);
    std::string probe = folder + "/.quibac-render-XXXXXX";
    const int named = mkstemp(probe.data());
    if (named < 0) return what + " " + Quoted(folder) + " cannot be written: " + std::strerror(errno);
    close(named);
    unlink(probe.c_str());
    return "";
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string CheckOutputs(const RenderOptions& options) {
    if (!options.framesFolder.empty()) {
        const std::string error = CheckWritableFolder(options.framesFolder, "the --out folder");
        if (!error.empty()) return error;
    }
    if (!options.gifPath.empty()) {
        struct stat info {};
        if (stat(options.gifPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
            return "--gif " + Quoted(options.gifPath) + " is a folder, not a file";
        const std::string error = CheckWritableFolder(FolderOf(options.gifPath), "the --gif file's folder");
        if (!error.empty()) return error;
    }
    return "";
}

std::string FrameFileName(const std::string& folder, int index, int frameCount) {
    int digits = 1;
    for (int n = frameCount > 0 ? frameCount - 1 : 0; n >= 10; n /= 10) ++digits;
    if (digits < kMinFrameDigits) digits = kMinFrameDigits;
    char name[32];
    std::snprintf(name, sizeof(name), "frame-%0*d.png", digits, index);
    return folder + "/" + name;
}

}  // namespace quibac::render
