#include "support/fuzz_corpus.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace quibac::testing {

std::vector<FuzzSeed> FuzzCorpus(const std::string& target) {
    const std::filesystem::path folder = std::filesystem::path(QUIBAC_SOURCE_DIR) / "fuzz" / "corpus" / target;
    std::vector<FuzzSeed> seeds;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        seeds.push_back({entry.path().filename().string(),
                         std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())});
    }
    std::sort(seeds.begin(), seeds.end(), [](const FuzzSeed& a, const FuzzSeed& b) { return a.name < b.name; });
    return seeds;
}

}  // namespace quibac::testing
