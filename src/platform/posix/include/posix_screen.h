// Test controls of the POSIX platform layer for the screen: the surface every
// window draws into, what reached it, and plain windows placed on it. Nothing
// in the saver's own code includes this header.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace posix {

// ---- the screen surface ------------------------------------------------
// Pixels are 0x00RRGGBB. Every window DC draws into this surface, clipped to
// its window's client area. It covers the virtual screen, ScreenBounds, which
// starts left of or above (0, 0) when a monitor does; every control below
// takes and gives screen coordinates.
int ScreenWidth();
int ScreenHeight();
RECT ScreenBounds();
uint32_t ScreenPixel(int x, int y);
void FillScreen(uint32_t rgb);
std::vector<uint32_t> ScreenPixels(int x, int y, int width, int height);
// Writes the whole screen, or a part of it, as an RGB PNG. Returns success.
bool WriteScreenPng(const std::string& path);
bool WriteScreenPng(const std::string& path, int x, int y, int width, int height);
// Counts BitBlt calls that reached a window, and the rows they touched, so
// tests can follow what a reveal brought to the screen. The record keeps at
// least the latest kBlitRecordLimit / 2 blits since it was last taken.
struct BlitRecord {
    int x, y, width, height;
};
constexpr size_t kBlitRecordLimit = size_t(1) << 16;
std::vector<BlitRecord> TakeWindowBlits();

// ---- running live --------------------------------------------------------
// For a program that shows the surface on a real display. Every drawing call
// that reaches a window counts one change; the hook, when set, is called after
// each such change on the drawing thread with the GDI lock held, so it must be
// quick and must not call back into the platform (raising a flag or waking
// another thread is what it is for). ResetPlatform clears the hook.
uint64_t ScreenChanges();
using ScreenChangeHook = std::function<void()>;
void SetScreenChangeHook(ScreenChangeHook hook);
// Copies the whole surface, rows of ScreenWidth() pixels, into a buffer whose
// rows start destinationPitch bytes apart, under one hold of the lock.
void CopyScreen(void* destination, int destinationPitch);
// The smallest rectangle holding everything drawn on the surface since the
// last call (the whole surface after a reset or a change of size), and empty
// from then until the next drawing: a live program copies only that.
RECT TakeChangedArea();
// The same, as the rectangles that were drawn (none contained in another
// that is listed), or their bounding rectangle alone once there are too many
// to be worth copying one by one. Taking either forgets both.
std::vector<RECT> TakeChangedAreas();
// Copies area of the surface into a buffer where the area's top-left pixel is
// at destination and rows start destinationPitch bytes apart. What lies off
// the surface is left untouched.
void CopyScreenArea(const RECT& area, void* destination, int destinationPitch);
// TakeWindowBlits' record, bounded as above, costs a little on every blit;
// a live run, which never takes it, turns it off. On again after ResetPlatform.
void KeepWindowBlits(bool keep);

// ---- monitors ------------------------------------------------------------
// The monitors EnumDisplayMonitors reports, the first one primary, at (0, 0)
// as on Windows (its size is what GetSystemMetrics gives as the screen's);
// the others anywhere around it, at negative coordinates too. The surface
// grows to hold them all, all black. Refused (false, nothing changes): no
// monitor, a primary elsewhere, an empty rectangle, or a virtual screen more
// than kMaxScreenSide pixels across. Reset gives one monitor, the whole
// surface.
constexpr int kMaxScreenSide = 16384;
bool SetMonitors(const std::vector<RECT>& monitors);

// ---- windows -----------------------------------------------------------
// A plain window whose client area lies at (x, y) on the screen.
HWND CreateTestWindow(int x, int y, int width, int height);
void DestroyTestWindow(HWND hwnd);

}  // namespace posix
