// The private-profile reader and writer on arbitrary files
// (fuzz/ini_target.h), in a scratch folder of the run's own.
#include "fuzz/ini_target.h"
#include "fuzz/scratch_folder.h"

#include <posix_control.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool profilesInScratch = [] {
        posix::SetProfileDirectory(quibac::fuzzing::ScratchFolder());
        return true;
    }();
    (void)profilesInScratch;
    const std::string failure = quibac::fuzzing::EditProfile(data, size, quibac::fuzzing::ScratchFolder());
    if (!failure.empty()) {
        std::fprintf(stderr, "ini_fuzz: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
