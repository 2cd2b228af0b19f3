// Where a dialog template's pieces land in pixels: the dialog units of the
// template turned into pixels by the dialog font's base units, as Windows
// does, inside a classic modal frame with a caption bar.
#pragma once

#include <posix_dialogs.h>

#include <vector>

namespace quibac::linux_dialog {

struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
};

// The dialog font's base units: the average width of its letters and its
// height. Four horizontal dialog units are one average width; eight vertical
// ones are one height.
struct BaseUnits {
    int x = 6;
    int y = 13;
};

// The classic frame around a modal dialog, in pixels.
struct FrameMetrics {
    static constexpr int kBorder = 3;          // DS_MODALFRAME's edge on every side
    static constexpr int kCaptionHeight = 18;  // the caption bar under the top edge
    static constexpr int kCloseWidth = 16;     // the caption's close button
    static constexpr int kCloseHeight = 14;
    static constexpr int kCloseMargin = 2;  // from the caption's right and top
};

struct DialogGeometry {
    int windowWidth = 0;
    int windowHeight = 0;
    PixelRect caption;                // empty without WS_CAPTION
    PixelRect closeButton;            // empty without WS_SYSMENU
    PixelRect client;                 // in window pixels
    std::vector<PixelRect> controls;  // one per template item, in window pixels
};

// A dialog-unit rectangle in client pixels (Windows' MulDiv, rounding).
PixelRect DialogUnitsToPixels(BaseUnits units, int x, int y, int cx, int cy);

// The whole window for a template. Sizes are kept within what a screen can
// show, whatever the template says.
DialogGeometry LayOutDialog(const posix::DialogTemplateInfo& layout, BaseUnits units);

// The template item under a window pixel that a click can reach (a visible,
// enabled button), topmost (latest) first; -1 for none.
int ClickableItemAt(const posix::DialogTemplateInfo& layout, const DialogGeometry& geometry, int x, int y);

}  // namespace quibac::linux_dialog
