// The executable's own bitmaps, as the platform serves them, load into the
// same pixels and colours as the committed files hold.
#include "assets/bitmap_assets.h"
#include "support/platform_fixture.h"
#include "support/resource_bytes.h"

#include <posix_control.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace quibac {
namespace {

std::vector<uint8_t> ReadAsset(const std::string& name) {
    std::ifstream in(std::string(QUIBAC_SOURCE_DIR) + "/assets/" + name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class EmbeddedBitmapsTest : public testing::PlatformTest {};

TEST_F(EmbeddedBitmapsTest, ResourcesAreTheFilesWithoutTheirFileHeader) {
    for (const char* name : {"WALKANIM", "WINKANIM", "QUOTES", "ADVERT", "QUIBLOGO"}) {
        const std::vector<uint8_t> bytes = testing::ResourceBytes(posix::MainModule(), RT_BITMAP, name);
        ASSERT_FALSE(bytes.empty()) << name;
        EXPECT_EQ(bytes[0], 40) << name << ": the info header comes first";
    }
    const std::vector<uint8_t> file = ReadAsset("walkanim.bmp");
    ASSERT_GT(file.size(), 14u);
    EXPECT_EQ(testing::ResourceBytes(posix::MainModule(), RT_BITMAP, "WALKANIM").size(), file.size() - 14);
}

TEST_F(EmbeddedBitmapsTest, WalkerLoadsTopRowFirstWithTheFilesColours) {
    auto assets = std::make_unique<BitmapAssets>();
    CapturedPaletteTable palette{};
    LoadWalkerBitmap(posix::MainModule(), *assets, palette);
    const std::vector<uint8_t> file = ReadAsset("walkanim.bmp");
    const size_t pixels = 14 + 40 + 1024;
    ASSERT_EQ(file.size(), pixels + assets->WalkStrip.size());
    // The file stores rows bottom-up: its last row is the strip's first.
    const size_t topRow = pixels + size_t(kWalkStripHeight - 1) * kWalkStripWidth;
    EXPECT_TRUE(std::equal(assets->WalkStrip.begin(), assets->WalkStrip.begin() + kWalkStripWidth,
                           file.begin() + long(topRow)));
    EXPECT_EQ(assets->WalkStrip[268], file[topRow + 268]) << "top-left of walker frame 1";
    for (size_t k = 0; k < 256; ++k) {
        EXPECT_EQ(palette[k].Blue, file[54 + 4 * k]);
        EXPECT_EQ(palette[k].Red, file[54 + 4 * k + 2]);
    }
    EXPECT_EQ(palette[245].Red & palette[245].Green & palette[245].Blue, 255) << "the artwork's white";
}

}  // namespace
}  // namespace quibac
