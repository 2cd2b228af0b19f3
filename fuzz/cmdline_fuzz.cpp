// The command-line reader and the mode choice (fuzz/cmdline_target.h).
#include "fuzz/cmdline_target.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string failure = quibac::fuzzing::ReadCommandLine(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "cmdline_fuzz: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
