// TEMPORARY during drawing work: plain numbered pictures for days not drawn yet.
#include "door_art.h"
#include "door_parts.h"

#include <string>

namespace artgen {
using namespace parts;
namespace {
template <int D>
void Plain(cairo_t* cr) {
    SkyGradient(cr, Hex(0x203060), Hex(0x405080), Hex(0x8090C0));
    PaintedNumber(cr, Font::Script, 200, std::to_string(D), 400, 360, kRed, kWhite, 5);
}
template <int D>
void Move(cairo_t* cr, int frame, int frames) {
    Twinkle(cr, 200 + 60 * LoopPhase(frame, frames) * 6, 300, 20, 1);
}
}  // namespace
#define PENDING(d) DoorArt DoorDay##d() { return {d, Plain<d>, nullptr}; }
#define PENDING_MOVING(d) DoorArt DoorDay##d() { return {d, Plain<d>, Move<d>}; }
PENDING(6)
PENDING_MOVING(7)
PENDING(8)
PENDING_MOVING(9)
PENDING(10)
PENDING_MOVING(11)
PENDING(12)
PENDING(13)
PENDING_MOVING(14)
PENDING(15)
PENDING(16)
PENDING(17)
PENDING_MOVING(18)
PENDING(19)
PENDING_MOVING(20)
PENDING_MOVING(21)
PENDING(22)
PENDING(23)
PENDING_MOVING(24)
PENDING(25)
}  // namespace artgen
