// The saver procedure's three messages as a table: each handler says whether
// the message goes on to the default handler (only a failed creation does not).
#include "saver/saver.h"

#include "display/presentation.h"

#include <mmsystem.h>

#include <array>

namespace quibac {

namespace {

using Handler = bool (*)(Saver&, HWND);

bool OnCreate(Saver& saver, HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    saver.Preferences = ReadSettings();
    // Any stored value but 0 means stretched.
    const bool stretch = saver.Preferences.Stretch != 0;
    if (SetUpSaver(saver, client.right - client.left, client.bottom - client.top, stretch)) return true;
    saver.Animation.ShowRunning = false;
    DestroyWindow(window);
    return false;
}

bool OnPaint(Saver& saver, HWND window) {
    if (saver.Painted) {
        PresentFrame(saver.Output);
        return true;
    }
    saver.Painted = true;
    // A resource that cannot be made ends the saver as a thread that cannot
    // start does: the destruction frees whatever was built.
    if (!BuildDrawing(saver, window) || !StartShowThread(saver)) DestroyWindow(window);
    return true;
}

bool OnDestroy(Saver& saver, HWND) {
    sndPlaySoundA(nullptr, 0);
    ReleaseSaver(saver);
    return true;
}

struct SaverMessage {
    UINT message;
    Handler handle;
};

constexpr std::array<SaverMessage, 3> kSaverMessages{{
    {WM_CREATE, OnCreate},
    {WM_PAINT, OnPaint},
    {WM_DESTROY, OnDestroy},
}};

}  // namespace

LRESULT SaverProc(Saver& saver, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const SaverMessage& row : kSaverMessages) {
        if (row.message == message && !row.handle(saver, window)) return 0;
    }
    return saver.DefaultProc(window, message, wParam, lParam);
}

}  // namespace quibac
