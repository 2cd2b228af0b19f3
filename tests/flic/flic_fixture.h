// A player wired to a display and a DateBand as the show wires it, over a
// resource module of the test's own in which animations are registered as
// "Flic" resources.
#pragma once

#include "display/display.h"
#include "flc/flc_writer.h"
#include "flic/flic_decoders.h"
#include "flic/flic_player.h"
#include "show/date_band.h"
#include "show/playback.h"
#include "support/display_harness.h"
#include "support/platform_fixture.h"

#include <posix_control.h>

#include <memory>
#include <string>
#include <vector>

namespace quibac::testing {

class FlicTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        module_ = posix::CreateResourceModule();
        player_.Instance = module_;
        band_ = std::make_unique<DateBand>();
        UseOutput(800, 600, false);
    }
    void TearDown() override {
        harness_.reset();
        posix::DestroyResourceModule(module_);
        PlatformTest::TearDown();
    }

    // A display for a window of this size (stretched or centred).
    void UseOutput(int width, int height, bool stretch) {
        harness_.reset();
        if (width > posix::ScreenWidth() || height > posix::ScreenHeight()) SetScreenSize(width, height);
        harness_ = std::make_unique<DisplayHarness>(0, 0, width, height, stretch);
        ASSERT_TRUE(harness_->ok());
        // Aimed now for the steps a test takes with FlicStep itself.
        player_.Target = PlayerTarget(display(), *band_);
    }

    // Registers bytes under name and makes them the current animation, rewound.
    void Load(const std::vector<uint8_t>& bytes, const char* name = "TESTFLIC") {
        posix::AddResource(module_, "FLIC", name, bytes);
        ASSERT_TRUE(FlicLoad(player_, name));
        FlicRewind(player_);
    }
    // One step as the show takes it; returns why it ended where it did,
    // which Step keeps in lastAdvance_.
    FlicAdvance Advance() { return lastAdvance_ = PlayNextFrame(player_, display(), *band_); }
    // One step as Advance takes it; returns how far it moved.
    uint32_t Step() {
        const uint32_t before = player_.FrameOffset;
        Advance();
        return player_.FrameOffset - before;
    }
    // Steps until a step returns 0; returns the number of steps that moved.
    int StepToEnd() {
        int steps = 0;
        while (Step() != 0) ++steps;
        return steps;
    }

    Display& display() { return harness_->display(); }
    DisplayHarness& harness() { return *harness_; }
    // The frame buffer's visible bytes, row after row, without padding.
    std::vector<uint8_t> Frame() {
        const Display& d = display();
        std::vector<uint8_t> out;
        for (int v = 0; v < d.Geometry.OutputHeight; ++v) {
            const uint8_t* row = d.Dib.FrameBuffer + size_t(v) * size_t(d.Dib.Stride);
            out.insert(out.end(), row, row + d.Geometry.OutputWidth);
        }
        return out;
    }
    uint8_t Pixel(int u, int v) {
        return display().Dib.FrameBuffer[size_t(v) * size_t(display().Dib.Stride) + size_t(u)];
    }

    HMODULE module_ = nullptr;
    FlicPlayer player_;
    FlicAdvance lastAdvance_ = FlicAdvance::End;
    std::unique_ptr<DateBand> band_;
    std::unique_ptr<DisplayHarness> harness_;
};

// Hand-built files: a header for the size, the plain prefix, and frames.
inline std::vector<uint8_t> FlcOf(int width, int height, const std::vector<flc::Bytes>& frames) {
    const int counted = frames.empty() ? 0 : int(frames.size()) - 1;
    return flc::AssembleFlc(flc::HeaderFields{width, height, counted, 70}, flc::PrefixChunk(), frames);
}

// Frame with one chunk of the given type and data.
inline flc::Bytes FrameOf(uint16_t type, const flc::Bytes& data) {
    return flc::MakeFrame({flc::MakeChunk(type, data)});
}

}  // namespace quibac::testing
