// Small stand-ins for the shipped animations and bitmaps, shaped like them
// (sizes, frame counts, prefix item, door-table frame numbering) and drawn so
// that a test can tell from the frame buffer which frame it is looking at.
#pragma once

#include <windows.h>

#include <cstdint>

namespace quibac::testing {

// DATESFLIC: frame k (0..24) is the header of December k + 1.
//  - a bar in marker colour 10 on canvas rows 40..49, columns 0..15(k+1)-1;
//  - a bar in colour 11 on rows 60..69, columns 400..400+15(24-k)-1 (days left);
//  - on frame 24 a greeting block in marker colour 10, rows 80..89, columns 600..699;
//  - canvas pixel (k, 127) in colour 12 and (k, 128) in colour 13.
//  Everything else of the header is background 245.
constexpr int32_t kDateBarRow = 40;
constexpr int32_t kDateBarStep = 15;
constexpr int32_t kDaysLeftRow = 60;
constexpr int32_t kGreetingRow = 80;

// ADVENTFLIC: 86 frames and a ring frame. Frame f paints canvas rows
// 300..307 (tall enough to survive a preview's scaling) in AdventStripe(f); frames 57..59 change nothing (stored
// without chunks). The background of the pictures is colour 100.
constexpr int32_t kAdventStripeRow = 300;
constexpr int32_t kAdventStripeRows = 8;
constexpr uint8_t kAdventBackground = 100;
uint8_t AdventStripe(int32_t frame);

// Distinct palette (DistinctColours) in every file.
void AddTestAnimations(HMODULE module);
// The five bitmaps: walker frame f is filled with colour 150 + f, winker
// frame f with 160 + f, caption q with 170 + q, the advert with 180, the
// logo with 190 (each with a one-pixel border of 245 so edges show).
void AddTestBitmaps(HMODULE module);

}  // namespace quibac::testing
