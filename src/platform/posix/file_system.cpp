// The environment and the few file-system calls the saver makes, over POSIX:
// Windows paths are taken with either slash.
#include "internal.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string UnixPath(LPCSTR windowsPath) {
    std::string path = windowsPath;
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

constexpr mode_t kNewFolderMode = 0755;

}  // namespace

DWORD WINAPI GetEnvironmentVariableA(LPCSTR lpName, LPSTR lpBuffer, DWORD nSize) {
    const char* value = lpName != nullptr ? std::getenv(lpName) : nullptr;
    if (value == nullptr) return 0;
    const size_t length = std::strlen(value);
    // Too small a buffer gets nothing, and the answer is the size it needs.
    if (lpBuffer == nullptr || length >= nSize) return DWORD(length + 1);
    std::memcpy(lpBuffer, value, length + 1);
    return DWORD(length);
}

DWORD WINAPI GetFileAttributesA(LPCSTR lpFileName) {
    struct stat st {};
    if (lpFileName == nullptr || stat(UnixPath(lpFileName).c_str(), &st) != 0) return INVALID_FILE_ATTRIBUTES;
    return S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

BOOL WINAPI CreateDirectoryA(LPCSTR lpPathName, LPSECURITY_ATTRIBUTES) {
    return lpPathName != nullptr && mkdir(UnixPath(lpPathName).c_str(), kNewFolderMode) == 0;
}
