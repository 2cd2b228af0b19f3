#include "dialog_geometry.h"

#include <algorithm>
#include <cstdint>
#include <strings.h>

namespace quibac::linux_dialog {
namespace {

// Templates come from resources; a broken one must still give a window a
// screen can hold.
constexpr int kMaxWindowSide = 4096;
constexpr int kMinClientSide = 1;

// MulDiv: value * numerator / denominator, rounded half away from zero.
int MulDiv(int value, int numerator, int denominator) {
    const int64_t product = int64_t(value) * numerator;
    const int64_t half = denominator / 2;
    return int(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

}  // namespace

PixelRect DialogUnitsToPixels(BaseUnits units, int x, int y, int cx, int cy) {
    constexpr int kUnitsPerAverageWidth = 4;
    constexpr int kUnitsPerHeight = 8;
    return {MulDiv(x, units.x, kUnitsPerAverageWidth), MulDiv(y, units.y, kUnitsPerHeight),
            MulDiv(std::max(cx, 0), units.x, kUnitsPerAverageWidth), MulDiv(std::max(cy, 0), units.y, kUnitsPerHeight)};
}

DialogGeometry LayOutDialog(const posix::DialogTemplateInfo& layout, BaseUnits units) {
    DialogGeometry g;
    const bool hasCaption = (layout.style & WS_CAPTION) == WS_CAPTION;
    const int border = FrameMetrics::kBorder;
    const int captionHeight = hasCaption ? FrameMetrics::kCaptionHeight : 0;
    const bool hasClose = hasCaption && (layout.style & WS_SYSMENU) != 0;
    // However narrow the template, the close button stays in the window,
    // where a click can reach it.
    const int minClientWidth = hasClose ? FrameMetrics::kCloseWidth + 2 * FrameMetrics::kCloseMargin : kMinClientSide;
    const PixelRect size = DialogUnitsToPixels(units, 0, 0, layout.cx, layout.cy);
    const int clientWidth = std::clamp(size.w, minClientWidth, kMaxWindowSide - 2 * border);
    const int clientHeight = std::clamp(size.h, kMinClientSide, kMaxWindowSide - 2 * border - captionHeight);

    g.windowWidth = clientWidth + 2 * border;
    g.windowHeight = clientHeight + 2 * border + captionHeight;
    g.client = {border, border + captionHeight, clientWidth, clientHeight};
    if (hasCaption) {
        g.caption = {border, border, clientWidth, captionHeight};
        if (hasClose)
            g.closeButton = {g.caption.x + g.caption.w - FrameMetrics::kCloseMargin - FrameMetrics::kCloseWidth,
                             g.caption.y + FrameMetrics::kCloseMargin, FrameMetrics::kCloseWidth,
                             FrameMetrics::kCloseHeight};
    }
    for (const posix::DialogItemInfo& item : layout.items) {
        PixelRect r = DialogUnitsToPixels(units, item.x, item.y, item.cx, item.cy);
        r.x += g.client.x;
        r.y += g.client.y;
        g.controls.push_back(r);
    }
    return g;
}

int ClickableItemAt(const posix::DialogTemplateInfo& layout, const DialogGeometry& geometry, int x, int y) {
    if (!geometry.client.Contains(x, y)) return -1;
    for (size_t i = std::min(layout.items.size(), geometry.controls.size()); i-- > 0;) {
        const posix::DialogItemInfo& item = layout.items[i];
        const bool usable = (item.style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE;
        if (usable && strcasecmp(item.className.c_str(), "Button") == 0 && geometry.controls[i].Contains(x, y))
            return int(i);
    }
    return -1;
}

}  // namespace quibac::linux_dialog
