// The private-profile reader and writer on arbitrary files
// (fuzz/ini_target.h), in a scratch folder of the run's own.
#include "fuzz/ini_target.h"

#include <posix_control.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// A scratch folder for the file, on a memory file system when there is one,
// removed when the run ends. Never destroyed, so the exit handler can use it.
const std::string& Folder() {
    static const std::string* folder = [] {
        const char* base = std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/dev/shm";
        std::string pattern = std::string(base) + "/quibac-ini-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            pattern = "/tmp/quibac-ini-fuzz-XXXXXX";
            if (mkdtemp(pattern.data()) == nullptr) std::abort();
        }
        posix::SetProfileDirectory(pattern);
        auto* path = new std::string(pattern);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(Folder(), ignored);
        });
        return path;
    }();
    return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string failure = quibac::fuzzing::EditProfile(data, size, Folder());
    if (!failure.empty()) {
        std::fprintf(stderr, "ini_fuzz: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
