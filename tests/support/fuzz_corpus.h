// The committed seeds of a fuzz target (fuzz/corpus/<target>/), for suites
// that replay them through the target's own body.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quibac::testing {

struct FuzzSeed {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Every file of the target's corpus folder, sorted by name; empty when the
// folder is missing.
std::vector<FuzzSeed> FuzzCorpus(const std::string& target);

}  // namespace quibac::testing
