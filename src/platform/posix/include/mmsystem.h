// The multimedia timer functions the saver uses, for builds on POSIX systems.
#pragma once

#include <windows.h>

typedef UINT MMRESULT;
#define TIMERR_NOERROR 0

DWORD WINAPI timeGetTime(void);
MMRESULT WINAPI timeBeginPeriod(UINT uPeriod);
MMRESULT WINAPI timeEndPeriod(UINT uPeriod);

// sndPlaySoundA: the saver only ever stops sound (no name, no flags).
#define SND_SYNC 0x0000
#define SND_ASYNC 0x0001
BOOL WINAPI sndPlaySoundA(LPCSTR pszSound, UINT fuSound);
