// What a saver window builds and frees over its life.
#include "saver/saver.h"

#include "assets/resource_names.h"
#include "show/calendar.h"
#include "show/sequencer.h"

namespace quibac {

namespace {

// Ends the show thread: asks it to stop, waits, and terminates it when it
// will not. True when it is certainly gone, so what it uses may be freed.
bool StopShowThread(Saver& saver) {
    StopShow(saver.Animation);
    HANDLE thread = saver.ShowThreadHandle;
    if (thread == nullptr) return true;
    bool ended = WaitForSingleObject(thread, kShowStopWaitMs) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateThread(thread, 0);
        // Termination takes effect asynchronously; until it has, the thread
        // may still be drawing with everything below.
        ended = WaitForSingleObject(thread, kTerminationWaitMs) == WAIT_OBJECT_0;
    }
    if (!ended) return false;
    CloseHandle(thread);
    saver.ShowThreadHandle = nullptr;
    return true;
}

// Only once no thread can be waiting on it.
void CloseStopEvent(Show& show) {
    if (show.StopEvent == nullptr) return;
    CloseHandle(show.StopEvent);
    show.StopEvent = nullptr;
}

}  // namespace

Saver::Saver(HINSTANCE instance, WNDPROC defaultProc)
    : Instance(instance),
      DefaultProc(defaultProc),
      Assets(std::make_unique<BitmapAssets>()),
      Animation(Output, *Assets, instance) {}

Saver::~Saver() { ReleaseSaver(*this); }

bool SetUpSaver(Saver& saver, int32_t windowWidth, int32_t windowHeight, bool stretch) {
    Show& show = saver.Animation;
    saver.Output.Geometry = ComputeOutputGeometry(windowWidth, windowHeight, stretch);
    if (!FlicLoad(show.Player, kDatesFlic)) {
        OutputDebugStringA(kFailedToInitFlc);
        return false;
    }
    // Too short to hold the magic reads as a wrong one.
    if (show.Player.Data.U16(kFlcMagicAt) != kFlcMagic) {
        OutputDebugStringA(kNotOfficialFlc);
        return false;
    }
    show.Player.FrameOffset = kFlicHeaderBytes;
    SeedRandom(show.Random, GetTickCount());
    return true;
}

bool StartShowThread(Saver& saver) {
    // Manual-reset and clear: once set, every later wait of the thread ends at
    // once. Without it the show still runs, and stops within one sleep.
    saver.Animation.StopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD id = 0;
    saver.ShowThreadHandle = CreateThread(nullptr, 0, ShowThread, &saver.Animation, 0, &id);
    return saver.ShowThreadHandle != nullptr;
}

bool BuildDrawing(Saver& saver, HWND window) {
    Display& display = saver.Output;
    if (!BeginDrawing(display, window)) return false;
    // The walker's colour table becomes the palette.
    LoadWalkerBitmap(saver.Instance, *saver.Assets, display.Palette.CapturedPalette);
    if (!FinishDrawingResources(display)) return false;
    LoadSceneBitmaps(saver.Instance, *saver.Assets);
    return true;
}

void ReleaseSaver(Saver& saver) {
    // A thread that could not be stopped keeps what it uses: the process is
    // ending, and freeing it under the thread would be worse than leaving it.
    if (!StopShowThread(saver)) return;
    CloseStopEvent(saver.Animation);
    // The animation is freed after the display's drawing resources and before
    // the window's DC.
    ReleaseDrawing(saver.Output);
    FlicPlayer& player = saver.Animation.Player;
    if (player.Resource != nullptr) {
        FreeResource(player.Resource);
        player.Resource = nullptr;
    }
    ReleaseWindowDC(saver.Output);
}

}  // namespace quibac
