#include "show/playback.h"

#include "display/display.h"
#include "display/palette.h"
#include "show/date_band.h"

namespace quibac {

FlicTarget PlayerTarget(const Display& output, DateBand& band) {
    FlicTarget target;
    target.Frame = FrameOf(output);
    target.ColourTable = output.Dib.DibColourTable;
    if (band.BandCapture) {
        target.Capture = band.Pixels.data();
        target.CaptureRows = kBandRows;
    }
    return target;
}

FlicAdvance PlayNextFrame(FlicPlayer& player, Display& output, DateBand& band) {
    player.Target = PlayerTarget(output, band);
    const FlicAdvance why = FlicNextFrame(player);
    if (player.PaletteChanged) {
        player.PaletteChanged = false;
        RefreshPalette(output);
    }
    return why;
}

}  // namespace quibac
