// The five committed bitmaps: the format the loader relies on, one shared
// colour table with the fixed entries in place, and the frame layouts that
// the sprite scenes cut the pictures into.
#include "asset_files.h"

#include "show/calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace quibac::art {
namespace {

struct Expected {
    const char* file;
    int32_t width, height;
};
constexpr Expected kBitmaps[] = {
    {"walkanim.bmp", 2144, 330}, {"winkanim.bmp", 2124, 390}, {"quotes.bmp", 328, 300},
    {"advert.bmp", 800, 600},    {"quiblogo.bmp", 504, 128},
};
constexpr uint8_t kBackground = 245;
constexpr uint8_t kMarker = 10;

TEST(ArtBitmaps, HeadersAreWhatTheResourceCompilerKeepsAndTheLoaderExpects) {
    for (const Expected& e : kBitmaps) {
        SCOPED_TRACE(e.file);
        const std::vector<uint8_t> b = ReadBytes(AssetsDir() / e.file);
        ASSERT_GE(b.size(), 1078u);
        EXPECT_EQ(Le32(b, 2), b.size());  // file size
        EXPECT_EQ(Le32(b, 10), 1078u);    // pixels right after header and table
        // The info header that becomes the start of the resource.
        EXPECT_EQ(Le32(b, 14), 40u);
        EXPECT_EQ(int32_t(Le32(b, 18)), e.width);
        EXPECT_EQ(int32_t(Le32(b, 22)), e.height);  // positive: bottom-up
        EXPECT_EQ(Le16(b, 26), 1);
        EXPECT_EQ(Le16(b, 28), 8);
        EXPECT_EQ(Le32(b, 30), 0u);
        EXPECT_EQ(Le32(b, 34), uint32_t(e.width * e.height));
        EXPECT_EQ(Le32(b, 46), 256u);
        EXPECT_EQ(Le32(b, 50), 256u);
        EXPECT_EQ(e.width % 4, 0);  // rows without filler
        EXPECT_EQ(b.size(), 1078u + size_t(e.width) * size_t(e.height));
    }
}

TEST(ArtBitmaps, AllShareOneTableWithTheFixedEntries) {
    const Bitmap first = LoadBitmap(kBitmaps[0].file);
    ASSERT_EQ(first.table.size(), 256u);
    for (const Expected& e : kBitmaps) EXPECT_TRUE(LoadBitmap(e.file).table == first.table) << e.file;

    const std::array<Colour, 20> system = {{{0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},
                                            {0, 0, 128},     {128, 0, 128},   {0, 128, 128},   {192, 192, 192},
                                            {192, 220, 192}, {166, 202, 240}, {255, 251, 240}, {160, 160, 164},
                                            {128, 128, 128}, {255, 0, 0},     {0, 255, 0},     {255, 255, 0},
                                            {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255}}};
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(first.table[i], system[i]) << "entry " << i;
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(first.table[246 + i], system[10 + i]) << "entry " << 246 + i;
    EXPECT_EQ(first.table[kBackground], (Colour{255, 255, 255}));
}

// WCAG contrast of a colour against white.
double ContrastOnWhite(Colour c) {
    auto lin = [](uint8_t v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    const double l = 0.2126 * lin(c.r) + 0.7152 * lin(c.g) + 0.0722 * lin(c.b);
    return 1.05 / (l + 0.05);
}

TEST(ArtBitmaps, DoorColoursAreStrongAndDistinctLettering) {
    const Bitmap bmp = LoadBitmap("walkanim.bmp");
    ASSERT_EQ(bmp.table.size(), 256u);
    std::set<uint8_t> indices = {kMarker};
    const DoorTableType table = InitialDoorTable();
    for (int day = 1; day <= kDoorDays; ++day) {
        const uint8_t c = table[size_t(day)].DoorColour;
        if (c != kOpenDoorColour) indices.insert(c);
    }
    ASSERT_GE(indices.size(), 10u);
    for (uint8_t i : indices) {
        // Large lettering on white needs at least 3:1.
        EXPECT_GE(ContrastOnWhite(bmp.table[i]), 3.0) << "door colour " << int(i);
        for (uint8_t j : indices) {
            if (j <= i) continue;
            const Colour a = bmp.table[i], b = bmp.table[j];
            const double d =
                std::sqrt(double((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b)));
            EXPECT_GT(d, 60.0) << "door colours " << int(i) << " and " << int(j) << " look alike";
        }
    }
}

TEST(ArtBitmaps, MarkerColourAndSecondWhiteAreNeverPainted) {
    // Colour 10 is redrawn in the day's colour wherever the header uses it, and
    // white is always the background entry: neither may appear in artwork.
    for (const Expected& e : kBitmaps) {
        const Bitmap bmp = LoadBitmap(e.file);
        EXPECT_EQ(std::count(bmp.pixels.begin(), bmp.pixels.end(), kMarker), 0) << e.file;
        EXPECT_EQ(std::count(bmp.pixels.begin(), bmp.pixels.end(), 255), 0) << e.file;
    }
}

// Whether a rectangle's border (the outermost rows and columns given) is all
// background.
bool EdgeIsBackground(const Bitmap& bmp, int x0, int y0, int w, int h, bool bottom) {
    for (int x = x0; x < x0 + w; ++x) {
        if (bmp.at(x, y0) != kBackground) return false;
        if (bottom && bmp.at(x, y0 + h - 1) != kBackground) return false;
    }
    for (int y = y0; y < y0 + h; ++y)
        if (bmp.at(x0, y) != kBackground || bmp.at(x0 + w - 1, y) != kBackground) return false;
    return true;
}

size_t FrameDifference(const Bitmap& bmp, int frameWidth, int a, int b) {
    size_t n = 0;
    for (int y = 0; y < bmp.height; ++y)
        for (int x = 0; x < frameWidth; ++x) n += bmp.at(a * frameWidth + x, y) != bmp.at(b * frameWidth + x, y);
    return n;
}

TEST(ArtSprites, WalkFramesStandClearOfTheirEdgesAndAllDiffer) {
    const Bitmap walk = LoadBitmap("walkanim.bmp");
    ASSERT_EQ(walk.width, 2144);
    constexpr int kFrame = 268, kFrames = 8;
    for (int f = 0; f < kFrames; ++f) {
        // Nothing is cut off at the sides or the top of any frame; the corners
        // are background so that the opaque sprite sits cleanly on white.
        EXPECT_TRUE(EdgeIsBackground(walk, f * kFrame, 0, kFrame, walk.height, false)) << "frame " << f;
        EXPECT_EQ(walk.at(f * kFrame, walk.height - 1), kBackground);
        EXPECT_EQ(walk.at(f * kFrame + kFrame - 1, walk.height - 1), kBackground);
        for (int g = f + 1; g < kFrames; ++g) EXPECT_GT(FrameDifference(walk, kFrame, f, g), 500u) << f << " vs " << g;
    }
}

TEST(ArtSprites, WalkKeepsItsFeetOnOneGroundLine) {
    // The lowest dark (outline) pixel of every frame is the sole of a planted
    // foot: it must not bob with the body, or the walker would float.
    const Bitmap walk = LoadBitmap("walkanim.bmp");
    constexpr int kFrame = 268, kFrames = 8;
    std::vector<int> soles;
    for (int f = 0; f < kFrames; ++f) {
        int lowest = -1;
        for (int y = 0; y < walk.height; ++y)
            for (int x = 0; x < kFrame; ++x) {
                const Colour c = walk.table[walk.at(f * kFrame + x, y)];
                if (c.r + c.g + c.b < 200) lowest = y;
            }
        soles.push_back(lowest);
    }
    const auto [lo, hi] = std::minmax_element(soles.begin(), soles.end());
    EXPECT_GT(*lo, 300);
    EXPECT_LE(*hi - *lo, 3);
}

TEST(ArtSprites, WinkClosesAndReopensOneEye) {
    const Bitmap wink = LoadBitmap("winkanim.bmp");
    ASSERT_EQ(wink.width, 2124);
    constexpr int kFrame = 303, kFrames = 7;
    for (int f = 0; f < kFrames; ++f) {
        EXPECT_EQ(wink.at(f * kFrame, 0), kBackground);
        EXPECT_EQ(wink.at(f * kFrame + kFrame - 1, 0), kBackground);
    }
    // Frame 0 is the face at rest; the change from it grows while the eye
    // closes (1..3), holds shut (4), and shrinks as it opens (5, 6).
    std::vector<size_t> d(kFrames);
    for (int f = 1; f < kFrames; ++f) d[size_t(f)] = FrameDifference(wink, kFrame, 0, f);
    EXPECT_GT(d[1], 0u);
    EXPECT_LT(d[1], d[2]);
    EXPECT_LT(d[2], d[3]);
    EXPECT_EQ(d[3], d[4]);
    EXPECT_GT(d[4], d[5]);
    EXPECT_GT(d[5], d[6]);
    EXPECT_GT(d[6], 0u);
    // The wink is small next to the face: most of the picture stays put.
    EXPECT_LT(d[3], size_t(kFrame * wink.height / 8));
    // The three columns after the last frame belong to no frame.
    for (int y = 0; y < wink.height; ++y)
        for (int x = kFrames * kFrame; x < wink.width; ++x) EXPECT_EQ(wink.at(x, y), kBackground);
}

TEST(ArtSprites, CaptionsAreSeparateCentredBands) {
    const Bitmap quotes = LoadBitmap("quotes.bmp");
    ASSERT_EQ(quotes.height, 300);
    constexpr int kBand = 60;
    for (int q = 0; q < 5; ++q) {
        SCOPED_TRACE(q);
        int left = quotes.width, right = -1;
        size_t ink = 0;
        for (int y = q * kBand; y < (q + 1) * kBand; ++y)
            for (int x = 0; x < quotes.width; ++x)
                if (quotes.at(x, y) != kBackground) {
                    ++ink;
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        EXPECT_GT(ink, 2000u);  // real lettering, not a stray mark
        EXPECT_TRUE(EdgeIsBackground(quotes, 0, q * kBand, quotes.width, kBand, true));
        EXPECT_LE(std::abs((left + right) - (quotes.width - 1)), 12);  // centred within a few pixels
    }
}

TEST(ArtSprites, LogoSitsInsideItsPicture) {
    const Bitmap logo = LoadBitmap("quiblogo.bmp");
    ASSERT_EQ(logo.width, 504);
    EXPECT_TRUE(EdgeIsBackground(logo, 0, 0, logo.width, logo.height, true));
    const size_t ink =
        size_t(std::count_if(logo.pixels.begin(), logo.pixels.end(), [](uint8_t p) { return p != kBackground; }));
    EXPECT_GT(ink, size_t(logo.width * logo.height / 6));
}

TEST(ArtSprites, AdvertUsesTheWholeTableWidely) {
    // A full-canvas poster: background everywhere would mean a failed render.
    const Bitmap advert = LoadBitmap("advert.bmp");
    ASSERT_EQ(advert.width, 800);
    std::set<uint8_t> used(advert.pixels.begin(), advert.pixels.end());
    EXPECT_GT(used.size(), 100u);
}

}  // namespace
}  // namespace quibac::art
