// The show's use of the FLC player: the player decodes into the show's frame
// buffer and colour table (and, while BandCapture is on, into the DateBand),
// and the show rebuilds the palette whenever a frame has set new colours.
#pragma once

#include "flic/flic_player.h"

namespace quibac {

struct DateBand;
struct Display;

// The target for the output as it is now: its frame buffer and colour table
// exist only from the first paint on, so the target is taken afresh for
// every frame.
FlicTarget PlayerTarget(const Display& output, DateBand& band);
// Aims the player, walks the item at its offset, and rebuilds the palette
// from the colour table when a COLOR_256 chunk of the frame changed it.
FlicAdvance PlayNextFrame(FlicPlayer& player, Display& output, DateBand& band);

}  // namespace quibac
