// Where the SDL dialog puts a template's pieces: dialog units become pixels
// as Windows' MulDiv rounds them (halves away from zero), the frame and
// caption go round the client area, a broken template still gives a window a
// screen can hold, and a click reaches only a visible, enabled button, the
// latest of overlapping ones.
#include "dialog_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quibac::linux_dialog {
namespace {

std::tuple<int, int, int, int> Tuple(const PixelRect& r) { return {r.x, r.y, r.w, r.h}; }

TEST(DialogGeometryTest, DialogUnitsBecomePixelsRoundedHalfAwayFromZero) {
    const struct {
        BaseUnits units;
        int x, y, cx, cy;
        std::tuple<int, int, int, int> pixels;
    } rows[] = {
        {{6, 13}, 0, 0, 4, 8, {0, 0, 6, 13}},          // one average width, one height
        {{6, 13}, 177, 7, 50, 14, {266, 11, 75, 23}},  // 265.5, 11.375, 75, 22.75
        {{6, 13}, 49, 20, 81, 10, {74, 33, 122, 16}},  // 73.5, 32.5, 121.5, 16.25
        {{6, 13}, -3, -5, 0, 0, {-5, -8, 0, 0}},       // -4.5, -8.125: away from zero
        {{6, 13}, 10, 10, -8, -16, {15, 16, 0, 0}},    // a negative size is none
        {{7, 15}, 0, 0, 234, 119, {0, 0, 410, 223}},   // 409.5, 223.125
        {{5, 11}, 2, 3, 1, 1, {3, 4, 1, 1}},           // 2.5, 4.125, 1.25, 1.375
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y) + " " + std::to_string(row.cx) + "x" +
                     std::to_string(row.cy) + " at " + std::to_string(row.units.x) + "/" + std::to_string(row.units.y));
        EXPECT_EQ(Tuple(DialogUnitsToPixels(row.units, row.x, row.y, row.cx, row.cy)), row.pixels);
    }
}

posix::DialogItemInfo Item(const char* className, DWORD style, int x, int y, int cx, int cy) {
    posix::DialogItemInfo item;
    item.className = className;
    item.style = style;
    item.x = x, item.y = y, item.cx = cx, item.cy = cy;
    return item;
}

posix::DialogTemplateInfo Template(DWORD style, int cx, int cy, std::vector<posix::DialogItemInfo> items = {}) {
    posix::DialogTemplateInfo layout;
    layout.style = style;
    layout.cx = cx, layout.cy = cy;
    layout.items = std::move(items);
    return layout;
}

constexpr DWORD kCaptioned = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// WS_BORDER: one of WS_CAPTION's two bits, which alone make no caption.
constexpr DWORD kBorderOnly = 0x00800000;

TEST(DialogGeometryTest, TheFrameAndCaptionGoRoundTheClientAndSizesStayWithinAScreen) {
    const BaseUnits units{6, 13};
    const struct {
        const char* name;
        posix::DialogTemplateInfo layout;
        int windowWidth, windowHeight;
        std::tuple<int, int, int, int> client, caption, close;
    } rows[] = {
        // 234 x 119 units: 351 x 193.375 pixels, 3 of border round them and
        // 18 of caption above.
        {"caption and close button",
         Template(kCaptioned, 234, 119),
         357,
         217,
         {3, 21, 351, 193},
         {3, 3, 351, 18},
         {336, 5, 16, 14}},
        {"caption without a system menu",
         Template(WS_POPUP | WS_CAPTION, 234, 119),
         357,
         217,
         {3, 21, 351, 193},
         {3, 3, 351, 18},
         {0, 0, 0, 0}},
        {"no caption",
         Template(WS_POPUP | kBorderOnly | WS_SYSMENU, 234, 119),
         357,
         199,
         {3, 3, 351, 193},
         {0, 0, 0, 0},
         {0, 0, 0, 0}},
        {"a size no screen holds",
         Template(kCaptioned, 30000, 30000),
         4096,
         4096,
         {3, 21, 4090, 4072},
         {3, 3, 4090, 18},
         {4075, 5, 16, 14}},
        // Room for the close button and its margins, and a row of client.
        {"no size at all", Template(kCaptioned, 0, -5), 26, 25, {3, 21, 20, 1}, {3, 3, 20, 18}, {5, 5, 16, 14}},
        {"no size and no close button",
         Template(WS_POPUP | WS_CAPTION, 0, 0),
         7,
         25,
         {3, 21, 1, 1},
         {3, 3, 1, 18},
         {0, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const DialogGeometry g = LayOutDialog(row.layout, units);
        EXPECT_EQ(std::tuple(g.windowWidth, g.windowHeight), std::tuple(row.windowWidth, row.windowHeight));
        EXPECT_EQ(Tuple(g.client), row.client);
        EXPECT_EQ(Tuple(g.caption), row.caption);
        EXPECT_EQ(Tuple(g.closeButton), row.close);
    }
}

TEST(DialogGeometryTest, ControlsLieInTheClientAreaAtTheirUnits) {
    const DialogGeometry g =
        LayOutDialog(Template(kCaptioned, 234, 119, {Item("Button", WS_VISIBLE, 177, 7, 50, 14)}), BaseUnits{6, 13});
    ASSERT_EQ(g.controls.size(), 1u);
    EXPECT_EQ(Tuple(g.controls[0]), std::tuple(3 + 266, 21 + 11, 75, 23));
}

TEST(DialogGeometryTest, AClickReachesTheLatestVisibleEnabledButtonUnderIt) {
    // Base units of 4 and 8 make one dialog unit one pixel.
    const BaseUnits units{4, 8};
    const posix::DialogTemplateInfo layout =
        Template(kCaptioned, 200, 100,
                 {
                     Item("Button", WS_VISIBLE, 10, 10, 40, 20),   // 0
                     Item("BUTTON", WS_VISIBLE, 40, 20, 40, 20),   // 1: over 0's corner; classes ignore case
                     Item("Static", WS_VISIBLE, 100, 10, 40, 20),  // 2: not a button
                     Item("Button", WS_VISIBLE | WS_DISABLED, 100, 50, 40, 20),  // 3: disabled
                     Item("Button", 0, 10, 50, 40, 20),                          // 4: hidden
                     Item("Button", WS_VISIBLE, 150, 50, 40, 20),                // 5
                     Item("Button", WS_VISIBLE, 60, -10, 20, 15),                // 6: reaching up into the caption
                 });
    const DialogGeometry g = LayOutDialog(layout, units);
    const int left = g.client.x, top = g.client.y;
    const struct {
        const char* where;
        int x, y;  // in the client area
        int item;
    } rows[] = {
        {"inside the first button only", 15, 15, 0},
        {"where the second overlaps the first", 45, 25, 1},
        {"the first button's top-left pixel", 10, 10, 0},
        {"just past the first button's right edge", 50, 15, -1},
        {"just below the second button", 45, 40, -1},
        {"a static control", 110, 15, -1},
        {"a disabled button", 110, 55, -1},
        {"a hidden button", 15, 55, -1},
        {"the last button's bottom-right pixel", 189, 69, 5},
        {"the caption, over a button reaching into it", 65, -5, -1},
        {"the part of that button in the client area", 65, 2, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.where);
        EXPECT_EQ(ClickableItemAt(layout, g, left + row.x, top + row.y), row.item);
    }
}

}  // namespace
}  // namespace quibac::linux_dialog
