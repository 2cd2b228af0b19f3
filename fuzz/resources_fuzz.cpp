// The dialog-template and resource-script readers (fuzz/resources_target.h),
// in a scratch folder of the run's own.
#include "fuzz/resources_target.h"
#include "fuzz/scratch_folder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string failure = quibac::fuzzing::ReadResourceData(data, size, quibac::fuzzing::ScratchFolder());
    if (!failure.empty()) {
        std::fprintf(stderr, "resources_fuzz: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
