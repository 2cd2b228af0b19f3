#include "show/random.h"

namespace quibac {

namespace {
constexpr uint32_t kMultiplier = 214013;
constexpr uint32_t kIncrement = 2531011;
constexpr int kValueShift = 16;
constexpr uint32_t kValueMask = 0x7FFF;
}  // namespace

void SeedRandom(RandomGenerator& random, uint32_t seed) { random.State = seed; }

int32_t RandomValue(RandomGenerator& random) {
    random.State = random.State * kMultiplier + kIncrement;  // wraps modulo 2^32
    return int32_t((random.State >> kValueShift) & kValueMask);
}

}  // namespace quibac
