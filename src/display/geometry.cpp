#include "display/geometry.h"

#include "display/canvas.h"

namespace quibac {

OutputGeometry ComputeOutputGeometry(int32_t windowWidth, int32_t windowHeight, bool stretch) {
    OutputGeometry g;
    g.WindowWidth = windowWidth;
    g.WindowHeight = windowHeight;
    g.Stretch = windowWidth < kCanvasWidth || windowHeight < kCanvasHeight || stretch;
    g.SmallScreen = windowWidth < kSmallScreenWidth;
    if (g.Stretch) {
        g.OutputWidth = windowWidth;
        g.OutputHeight = windowHeight;
    } else {
        g.OutputWidth = kCanvasWidth;
        g.OutputHeight = kCanvasHeight;
    }
    g.OriginX = (windowWidth - g.OutputWidth) / 2;
    g.OriginY = (windowHeight - g.OutputHeight) / 2;
    return g;
}

}  // namespace quibac
