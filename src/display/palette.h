// The entries of the saver's one logical palette: first built from the walker
// bitmap's colours, rebuilt whenever an animation sets new colours. The
// palette made from them, SaverPalette, is the display's.
#pragma once

#include "assets/captured_palette.h"
#include "display/gdi_owners.h"

#include <windows.h>

#include <cstdint>

namespace quibac {

struct Display;

constexpr WORD kPaletteVersion = 0x300;
// A LOGPALETTE head (version, count) and 256 four-byte entries.
constexpr size_t kPaletteBlockBytes = 4 + 256 * 4;

struct PaletteState {
    GlobalBlock Block;                       // the memory PaletteBlock lives in
    LOGPALETTE* PaletteBlock = nullptr;      // version, count and 256 entries
    CapturedPaletteTable CapturedPalette{};  // the walker bitmap's colours, which the first palette is built from

    PALETTEENTRY& Entry(int k) { return PaletteBlock->palPalEntry[k]; }
};

// Allocates the zero-filled PaletteBlock and writes its head. Returns success.
bool AllocatePaletteBlock(PaletteState& palette);
// Fills the entries from CapturedPalette: all flagged PC_NOCOLLAPSE except
// entry 0 (black) and entry 255 (white), which are fixed and unflagged.
void BuildPalette(PaletteState& palette);
// Rebuilds SaverPalette from the frame's colour table (after a colour chunk)
// and realizes it in both DCs. Entry 255 stays white.
void RefreshPalette(Display& display);

}  // namespace quibac
