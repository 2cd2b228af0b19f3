// Day 6: a wrapped present with a luggage tag, the 6.
#include "door_parts.h"
#include "door_rooms.h"

#include <array>
#include <cmath>
#include <string>

namespace artgen::doors {

using namespace parts;

namespace {

// The present: its corner and size, and the centre of the burst of light
// behind it.
constexpr double kGiftX = 216, kGiftY = 228, kGiftW = 336, kGiftH = 330;
constexpr double kBurstX = 400, kBurstY = 400;

// A luggage-label tag on a string, centred on (x, y), turned by angle.
void GiftTag(cairo_t* cr, double x, double y, double w, double h, double angle, const std::string& number, Rgb ink) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    const double n = h * 0.28;  // the cut corners
    cairo_move_to(cr, -w / 2 + n, -h / 2);
    cairo_line_to(cr, w / 2, -h / 2);
    cairo_line_to(cr, w / 2, h / 2);
    cairo_line_to(cr, -w / 2 + n, h / 2);
    cairo_line_to(cr, -w / 2, h / 2 - n);
    cairo_line_to(cr, -w / 2, -h / 2 + n);
    cairo_close_path(cr);
    LinearSource(cr, 0, -h / 2, 0, h / 2, {{0, Hex(0xFFF8E8)}, {1, Hex(0xEADFC6)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_arc(cr, -w / 2 + n * 0.9, 0, h * 0.08, 0, 2 * kPi);
    FillThenStroke(cr, Hex(0xD9C9A6), kOutline, 2);
    PaintedNumber(cr, Font::Script, h * 1.05, number, w * 0.1, 0, ink, kWhite, 2, Lighten(ink, -0.5));
    cairo_restore(cr);
}

// A soft burst of light behind the gift, rays of two close reds.
void LightBurst(cairo_t* cr) {
    cairo_save(cr);
    constexpr int kRays = 24;
    constexpr double kRayLength = 900;
    for (int i = 0; i < kRays; i += 2) {
        const double a0 = 2 * kPi * i / kRays, a1 = 2 * kPi * (i + 1) / kRays;
        cairo_move_to(cr, kBurstX, kBurstY);
        cairo_line_to(cr, kBurstX + kRayLength * std::cos(a0), kBurstY + kRayLength * std::sin(a0));
        cairo_line_to(cr, kBurstX + kRayLength * std::cos(a1), kBurstY + kRayLength * std::sin(a1));
        cairo_close_path(cr);
    }
    SetColour(cr, Hex(0xC42A3E), 0.55);
    cairo_fill(cr);
    cairo_restore(cr);
    DrawGlow(cr, kBurstX, kBurstY, 330, Hex(0xFFD7A0), 0.45);
}

// Confetti scattered round the gift, none in front of it, and sparkles.
void ConfettiAndSparkles(cairo_t* cr) {
    Random rnd(66);
    const Rgb confetti[4] = {kGold, kWhite, Hex(0x2FA24D), Hex(0xFFB3C1)};
    for (int i = 0; i < 40; ++i) {
        const double x = rnd.Uniform(0, 800), y = rnd.Uniform(150, 600);
        if (std::fabs(x - 400) < 200 && y > 200) continue;
        Confetto(cr, x, y, rnd.Uniform(0, kPi), 12, confetti[i % 4]);
    }
    for (const auto& [x, y, s] : {std::array{150.0, 200.0, 16.0}, std::array{660.0, 240.0, 12.0},
                                  std::array{110.0, 470.0, 10.0}, std::array{700.0, 480.0, 14.0}}) {
        Twinkle(cr, x, y, s, 1.0);
    }
}

// Stars printed on the wrapping paper of the present's body, clear of the
// ribbon.
void WrappingPaperStars(cairo_t* cr) {
    constexpr double kRibbonX = 384;
    cairo_save(cr);
    cairo_rectangle(cr, kGiftX + 4, 300, 328, 256);
    cairo_clip(cr);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 6; ++c) {
            const double x = 244 + c * 56 + (r % 2) * 28, y = 318 + r * 54;
            if (std::fabs(x - kRibbonX) < 36) continue;
            StarPath(cr, x, y, 10, 4.5, 5, 0);
            SetColour(cr, Hex(0xBFE0FF), 0.8);
            cairo_fill(cr);
        }
    cairo_restore(cr);
}

// The tag hangs from the bow on a string.
void TagOnItsString(cairo_t* cr) {
    cairo_move_to(cr, 396, 236);
    cairo_curve_to(cr, 460, 250, 500, 300, 540, 320);
    SetColour(cr, kOutline);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    GiftTag(cr, 596, 350, 150, 100, 0.32, "6", kRed);
}

}  // namespace

void Day6Still(cairo_t* cr) {
    SkyGradient(cr, Hex(0x8E1426), Hex(0xB01E32), Hex(0x7A0F20));
    LightBurst(cr);
    ConfettiAndSparkles(cr);
    // A table top for the gift to stand on.
    TableTop(cr, 520, Hex(0x8A5128), Hex(0x5A3219));
    GroundShadow(cr, 410, 562, 230, 24, 0.35);
    Present(cr, kGiftX, kGiftY, kGiftW, kGiftH, Hex(0x1F7FD0), kGold, 3.5);
    WrappingPaperStars(cr);
    TagOnItsString(cr);
}

}  // namespace artgen::doors
