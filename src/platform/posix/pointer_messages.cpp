// The system messages whose parameters carry a pointer. Windows marshals them
// into another process only when they are sent, while the sender waits and
// the memory lives; it refuses to post them at all, to any window, since the
// memory may be gone by the time the message is taken from the queue.
#include "internal.h"

#include <algorithm>
#include <iterator>

namespace {

// Sorted. The system's own range ends at WM_USER: what lies above means
// whatever its sender and receiver agree on, and Windows never looks inside.
constexpr UINT kPointerMessages[] = {
    0x0001,  // WM_CREATE
    0x000C,  // WM_SETTEXT
    0x000D,  // WM_GETTEXT
    0x001A,  // WM_WININICHANGE
    0x001B,  // WM_DEVMODECHANGE
    0x0024,  // WM_GETMINMAXINFO
    0x002B,  // WM_DRAWITEM
    0x002C,  // WM_MEASUREITEM
    0x002D,  // WM_DELETEITEM
    0x0039,  // WM_COMPAREITEM
    0x0046,  // WM_WINDOWPOSCHANGING
    0x0047,  // WM_WINDOWPOSCHANGED
    0x004A,  // WM_COPYDATA
    0x004E,  // WM_NOTIFY
    0x0053,  // WM_HELP
    0x007C,  // WM_STYLECHANGING
    0x007D,  // WM_STYLECHANGED
    0x0081,  // WM_NCCREATE
    0x0083,  // WM_NCCALCSIZE
    0x0087,  // WM_GETDLGCODE
    0x00B0,  // EM_GETSEL
    0x00B2,  // EM_GETRECT
    0x00B3,  // EM_SETRECT
    0x00B4,  // EM_SETRECTNP
    0x00C2,  // EM_REPLACESEL
    0x00C4,  // EM_GETLINE
    0x00CB,  // EM_SETTABSTOPS
    0x00E3,  // SBM_GETRANGE
    0x00E9,  // SBM_SETSCROLLINFO
    0x00EA,  // SBM_GETSCROLLINFO
    0x00EB,  // SBM_GETSCROLLBARINFO
    0x0140,  // CB_GETEDITSEL
    0x0143,  // CB_ADDSTRING
    0x0145,  // CB_DIR
    0x0148,  // CB_GETLBTEXT
    0x014A,  // CB_INSERTSTRING
    0x014C,  // CB_FINDSTRING
    0x014D,  // CB_SELECTSTRING
    0x0152,  // CB_GETDROPPEDCONTROLRECT
    0x0158,  // CB_FINDSTRINGEXACT
    0x0180,  // LB_ADDSTRING
    0x0181,  // LB_INSERTSTRING
    0x0189,  // LB_GETTEXT
    0x018C,  // LB_SELECTSTRING
    0x018D,  // LB_DIR
    0x018F,  // LB_FINDSTRING
    0x0191,  // LB_GETSELITEMS
    0x0192,  // LB_SETTABSTOPS
    0x0196,  // LB_ADDFILE
    0x0198,  // LB_GETITEMRECT
    0x01A2,  // LB_FINDSTRINGEXACT
    0x0213,  // WM_NEXTMENU
    0x0214,  // WM_SIZING
    0x0216,  // WM_MOVING
    0x0219,  // WM_DEVICECHANGE, for the events that carry a record (below)
    0x0220,  // WM_MDICREATE
    0x0229,  // WM_MDIGETACTIVE
    0x022A,  // WM_DROPOBJECT
    0x022B,  // WM_QUERYDROPOBJECT
    0x022D,  // WM_DRAGLOOP
    0x022E,  // WM_DRAGSELECT
    0x022F,  // WM_DRAGMOVE
    0x030C,  // WM_ASKCBFORMATNAME
};
static_assert(std::is_sorted(std::begin(kPointerMessages), std::end(kPointerMessages)));

constexpr UINT kDeviceChange = 0x0219;
// Device events from this one on carry a record in lParam; those below, none.
constexpr WPARAM kFirstDeviceEventWithRecord = 0x8000;

}  // namespace

namespace posix::detail {

bool CarriesPointer(UINT message, WPARAM wParam) {
    if (message == kDeviceChange) return (wParam & kFirstDeviceEventWithRecord) != 0;
    return std::binary_search(std::begin(kPointerMessages), std::end(kPointerMessages), message);
}

}  // namespace posix::detail
