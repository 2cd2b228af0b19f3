// A scratch folder for a fuzz target's files, on a memory file system when
// there is one, made on first use and removed when the run ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

namespace quibac::fuzzing {

// Never destroyed, so the exit handler can still use it.
inline const std::string& ScratchFolder() {
    static const std::string* folder = [] {
        const char* base = std::getenv("TMPDIR") != nullptr ? std::getenv("TMPDIR") : "/dev/shm";
        std::string pattern = std::string(base) + "/quibac-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            pattern = "/tmp/quibac-fuzz-XXXXXX";
            if (mkdtemp(pattern.data()) == nullptr) std::abort();
        }
        auto* path = new std::string(pattern);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(ScratchFolder(), ignored);
        });
        return path;
    }();
    return *folder;
}

}  // namespace quibac::fuzzing
