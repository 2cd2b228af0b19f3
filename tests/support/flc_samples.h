// Pictures and animations for the tests and benchmarks of the FLC encoder and
// the player: noise, flat areas, moving shapes, all from fixed seeds.
#pragma once

#include "flc/flc_writer.h"

#include <cstdint>
#include <vector>

namespace quibac::testing {

// Every entry a colour of its own, entry 0 black and 255 white.
flc::Palette SamplePalette();

// Uniform noise over all 256 indices.
flc::Bytes NoisePicture(int width, int height, uint32_t seed);
// A copy of picture in which each pixel takes a new random index with the
// given probability (in 1/256ths).
flc::Bytes Disturb(const flc::Bytes& picture, uint32_t seed, int chancePer256);
// Flat bands with a few shapes whose places depend on t: small, local
// changes from one t to the next. A different look selects another set of
// bands and shapes, so that changing it rewrites nearly every pixel.
flc::Bytes ScenePicture(int width, int height, int t, int look = 0);

// An animation of ScenePicture frames: frameCount frames, a new look every
// lookEvery frames (0: never).
flc::Animation SceneAnimation(int width, int height, int frameCount, int lookEvery = 0);

}  // namespace quibac::testing
