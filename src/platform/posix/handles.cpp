// The calls that take a handle of any kernel object: each kind of object
// answers for the handles it made; any other handle fails, as a closed or
// made-up handle does on Windows.
#include "internal.h"

using namespace posix::detail;

DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
    DWORD result = WAIT_FAILED;
    if (WaitForThread(hHandle, dwMilliseconds, result) || WaitForEvent(hHandle, dwMilliseconds, result)) return result;
    return WAIT_FAILED;
}

BOOL WINAPI CloseHandle(HANDLE hObject) {
    return CloseThreadHandle(hObject) || CloseEventHandle(hObject) ? TRUE : FALSE;
}
