// The cmdline fuzz target's committed seeds, replayed through the target's
// own body: a command line that once misled the mode reading stays fixed.
#include "fuzz/cmdline_target.h"
#include "support/fuzz_corpus.h"
#include "support/platform_fixture.h"

namespace quibac {
namespace {

class CommandLineFuzzCorpus : public testing::PlatformTest {};

TEST_F(CommandLineFuzzCorpus, EverySeedKeepsTheReadersPromises) {
    const std::vector<testing::FuzzSeed> seeds = testing::FuzzCorpus("cmdline");
    ASSERT_FALSE(seeds.empty()) << "fuzz/corpus/cmdline";
    for (const testing::FuzzSeed& seed : seeds)
        EXPECT_EQ(fuzzing::ReadCommandLine(seed.bytes.data(), seed.bytes.size()), "") << seed.name;
}

}  // namespace
}  // namespace quibac
