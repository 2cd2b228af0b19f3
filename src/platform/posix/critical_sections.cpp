// Critical sections over a recursive mutex: like Windows', one thread may
// enter the same section again, and must leave it as often as it entered.
#include <windows.h>

#include <mutex>

namespace {

std::recursive_mutex& LockOf(LPCRITICAL_SECTION section) {
    return *static_cast<std::recursive_mutex*>(section->LockSemaphore);
}

}  // namespace

void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION lpCriticalSection) {
    lpCriticalSection->LockSemaphore = new std::recursive_mutex;
}

void WINAPI EnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection) { LockOf(lpCriticalSection).lock(); }

void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION lpCriticalSection) { LockOf(lpCriticalSection).unlock(); }

void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION lpCriticalSection) {
    delete &LockOf(lpCriticalSection);
    lpCriticalSection->LockSemaphore = nullptr;
}
