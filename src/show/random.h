// The process-wide pseudo-random sequence of the show: a linear congruential
// generator whose values run from 0 to 32767.
#pragma once

#include <cstdint>

namespace quibac {

struct RandomGenerator {
    uint32_t State = 0;
};

void SeedRandom(RandomGenerator& random, uint32_t seed);
int32_t RandomValue(RandomGenerator& random);

// r mod n as the show uses it: r is never negative, and a negative n leaves
// the remainder non-negative (the sign of the dividend). n must not be 0.
inline int32_t RandomMod(int32_t r, int32_t n) { return r % n; }

}  // namespace quibac
