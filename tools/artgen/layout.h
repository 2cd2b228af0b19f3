// Sizes and layouts of the resource set's pictures, as the saver reads them.
#pragma once

namespace artgen {

// The logical picture of all full-screen artwork.
constexpr int kCanvasWidth = 800;
constexpr int kCanvasHeight = 600;

constexpr int kWalkFrames = 8;
constexpr int kWalkFrameWidth = 268;
constexpr int kWalkHeight = 330;
constexpr int kWalkWidth = kWalkFrames * kWalkFrameWidth;  // 2144
// The saver moves the walker this far per frame at full size.
constexpr int kWalkStep = 32;

constexpr int kWinkFrames = 7;
constexpr int kWinkFrameWidth = 303;
constexpr int kWinkHeight = 390;
constexpr int kWinkWidth = 2124;  // 7 x 303 = 2121, padded to a multiple of 4

constexpr int kQuoteCount = 5;
constexpr int kQuoteWidth = 328;
constexpr int kQuoteHeight = 60;

constexpr int kAdvertWidth = 800;
constexpr int kAdvertHeight = 600;

constexpr int kLogoWidth = 504;
constexpr int kLogoHeight = 128;

constexpr int kIconSize = 32;

}  // namespace artgen
