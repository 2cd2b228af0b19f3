// Every day's door picture as it reaches the screen, full size and in the
// preview, from the shipped animations: checked against checksums that were
// recorded once and reviewed by eye. After a deliberate change of the artwork,
// rerun with QUIBAC_UPDATE_PICTURES=1 to record new ones, look at the PNGs the
// run writes, and commit the new checksums.
#include "display/presentation.h"
#include "show/doors.h"
#include "support/platform_fixture.h"
#include "support/show_harness.h"

#include <posix_control.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace quibac {
namespace {

const std::string kSumsFile = std::string(QUIBAC_SOURCE_DIR) + "/tests/show/door_pictures.sums";

uint64_t Fnv1a(const std::vector<uint32_t>& pixels) {
    uint64_t hash = 1469598103934665603ull;
    for (uint32_t p : pixels) {
        for (int b = 0; b < 3; ++b) {
            hash ^= (p >> (8 * b)) & 0xFF;
            hash *= 1099511628211ull;
        }
    }
    return hash;
}

std::map<std::string, std::string> ReadSums() {
    std::map<std::string, std::string> sums;
    std::ifstream in(kSumsFile);
    std::string key, value;
    while (in >> key >> value) sums[key] = value;
    return sums;
}

class DoorPicturesTest : public testing::PlatformTest {
protected:
    void RenderAll(int width, int height, std::map<std::string, std::string>& found) {
        SetScreenSize(width, height);
        posix::UseVirtualTime(true);
        posix::SetDebugCapture(false);
        testing::ShowHarness harness(width, height, true);
        ASSERT_TRUE(harness.ok());
        ASSERT_NE(FindResourceA(posix::MainModule(), "ADVENTFLIC", "Flic"), nullptr) << "the shipped animations";
        posix::SetLocalDateTime(2026, 12, 25);
        SeedRandom(harness.show().Random, 2026);  // fixes the filled-in door colours
        InitCalendar(harness.show());
        for (int day = 1; day <= 25; ++day) {
            StartDoor(harness.show(), day);
            PresentFrame(harness.display());
            std::ostringstream key, value;
            key << "day" << day << "-" << width << "x" << height;
            value << std::hex << Fnv1a(posix::ScreenPixels(0, 0, width, height));
            found[key.str()] = value.str();
            posix::WriteScreenPng(testing::TestOutputPath("door-" + key.str() + ".png"));
        }
    }
};

TEST_F(DoorPicturesTest, EachDayLooksAsReviewed) {
    std::map<std::string, std::string> found;
    RenderAll(800, 600, found);
    RenderAll(152, 112, found);
    if (std::getenv("QUIBAC_UPDATE_PICTURES") != nullptr) {
        std::ofstream out(kSumsFile);
        for (const auto& [key, value] : found) out << key << " " << value << "\n";
        GTEST_SKIP() << "recorded " << found.size() << " checksums in " << kSumsFile;
    }
    const std::map<std::string, std::string> expected = ReadSums();
    ASSERT_EQ(expected.size(), 50u) << "no recorded checksums: run with QUIBAC_UPDATE_PICTURES=1";
    for (const auto& [key, value] : found)
        EXPECT_EQ(value, expected.at(key))
            << key << " differs; see " << testing::TestOutputPath("door-" + key + ".png");
}

}  // namespace
}  // namespace quibac
