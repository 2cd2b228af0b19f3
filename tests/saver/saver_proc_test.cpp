// The saver procedure on its own window: what creation works out, what the
// first paint builds (once), and what destruction frees.
#include "saver/saver.h"
#include "settings/settings.h"
#include "support/ini_text.h"
#include "support/platform_fixture.h"
#include "support/temp_folder.h"

#include <posix_control.h>
#include <posix_windows.h>

#include <filesystem>
#include <memory>
#include <string>

namespace quibac {
namespace {

constexpr char kClass[] = "SaverProcTestClass";

// The saver of the window under test; only the test's thread touches it.
Saver* g_saver = nullptr;

LRESULT CALLBACK ToSaver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_saver == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return SaverProc(*g_saver, window, message, wParam, lParam);
}

class SaverProcTest : public testing::PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        posix::UseVirtualTime(true);
        posix::SetDebugCapture(false);
        posix::SetProfileDirectory(folder_.path());
        saver_ = std::make_unique<Saver>(posix::MainModule(), DefWindowProcA);
        g_saver = saver_.get();
        WNDCLASSA saverClass{};
        saverClass.lpfnWndProc = ToSaver;
        saverClass.hInstance = posix::MainModule();
        saverClass.lpszClassName = kClass;
        RegisterClassA(&saverClass);
    }
    void TearDown() override {
        if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
        g_saver = nullptr;
        saver_.reset();
        UnregisterClassA(kClass, posix::MainModule());
        posix::SetProfileDirectory("");
        PlatformTest::TearDown();
    }
    HWND Create(int width, int height) {
        window_ = CreateWindowExA(0, kClass, "Saver", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                  posix::MainModule(), nullptr);
        return window_;
    }

    testing::TempFolder folder_;
    std::unique_ptr<Saver> saver_;
    HWND window_ = nullptr;
};

struct GeometryRow {
    int width, height;
    const char* stretch;  // the stored value; nullptr: no INI file
    int32_t outputWidth, outputHeight, originX, originY;
    bool smallScreen;
};

TEST_F(SaverProcTest, CreationWorksOutTheGeometryFromTheWindowAndTheSetting) {
    const GeometryRow rows[] = {
        {799, 600, "0", 799, 600, 0, 0, false},         {800, 599, "0", 800, 599, 0, 0, false},
        {800, 600, "0", 800, 600, 0, 0, false},         {1024, 768, "0", 800, 600, 112, 84, false},
        {1025, 769, nullptr, 800, 600, 112, 84, false}, {1280, 1024, "1", 1280, 1024, 0, 0, false},
        {1280, 1024, "-3", 1280, 1024, 0, 0, false},    {319, 200, "0", 319, 200, 0, 0, true},
        {320, 200, "0", 320, 200, 0, 0, false},
    };
    for (const GeometryRow& row : rows) {
        const std::string ini = row.stretch != nullptr ? testing::StretchIni(row.stretch) : "";
        if (row.stretch != nullptr)
            folder_.Write(kSettingsFile, ini);
        else
            std::filesystem::remove(folder_.Path(kSettingsFile));
        saver_ = std::make_unique<Saver>(posix::MainModule(), DefWindowProcA);
        g_saver = saver_.get();
        ASSERT_NE(Create(row.width, row.height), nullptr);
        const OutputGeometry& g = saver_->Output.Geometry;
        EXPECT_EQ(g.OutputWidth, row.outputWidth) << row.width << " x " << row.height;
        EXPECT_EQ(g.OutputHeight, row.outputHeight) << row.width << " x " << row.height;
        EXPECT_EQ(g.OriginX, row.originX) << row.width << " x " << row.height;
        EXPECT_EQ(g.OriginY, row.originY) << row.width << " x " << row.height;
        EXPECT_EQ(g.SmallScreen, row.smallScreen) << row.width << " x " << row.height;
        EXPECT_EQ(folder_.Read(kSettingsFile), ini) << "a forced stretch is never written back";
        DestroyWindow(window_);
    }
}

TEST_F(SaverProcTest, FirstPaintBuildsOnceAndLaterPaintsOnlyPresent) {
    ASSERT_NE(Create(1024, 768), nullptr);
    EXPECT_EQ(saver_->Output.WindowDC.get(), nullptr) << "nothing is built before the first paint";
    SendMessageA(window_, WM_PAINT, 0, 0);
    const HDC dc = saver_->Output.WindowDC.get();
    const HGLOBAL frame = saver_->Output.Dib.Block.get();
    const HANDLE thread = saver_->ShowThreadHandle;
    ASSERT_NE(thread, nullptr);
    posix::TakeWindowBlits();
    SendMessageA(window_, WM_PAINT, 0, 0);
    EXPECT_EQ(saver_->Output.WindowDC.get(), dc);
    EXPECT_EQ(saver_->Output.Dib.Block.get(), frame);
    EXPECT_EQ(saver_->ShowThreadHandle, thread);
    EXPECT_EQ(posix::LiveThreads(), 1);
    bool presented = false;
    for (const posix::BlitRecord& b : posix::TakeWindowBlits())
        presented |= b.x == 112 && b.y == 84 && b.width == 800 && b.height == 600;
    EXPECT_TRUE(presented) << "the whole frame at its origin";
}

TEST_F(SaverProcTest, DestructionBeforeAnyPaintFreesOnlyTheAnimation) {
    const int gdi = posix::LiveGdiObjects();
    const int blocks = posix::LiveMemoryBlocks();
    ASSERT_NE(Create(800, 600), nullptr);
    ASSERT_NE(saver_->Animation.Player.Resource, nullptr);
    DestroyWindow(window_);
    EXPECT_EQ(saver_->Animation.Player.Resource, nullptr);
    EXPECT_EQ(posix::LiveGdiObjects(), gdi);
    EXPECT_EQ(posix::LiveMemoryBlocks(), blocks);
    EXPECT_EQ(posix::SoundCalls(), 1) << "sound stopped";
}

}  // namespace
}  // namespace quibac
