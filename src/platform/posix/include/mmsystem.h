// The multimedia timer functions the saver uses, for builds on POSIX systems.
#pragma once

#include <windows.h>

typedef UINT MMRESULT;
#define TIMERR_NOERROR 0

DWORD WINAPI timeGetTime(void);
MMRESULT WINAPI timeBeginPeriod(UINT uPeriod);
MMRESULT WINAPI timeEndPeriod(UINT uPeriod);
