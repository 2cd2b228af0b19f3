// Common ground for tests that run the saver's code on the POSIX platform:
// a fresh platform before each test, and after it a check that the code under
// test made no call that Windows would refuse.
#pragma once

#include <posix_control.h>

#include <gtest/gtest.h>

#include <string>

namespace quibac::testing {

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        posix::ResetPlatform(screenWidth_, screenHeight_);
        gdiAtStart_ = posix::LiveGdiObjects();
        blocksAtStart_ = posix::LiveMemoryBlocks();
    }
    void TearDown() override {
        EXPECT_EQ(posix::GdiMisuseCount(), 0)
            << "calls that Windows would refuse (GDI objects, memory blocks, libraries)";
    }

    // Objects the test has left alive beyond those it started with.
    int GdiObjectsLeft() const { return posix::LiveGdiObjects() - gdiAtStart_; }
    int MemoryBlocksLeft() const { return posix::LiveMemoryBlocks() - blocksAtStart_; }

    void SetScreenSize(int width, int height) {
        screenWidth_ = width;
        screenHeight_ = height;
        posix::ResetPlatform(width, height);
    }

private:
    int screenWidth_ = 1024;
    int screenHeight_ = 768;
    int gdiAtStart_ = 0;
    int blocksAtStart_ = 0;
};

// Names table-driven cases after their row's name.
template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& row) {
    return row.param.name;
}

// A path under the build tree where a test may leave pictures for a person to
// look at; the folder is created on demand.
std::string TestOutputPath(const std::string& name);

}  // namespace quibac::testing
