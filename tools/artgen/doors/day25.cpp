// Day 25: Christmas morning, the tree, the presents (the big one tagged 25) and
// Quib holding out a gift.
#include "door_parts.h"
#include "door_rooms.h"
#include "elf.h"

#include <cmath>

namespace artgen::doors {

using namespace parts;

namespace {

const TreeShape kTree{250, 170, 540, 200, 4};
// The dado rail, with panelling below it down to the floor.
constexpr double kDadoY = 352, kFloorY = 480;
// The biggest present, under the tree, whose tag carries the day.
constexpr double kBigPresentX = 150, kBigPresentY = 430, kBigPresentW = 190, kBigPresentH = 140;

// Panelling below the dado rail, a window on the snowy morning and a
// garland over it.
void MorningWall(cairo_t* cr) {
    cairo_rectangle(cr, 0, kDadoY + 8, 800, kFloorY - kDadoY - 8);
    SetColour(cr, Hex(0xE2C08A));
    cairo_fill(cr);
    cairo_rectangle(cr, 0, kDadoY, 800, 12);
    FillThenStroke(cr, Hex(0xF6E8CC), Hex(0xB08A54), 2);
    constexpr WindowShape kWindow{540, 150, 200, 250, 10, Hex(0x8EC8F0), Hex(0xE0F2FC), kWhite, 8};
    Window(cr, kWindow, [](cairo_t* pane) {
        SnowGround(pane, 360, 640, 350, 370);
        Fir(pane, 600, 372, 100, Hex(0x2A7A55), true, 2);
        Fir(pane, 690, 368, 80, Hex(0x2A7A55), true, 2);
    });
    PineGarland(cr, kWindow.x - 10, kWindow.x + kWindow.width + 10, kWindow.y - 4, 30, 2525, 26);
}

// The tree, fully dressed, a star on its tip.
void DressedTree(cairo_t* cr) {
    ChristmasTree(cr, kTree);
    const Rgb colours[4] = {kRed, kGold, Hex(0x2D7BD8), Hex(0xB74BD0)};
    for (int i = 0; i < 14; ++i) {
        const int tier = 1 + i % 3;
        const Point2D p = TreeSwag(kTree, tier, std::fmod(0.13 + i * 0.29, 1.0));
        Bauble(cr, p.x, p.y + 22, 10 + (i % 3), colours[i % 4], 2);
    }
    TreeTopStar(cr, kTree, 32, 14, 80, 0.6);
}

// Presents heaped under the tree, the big one with the day on its tag.
void PresentsUnderTheTree(cairo_t* cr) {
    Present(cr, 60, 470, 110, 90, Hex(0x2D7BD8), kWhite);
    Present(cr, 360, 470, 100, 86, Hex(0xB74BD0), kGold);
    Present(cr, kBigPresentX, kBigPresentY, kBigPresentW, kBigPresentH, kRed, kGold, 3.5);
    cairo_save(cr);
    cairo_translate(cr, kBigPresentX + kBigPresentW / 2 + 5, 530);
    cairo_rotate(cr, -0.08);
    RoundedRectPath(cr, -58, -38, 116, 76, 12);
    LinearSource(cr, 0, -38, 0, 38, {{0, Hex(0xFFF8E8)}, {1, Hex(0xEADFC6)}});
    FillSourceThenStroke(cr, kOutline, kLine);
    PaintedNumber(cr, Font::Script, 70, "25", 0, 2, Hex(0x1E8A45), kWhite, 2);
    cairo_restore(cr);
}

// Quib waving a merry Christmas, holding out a small present. He faces the
// tree, so he is drawn mirrored.
void QuibWithAGift(cairo_t* cr) {
    ElfPose pose = WavingPose(1.35, 0.35);
    pose.shadow = false;
    GroundShadow(cr, 596, 574, 96, 12, 0.3);
    cairo_save(cr);
    cairo_translate(cr, 710, 284);
    cairo_scale(cr, -0.9, 0.9);
    DrawElf(cr, pose);
    Present(cr, 184, 74, 58, 50, Hex(0x2FA24D), kRed, 2.5);
    cairo_restore(cr);
}

}  // namespace

void Day25Still(cairo_t* cr) {
    // Morning light through the window on a warm wall.
    SkyGradient(cr, Hex(0xF3D9A8), Hex(0xF6E3BE), Hex(0xEFD2A0), kFloorY);
    MorningWall(cr);
    TableTop(cr, kFloorY, Hex(0xA86A3C), Hex(0x7A4A26));
    // A rug under the tree.
    EllipsePath(cr, 330, 560, 330, 34);
    FillThenStroke(cr, Hex(0x2E8A4A), kOutline, 2.5);
    DressedTree(cr);
    PresentsUnderTheTree(cr);
    QuibWithAGift(cr);
}

}  // namespace artgen::doors
