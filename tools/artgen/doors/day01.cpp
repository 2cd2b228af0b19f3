// Day 1: a cottage at dusk with lit windows, a street lamp and a signpost with
// the 1; snow falls.
#include "door_parts.h"

#include <array>
#include <string>
#include <utility>

namespace artgen::doors {

using namespace parts;

namespace {

constexpr Rgb kIron = Hex(0x22303D);
constexpr Rgb kBeam = Hex(0x6B3E1E);

// The cottage's walls, standing on the snow at kGroundY, and its door between
// the two windows.
constexpr double kWallLeft = 258, kWallTop = 322, kWallWidth = 284, kGroundY = 478;
constexpr double kDoorX = 400, kDoorHalf = 28, kDoorArchY = 392;
constexpr double kWindowY = 372, kWindowW = 60, kWindowH = 62;
constexpr std::array<double, 2> kWindowXs = {300, 440};
// The eaves, where the roof's snow overhangs and the icicles hang.
constexpr double kEavesY = 340;

// The street lamp standing at (x, baseY): a post, a lantern lit from inside,
// its cap and the snow on it.
void Lamp(cairo_t* cr, double x, double baseY) {
    const double lanternBottom = baseY - 240, lanternTop = baseY - 290;
    cairo_rectangle(cr, x - 6, lanternBottom, 12, 240);
    FillThenStroke(cr, kIron, kOutline, 2.5);
    RoundedRectPath(cr, x - 16, baseY - 18, 32, 20, 4);
    FillThenStroke(cr, kIron, kOutline, 2.5);
    cairo_move_to(cr, x - 22, lanternTop);
    cairo_line_to(cr, x + 22, lanternTop);
    cairo_line_to(cr, x + 16, lanternBottom);
    cairo_line_to(cr, x - 16, lanternBottom);
    cairo_close_path(cr);
    RadialSource(cr, x, baseY - 266, 2, 30, {{0, Hex(0xFFF6D2)}, {1, Hex(0xFFC55A)}});
    FillSourceThenStroke(cr, kIron, 4);
    cairo_move_to(cr, x, lanternTop);
    cairo_line_to(cr, x, lanternBottom);
    cairo_stroke(cr);
    cairo_move_to(cr, x - 30, baseY - 288);
    cairo_line_to(cr, x, baseY - 312);
    cairo_line_to(cr, x + 30, baseY - 288);
    cairo_close_path(cr);
    FillThenStroke(cr, kIron, kOutline, 2.5);
    cairo_move_to(cr, x - 30, baseY - 291);
    cairo_curve_to(cr, x - 20, baseY - 306, x - 6, baseY - 318, x, baseY - 318);
    cairo_curve_to(cr, x + 8, baseY - 318, x + 22, baseY - 306, x + 32, baseY - 292);
    cairo_curve_to(cr, x + 20, baseY - 296, x - 18, baseY - 294, x - 30, baseY - 291);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, kSnowShade, 1.5);
}

// The brick chimney behind the roof, with snow on its top.
void Chimney(cairo_t* cr) {
    constexpr double kLeft = 462, kTop = 178, kWidth = 40, kHeight = 90;
    cairo_rectangle(cr, kLeft, kTop, kWidth, kHeight);
    LinearSource(cr, kLeft, 0, kLeft + kWidth, 0, {{0, Hex(0x9E3B2C)}, {1, Hex(0x7A2A1F)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    SetColour(cr, Hex(0x5E2017));
    cairo_set_line_width(cr, 1.5);
    for (double y = kTop + 18; y < 260; y += 16) {
        cairo_move_to(cr, kLeft + 2, y);
        cairo_line_to(cr, kLeft + kWidth - 2, y);
    }
    cairo_stroke(cr);
    RoundedRectPath(cr, kLeft - 8, kTop - 12, kWidth + 16, 18, 8);
    FillThenStroke(cr, kSnow, kSnowShade, 2);
}

// Plastered walls in a timber frame.
void Walls(cairo_t* cr) {
    constexpr double kHeight = kGroundY - kWallTop, kBeamWidth = 14;
    cairo_rectangle(cr, kWallLeft, kWallTop, kWallWidth, kHeight);
    LinearSource(cr, 0, kWallTop, 0, kGroundY, {{0, Hex(0xF6E7C8)}, {1, Hex(0xE1C79B)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    for (double x : {kWallLeft, kWallLeft + kWallWidth - kBeamWidth}) {
        cairo_rectangle(cr, x, kWallTop, kBeamWidth, kHeight);
        FillThenStroke(cr, kBeam, kOutline, 2);
    }
    cairo_rectangle(cr, kWallLeft, kEavesY, kWallWidth, 12);
    FillThenStroke(cr, kBeam, kOutline, 2);
}

// A window lit from inside, its glazing bars and the snow on its sill.
void LitWindow(cairo_t* cr, double left) {
    constexpr double kBottom = kWindowY + kWindowH, kBarY = kWindowY + 31;
    const double middle = left + kWindowW / 2;
    RoundedRectPath(cr, left, kWindowY, kWindowW, kWindowH, 4);
    RadialSource(cr, middle, kWindowY + 32, 4, 44, {{0, Hex(0xFFF3C2)}, {1, Hex(0xF5A83A)}});
    FillSourceThenStroke(cr, kBeam, 6);
    cairo_move_to(cr, middle, kWindowY);
    cairo_line_to(cr, middle, kBottom);
    cairo_move_to(cr, left, kBarY);
    cairo_line_to(cr, left + kWindowW, kBarY);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    RoundedRectPath(cr, left - 8, kBottom - 2, kWindowW + 16, 10, 4);
    FillThenStroke(cr, kSnow, kSnowShade, 2);
}

// The arched front door with its knob and a wreath.
void FrontDoor(cairo_t* cr) {
    constexpr double kLeft = kDoorX - kDoorHalf, kRight = kDoorX + kDoorHalf, kWreathY = 404;
    cairo_move_to(cr, kLeft, kGroundY);
    cairo_line_to(cr, kLeft, kDoorArchY);
    cairo_arc(cr, kDoorX, kDoorArchY, kDoorHalf, kPi, 2 * kPi);
    cairo_line_to(cr, kRight, kGroundY);
    cairo_close_path(cr);
    LinearSource(cr, kLeft, 0, kRight, 0, {{0, Hex(0x1F5A34)}, {1, Hex(0x2E7A48)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    cairo_arc(cr, kRight - 10, 440, 3.5, 0, 2 * kPi);
    FillThenStroke(cr, kGold, kOutline, 1.5);
    cairo_arc(cr, kDoorX, kWreathY, 15, 0, 2 * kPi);
    cairo_arc_negative(cr, kDoorX, kWreathY, 8, 2 * kPi, 0);
    FillThenStroke(cr, Hex(0x2FA24D), kOutline, 1.5);
    Bow(cr, kDoorX, kWreathY + 12, 10, kRed, 1.2);
}

// The roof, heavy with snow that overhangs the eaves.
void SnowyRoof(cairo_t* cr) {
    constexpr double kRidgeY = 222;
    cairo_move_to(cr, 226, kEavesY);
    cairo_line_to(cr, 310, kRidgeY);
    cairo_line_to(cr, 490, kRidgeY);
    cairo_line_to(cr, 574, kEavesY);
    cairo_close_path(cr);
    FillThenStroke(cr, Hex(0x8E3B2A), kOutline, kLine);
    cairo_move_to(cr, 218, 332);
    cairo_curve_to(cr, 240, 300, 280, 236, 304, 212);
    cairo_curve_to(cr, 330, 200, 470, 200, 496, 212);
    cairo_curve_to(cr, 520, 236, 560, 300, 582, 332);
    cairo_curve_to(cr, 560, 342, 540, 336, 520, 342);
    cairo_curve_to(cr, 480, 334, 440, 344, 400, 338);
    cairo_curve_to(cr, 360, 344, 320, 334, 280, 342);
    cairo_curve_to(cr, 254, 336, 236, 342, 218, 332);
    cairo_close_path(cr);
    LinearSource(cr, 0, 200, 0, 344, {{0, kWhite}, {1, Hex(0xDCE6F4)}});
    FillSourceThenStroke(cr, Hex(0x7F93B5), 2.5);
}

// Icicles of random lengths along the eaves.
void Icicles(cairo_t* cr) {
    Random rnd(7);
    for (double x = 240; x < 565; x += rnd.Uniform(14, 26)) {
        const double len = rnd.Uniform(10, 26);
        cairo_move_to(cr, x - 4, kEavesY);
        cairo_line_to(cr, x, kEavesY + len);
        cairo_line_to(cr, x + 4, kEavesY);
        cairo_close_path(cr);
        FillThenStroke(cr, Hex(0xE8F4FF), Hex(0x8FB3D9), 1.2);
    }
}

void Cottage(cairo_t* cr) {
    Chimney(cr);
    Walls(cr);
    for (double left : kWindowXs) LitWindow(cr, left);
    FrontDoor(cr);
    SnowyRoof(cr);
    Icicles(cr);
}

// A wooden board on a post, the day painted on it and snow on its top.
void Signpost(cairo_t* cr, double cx, double boardY, double groundY, const std::string& number) {
    const Rgb wood = Hex(0x9A5B2E), woodDark = Hex(0x6E3D1C);
    constexpr double kHalfWidth = 78, kHeight = 130, kPostTop = 60;
    cairo_rectangle(cr, cx - 9, boardY + kPostTop, 18, groundY - boardY - kPostTop);
    FillThenStroke(cr, woodDark, kOutline, kLine);
    RoundedRectPath(cr, cx - kHalfWidth, boardY, 2 * kHalfWidth, kHeight, 16);
    LinearSource(cr, 0, boardY, 0, boardY + kHeight, {{0, Lighten(wood, 0.12)}, {1, wood}});
    FillSourceThenStroke(cr, kOutline, kLine);
    SetColour(cr, woodDark, 0.6);
    cairo_set_line_width(cr, 2);
    for (double y : {boardY + 30, boardY + 72, boardY + 104}) {
        cairo_move_to(cr, cx - 66, y);
        cairo_curve_to(cr, cx - 20, y - 4, cx + 20, y + 4, cx + 66, y);
    }
    cairo_stroke(cr);
    PaintedNumber(cr, Font::Script, 120, number, cx, boardY + 68, Hex(0xFFFFFF), kRed, 4);
    cairo_move_to(cr, cx - 84, boardY + 8);
    cairo_curve_to(cr, cx - 70, boardY - 16, cx + 70, boardY - 18, cx + 84, boardY + 6);
    cairo_curve_to(cr, cx + 60, boardY + 14, cx + 30, boardY + 4, cx, boardY + 12);
    cairo_curve_to(cr, cx - 30, boardY + 4, cx - 60, boardY + 16, cx - 84, boardY + 8);
    cairo_close_path(cr);
    FillThenStroke(cr, kSnow, Hex(0x8FA7C9), 2);
}

// A dusk sky in flat bands, deepening upwards: the first picture is stored
// whole, and flat bands keep it small.
void DuskSky(cairo_t* cr) {
    constexpr std::array<std::pair<double, uint32_t>, 9> kBands = {{{0, 0x1B2456},
                                                                    {96, 0x222B60},
                                                                    {168, 0x2B336C},
                                                                    {228, 0x383D7A},
                                                                    {276, 0x4A4888},
                                                                    {318, 0x625494},
                                                                    {352, 0x83639F},
                                                                    {380, 0xA876A8},
                                                                    {404, 0xD092AE}}};
    for (size_t i = 0; i < kBands.size(); ++i) {
        const double y1 = i + 1 < kBands.size() ? kBands[i + 1].first : 600;
        cairo_rectangle(cr, 0, kBands[i].first, 800, y1 - kBands[i].first);
        SetColour(cr, Hex(kBands[i].second));
        cairo_fill(cr);
    }
}

// Distant snowy hills with a line of firs either side of the cottage.
void DistantHills(cairo_t* cr) {
    cairo_move_to(cr, 0, 400);
    cairo_curve_to(cr, 160, 360, 300, 380, 420, 396);
    cairo_curve_to(cr, 560, 410, 680, 366, 800, 384);
    cairo_line_to(cr, 800, 600);
    cairo_line_to(cr, 0, 600);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xA6B1D8));
    cairo_fill(cr);
    Random rnd(12);
    for (int i = 0; i < 16; ++i) {
        const double x = i < 8 ? rnd.Uniform(0, 230) : rnd.Uniform(570, 800);
        Fir(cr, x, 412 + rnd.Uniform(-16, 10), rnd.Uniform(50, 90), Hex(0x2C5368), true, 2);
    }
}

// A trodden path from the door, and the light of the windows on the snow.
void PathFromTheDoor(cairo_t* cr) {
    cairo_move_to(cr, 376, kGroundY);
    cairo_curve_to(cr, 360, 520, 300, 560, 280, 610);
    cairo_line_to(cr, 440, 610);
    cairo_curve_to(cr, 440, 560, 430, 520, 424, kGroundY);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xD6E1F0));
    cairo_fill(cr);
    for (double left : kWindowXs) GroundShadow(cr, left + kWindowW / 2, 500, 60, 10, 0.12);
}

}  // namespace

void Day1Still(cairo_t* cr) {
    DuskSky(cr);
    StarField(cr, 101, 45, 2, 10, 250);
    DistantHills(cr);
    Cottage(cr);
    SnowGround(cr, 486, 400, 470, 490);
    PathFromTheDoor(cr);
    Lamp(cr, 130, 560);
    Signpost(cr, 650, 330, 560, "1");
    Fir(cr, 40, 600, 190, Hex(0x24704A), true);
    Fir(cr, 770, 610, 160, Hex(0x24704A), true);
}

void Day1Moving(cairo_t* cr, int frame, int frames) {
    const double phase = LoopPhase(frame, frames);
    Snowfall(cr, SnowLayer{11, 9, 96, 18, 1.4, 2.6, 0.8}, phase, 0, 600);
    Snowfall(cr, SnowLayer{12, 5, 144, 30, 3.0, 4.6, 0.95}, phase, 0, 600);
}

}  // namespace artgen::doors
