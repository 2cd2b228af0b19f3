#include "screen_fit.h"

#include <algorithm>
#include <cmath>

namespace quibac::web {

ScreenRequest FitScreen(const ScreenRequest& wanted) {
    if (wanted.width <= 0 || wanted.height <= 0) return ScreenRequest{0, 0, wanted.stretch};
    // In floating point: the product of two sides overflows an int.
    const double width = wanted.width, height = wanted.height;
    const double scale = std::min(
        {1.0, kMaxScreenSide / width, kMaxScreenSide / height, std::sqrt(double(kMaxScreenPixels) / (width * height))});
    if (scale >= 1.0) return wanted;
    // Rounded, so that a side the limit divides exactly is not a pixel short;
    // then whatever rounding put over a limit comes off again.
    ScreenRequest fitted{std::max(1, int(std::lround(width * scale))), std::max(1, int(std::lround(height * scale))),
                         wanted.stretch};
    const auto over = [&] {
        return fitted.width > kMaxScreenSide || fitted.height > kMaxScreenSide ||
               int64_t(fitted.width) * fitted.height > kMaxScreenPixels;
    };
    while (over()) {
        int& longer = fitted.width >= fitted.height ? fitted.width : fitted.height;
        --longer;
    }
    return fitted;
}

}  // namespace quibac::web
