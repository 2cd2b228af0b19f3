// The flic fuzz target's committed seeds, replayed through the target's own
// body: an input that once crashed the player and was fixed stays fixed.
#include "fuzz/flic_target.h"
#include "support/fuzz_corpus.h"
#include "support/platform_fixture.h"

namespace quibac {
namespace {

class FlicFuzzCorpus : public testing::PlatformTest {};

TEST_F(FlicFuzzCorpus, EverySeedPlaysThroughInsideItsBytes) {
    SetScreenSize(fuzzing::FlicPlayground::kScreenWidth, fuzzing::FlicPlayground::kScreenHeight);
    const std::vector<testing::FuzzSeed> seeds = testing::FuzzCorpus("flic");
    ASSERT_FALSE(seeds.empty()) << "fuzz/corpus/flic";
    fuzzing::FlicPlayground playground;
    for (const testing::FuzzSeed& seed : seeds)
        EXPECT_EQ(playground.Play(seed.bytes.data(), seed.bytes.size()), "") << seed.name;
}

}  // namespace
}  // namespace quibac
