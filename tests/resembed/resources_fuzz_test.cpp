// The resources fuzz target's committed seeds, replayed through the target's
// own body: a script or template that once broke a reader stays fixed.
#include "fuzz/resources_target.h"
#include "support/fuzz_corpus.h"
#include "support/platform_fixture.h"
#include "support/temp_folder.h"

namespace quibac {
namespace {

class ResourcesFuzzCorpus : public testing::PlatformTest {
protected:
    testing::TempFolder folder_;
};

TEST_F(ResourcesFuzzCorpus, EverySeedReadsAndRoundTrips) {
    const std::vector<testing::FuzzSeed> seeds = testing::FuzzCorpus("resources");
    ASSERT_FALSE(seeds.empty()) << "fuzz/corpus/resources";
    for (const testing::FuzzSeed& seed : seeds)
        EXPECT_EQ(fuzzing::ReadResourceData(seed.bytes.data(), seed.bytes.size(), folder_.path()), "") << seed.name;
}

}  // namespace
}  // namespace quibac
