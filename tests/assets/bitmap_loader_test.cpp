// Loading 8-bit bitmap resources into canvas-orientation arrays.
#include "assets/bitmap_assets.h"
#include "assets/resource_names.h"
#include "support/bitmap_builder.h"
#include "support/platform_fixture.h"

#include <posix_control.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace quibac {
namespace {

using testing::MakeBitmapResource;
using testing::MakeRle8BitmapResource;

class BitmapLoaderTest : public testing::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        module_ = posix::CreateResourceModule();
        assets_ = std::make_unique<BitmapAssets>();
    }
    void TearDown() override {
        posix::SetResourceLocale("");
        posix::DestroyResourceModule(module_);
        PlatformTest::TearDown();
    }
    void Add(const char* name, std::vector<uint8_t> bytes, WORD language = LANG_NEUTRAL) {
        posix::AddResource(module_, RT_BITMAP, name, std::move(bytes), language);
    }

    HMODULE module_ = nullptr;
    std::unique_ptr<BitmapAssets> assets_;
};

// Pixel (u, v) of a test picture: distinct along both axes.
uint8_t Pixel(int u, int v) { return uint8_t((u * 3 + v * 5) & 0xFF); }

std::vector<uint8_t> Picture(int width, int height) {
    std::vector<uint8_t> pixels(size_t(width) * size_t(height));
    for (int v = 0; v < height; ++v)
        for (int u = 0; u < width; ++u) pixels[size_t(v) * size_t(width) + size_t(u)] = Pixel(u, v);
    return pixels;
}

// The table holds the colour table MakeBitmapResource was given.
void ExpectDistinctColoursCaptured(const CapturedPaletteTable& captured) {
    const auto colours = testing::DistinctColours();
    for (size_t k = 0; k < colours.size(); ++k) {
        EXPECT_EQ(captured[k].Red, colours[k].r) << k;
        EXPECT_EQ(captured[k].Green, colours[k].g) << k;
        EXPECT_EQ(captured[k].Blue, colours[k].b) << k;
    }
}

TEST_F(BitmapLoaderTest, WalkerStripLoadsTopRowFirstWithFramesSideBySide) {
    std::vector<uint8_t> pixels = Picture(kWalkStripWidth, kWalkStripHeight);
    pixels[0] = 200;    // top-left of frame 0
    pixels[268] = 201;  // top-left of frame 1
    Add(kWalkAnim, MakeBitmapResource(kWalkStripWidth, kWalkStripHeight, pixels, testing::DistinctColours()));
    CapturedPaletteTable captured{};
    LoadWalkerBitmap(module_, *assets_, captured);
    EXPECT_EQ(assets_->WalkStrip[0], 200);
    EXPECT_EQ(assets_->WalkStrip[268], 201);
    EXPECT_EQ(assets_->WalkStrip[size_t(329) * kWalkStripWidth + 2143], Pixel(2143, 329));
    EXPECT_EQ(assets_->WalkStrip[size_t(100) * kWalkStripWidth + 7], Pixel(7, 100));
    ExpectDistinctColoursCaptured(captured);
}

TEST_F(BitmapLoaderTest, SceneBitmapsLoadWithoutTouchingThePalette) {
    Add(kQuotes, MakeBitmapResource(kQuoteStripWidth, kQuoteStripHeight, Picture(kQuoteStripWidth, kQuoteStripHeight),
                                    testing::DistinctColours()));
    Add(kWalkAnim, MakeBitmapResource(kWalkStripWidth, kWalkStripHeight, Picture(kWalkStripWidth, kWalkStripHeight),
                                      testing::DistinctColours()));
    LoadSceneBitmaps(module_, *assets_);
    // Caption 4 starts 4 x 60 rows down.
    EXPECT_EQ(assets_->QuoteStrip[78720], Pixel(0, 240));
    // The scene bitmaps are loaded without a table; a load that is handed one
    // fills it from the resource's colour table.
    CapturedPaletteTable captured{};
    captured[5].Red = 99;
    EXPECT_TRUE(
        LoadBitmapAsset(module_, assets_->WalkStrip.data(), kWalkStripWidth, kWalkStripHeight, kWalkAnim, &captured));
    ExpectDistinctColoursCaptured(captured);
    EXPECT_EQ(assets_->WalkStrip[1], Pixel(1, 0));
}

TEST_F(BitmapLoaderTest, MissingResourceIsReportedAndLeavesTheArray) {
    assets_->LogoPicture.fill(17);
    CapturedPaletteTable captured{};
    captured[3].Green = 5;
    EXPECT_FALSE(LoadBitmapAsset(module_, assets_->LogoPicture.data(), kLogoWidth, kLogoHeight, kQuibLogo, &captured));
    EXPECT_EQ(posix::DebugOutput(), "\nFindResource failed.");
    EXPECT_EQ(assets_->LogoPicture[0], 17);
    EXPECT_EQ(assets_->LogoPicture.back(), 17);
    EXPECT_EQ(captured[3].Green, 5);
}

TEST_F(BitmapLoaderTest, LoadingTwiceGivesTheSameArray) {
    Add(kQuibLogo,
        MakeBitmapResource(kLogoWidth, kLogoHeight, Picture(kLogoWidth, kLogoHeight), testing::DistinctColours()));
    LoadSceneBitmaps(module_, *assets_);
    const auto first = assets_->LogoPicture;
    LoadSceneBitmaps(module_, *assets_);
    EXPECT_EQ(first, assets_->LogoPicture);
}

TEST_F(BitmapLoaderTest, ShortResourceCopiesOnlyTheRowsItHolds) {
    // A logo cut off after its first 10 stored (bottom) rows.
    std::vector<uint8_t> bytes =
        MakeBitmapResource(kLogoWidth, kLogoHeight, Picture(kLogoWidth, kLogoHeight), testing::DistinctColours());
    bytes.resize(1064 + 10 * kLogoWidth + 7);
    Add(kQuibLogo, bytes);
    assets_->LogoPicture.fill(250);
    LoadBitmapAsset(module_, assets_->LogoPicture.data(), kLogoWidth, kLogoHeight, kQuibLogo, nullptr);
    EXPECT_EQ(assets_->LogoPicture[size_t(127) * kLogoWidth], Pixel(0, 127));
    EXPECT_EQ(assets_->LogoPicture[size_t(118) * kLogoWidth + 3], Pixel(3, 118));
    EXPECT_EQ(assets_->LogoPicture[size_t(117) * kLogoWidth], 250);
    EXPECT_EQ(assets_->LogoPicture[0], 250);
}

TEST_F(BitmapLoaderTest, AbsurdHeaderSizeReadsNothingOutside) {
    for (uint32_t headerSize : {0xFFFFFFF0u, 0x7FFFFFFFu, 2000u}) {
        std::vector<uint8_t> bytes =
            MakeBitmapResource(kLogoWidth, kLogoHeight, Picture(kLogoWidth, kLogoHeight), testing::DistinctColours());
        std::memcpy(bytes.data(), &headerSize, 4);
        posix::DestroyResourceModule(module_);
        module_ = posix::CreateResourceModule();
        Add(kQuibLogo, bytes);
        CapturedPaletteTable captured{};
        assets_->LogoPicture.fill(1);
        LoadBitmapAsset(module_, assets_->LogoPicture.data(), kLogoWidth, kLogoHeight, kQuibLogo, &captured);
        if (headerSize > 2000u) {
            EXPECT_EQ(assets_->LogoPicture[0], 1) << headerSize;
        }
    }
    // A resource too small to hold even a header.
    Add(kQuotes, std::vector<uint8_t>{40, 0});
    LoadBitmapAsset(module_, assets_->QuoteStrip.data(), kQuoteStripWidth, kQuoteStripHeight, kQuotes, nullptr);
}

TEST_F(BitmapLoaderTest, ACompressedBitmapDrawsOnlyWhatItsStreamWrites) {
    // Two pixels at the start of the stored bottom row, then up to the top
    // row and along it to its last pixel.
    const std::vector<uint8_t> stream = {2, 7, 0, 0, 0, 2, 0, 126, 0, 2, 255, 0, 0, 2, 248, 0, 1, 8, 0, 1};
    Add(kQuibLogo, MakeRle8BitmapResource(kLogoWidth, kLogoHeight, stream, testing::DistinctColours()));
    assets_->LogoPicture.fill(250);
    CapturedPaletteTable captured{};
    EXPECT_TRUE(LoadBitmapAsset(module_, assets_->LogoPicture.data(), kLogoWidth, kLogoHeight, kQuibLogo, &captured));
    const size_t bottomRow = size_t(kLogoHeight - 1) * kLogoWidth;
    EXPECT_EQ(assets_->LogoPicture[bottomRow], 7);
    EXPECT_EQ(assets_->LogoPicture[bottomRow + 1], 7);
    EXPECT_EQ(assets_->LogoPicture[kLogoWidth - 1], 8);
    EXPECT_EQ(std::count(assets_->LogoPicture.begin(), assets_->LogoPicture.end(), 250),
              long(assets_->LogoPicture.size()) - 3);
    ExpectDistinctColoursCaptured(captured);
}

// A language's picture with words may hold only what it changes of the
// English one, which is laid down first; one stored whole covers it.
TEST_F(BitmapLoaderTest, APictureWithWordsIsLaidOverItsEnglishOne) {
    const std::vector<uint8_t> english = Picture(kQuoteStripWidth, kQuoteStripHeight);
    const std::vector<uint8_t> polish(english.size(), 3);
    // The first pixel of the stored bottom row.
    const std::vector<uint8_t> germanChange = {1, 200, 0, 1};
    Add(kQuotes, MakeBitmapResource(kQuoteStripWidth, kQuoteStripHeight, english, testing::DistinctColours()),
        MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    Add(kQuotes, MakeRle8BitmapResource(kQuoteStripWidth, kQuoteStripHeight, germanChange, testing::DistinctColours()),
        MAKELANGID(LANG_GERMAN, SUBLANG_DEFAULT));
    Add(kQuotes, MakeBitmapResource(kQuoteStripWidth, kQuoteStripHeight, polish, testing::DistinctColours()),
        MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT));
    std::vector<uint8_t> german = english;
    german[size_t(kQuoteStripHeight - 1) * kQuoteStripWidth] = 200;
    const struct {
        const char* locale;
        const std::vector<uint8_t>* expected;
    } rows[] = {{"C", &english}, {"de_DE.UTF-8", &german}, {"pl", &polish}, {"fi_FI.UTF-8", &english}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.locale);
        posix::SetResourceLocale(row.locale);
        auto assets = std::make_unique<BitmapAssets>();
        LoadSceneBitmaps(module_, *assets);
        EXPECT_TRUE(std::equal(assets->QuoteStrip.begin(), assets->QuoteStrip.end(), row.expected->begin()));
    }
}

}  // namespace
}  // namespace quibac
