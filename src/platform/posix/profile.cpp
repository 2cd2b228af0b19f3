// GetPrivateProfileIntA and WritePrivateProfileStringA over real files.
//
// A write never leaves a half-written file behind: the new text goes to a
// temporary file in the same folder, which is flushed and then renamed over
// the old one. Any failure on the way leaves the old file as it was.
#include "profile_text.h"

#include <posix_control.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

namespace {

// Larger files are neither read (the default is returned) nor rewritten (the
// write fails and the file stays): no real profile comes near this.
constexpr size_t kMaxProfileBytes = size_t(64) << 20;
constexpr mode_t kNewFileMode = 0644;
constexpr mode_t kNewFolderMode = 0700;
// GetPrivateProfileInt reads the value through a buffer of this many
// characters, so only the first 29 characters of a value count.
constexpr size_t kIntBufferChars = 30;

std::mutex& ProfileLock() {
    // Never destroyed: exit-time code may still write a profile.
    static auto* lock = new std::mutex();
    return *lock;
}

std::string& DirectoryOverride() {
    static auto* folder = new std::string();
    return *folder;
}

std::string ConfigurationFolder() {
    if (!DirectoryOverride().empty()) return DirectoryOverride();
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* pw = getpwuid(getuid());
        home = pw != nullptr ? pw->pw_dir : "/tmp";
    }
    return std::string(home) + "/.config";
}

bool HasFolder(const std::string& name) { return name.find_first_of("/\\") != std::string::npos; }

std::string ResolvePath(const std::string& fileName) {
    if (!HasFolder(fileName)) return ConfigurationFolder() + "/" + fileName;
    std::string path = fileName;
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

// Creates a folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& folder) {
    struct stat st {};
    if (folder.empty() || stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode) || folder.empty();
    const size_t slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(folder.substr(0, slash))) return false;
    return mkdir(folder.c_str(), kNewFolderMode) == 0 || errno == EEXIST;
}

enum class ReadResult { Read, Missing, Failed };

ReadResult ReadWholeFile(const std::string& path, std::string& text) {
    text.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || size_t(st.st_size) > kMaxProfileBytes) {
        close(fd);
        return ReadResult::Failed;
    }
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || text.size() + size_t(n) > kMaxProfileBytes) {
            close(fd);
            return ReadResult::Failed;
        }
        if (n == 0) break;
        text.append(buffer, size_t(n));
    }
    close(fd);
    return ReadResult::Read;
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

bool ReplaceFile(const std::string& path, const std::string& text) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = folder + "/." + base + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;

    struct stat old {};
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
    const bool written = fchmod(fd, mode) == 0 && WriteAll(fd, text) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; the file is in place whatever happens here.
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

bool HasLineBreak(const char* s) { return s != nullptr && std::string(s).find_first_of("\r\n") != std::string::npos; }

}  // namespace

UINT WINAPI GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName) {
    if (lpAppName == nullptr || lpKeyName == nullptr || lpFileName == nullptr) return UINT(nDefault);
    std::string text;
    {
        std::lock_guard<std::mutex> guard(ProfileLock());
        if (ReadWholeFile(ResolvePath(lpFileName), text) != ReadResult::Read) return UINT(nDefault);
    }
    const std::optional<std::string> value = posix::detail::ProfileValue(text, lpAppName, lpKeyName);
    if (!value) return UINT(nDefault);
    const std::string number = posix::detail::ProfileBufferText(*value, kIntBufferChars);
    // An empty value counts as missing, as on Windows NT.
    if (number.empty()) return UINT(nDefault);
    return posix::detail::ProfileNumber(number);
}

BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString, LPCSTR lpFileName) {
    // All three names missing asks Windows to flush its cache; there is none.
    if (lpAppName == nullptr) return lpKeyName == nullptr && lpString == nullptr ? TRUE : FALSE;
    if (lpFileName == nullptr) return FALSE;
    // A line break would split the entry and corrupt the lines after it.
    if (HasLineBreak(lpAppName) || HasLineBreak(lpKeyName) || HasLineBreak(lpString)) return FALSE;

    std::lock_guard<std::mutex> guard(ProfileLock());
    std::string path = ResolvePath(lpFileName);
    // Through a symbolic link, the file it points at is the one to replace.
    if (char* real = realpath(path.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    std::string text;
    const ReadResult read = ReadWholeFile(path, text);
    if (read == ReadResult::Failed) return FALSE;  // never replace what could not be read
    if (read == ReadResult::Missing && (lpKeyName == nullptr || lpString == nullptr)) return TRUE;

    std::string updated;
    if (lpKeyName == nullptr)
        updated = posix::detail::ProfileWithoutSection(text, lpAppName);
    else if (lpString == nullptr)
        updated = posix::detail::ProfileWithoutKey(text, lpAppName, lpKeyName);
    else
        updated = posix::detail::ProfileWithValue(text, lpAppName, lpKeyName, lpString);
    if (read == ReadResult::Read && updated == text) return TRUE;

    if (!HasFolder(lpFileName) && !MakeFolders(ConfigurationFolder())) return FALSE;
    return ReplaceFile(path, updated) ? TRUE : FALSE;
}

namespace posix {

void SetProfileDirectory(const std::string& folder) {
    std::lock_guard<std::mutex> guard(ProfileLock());
    DirectoryOverride() = folder;
}

std::string ProfilePath(const std::string& fileName) {
    std::lock_guard<std::mutex> guard(ProfileLock());
    return ResolvePath(fileName);
}

}  // namespace posix
