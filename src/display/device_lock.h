// A lock for the calls two threads make on the same device contexts. It is a
// critical section rather than a standard mutex because the 32-bit build
// targets systems back to Windows 95, whose runtime has no standard threads.
#pragma once

#include <windows.h>

namespace quibac {

class DeviceLock {
public:
    DeviceLock() { InitializeCriticalSection(&section_); }
    ~DeviceLock() { DeleteCriticalSection(&section_); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

    void lock() { EnterCriticalSection(&section_); }
    void unlock() { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_;
};

// Holds the lock for its own life.
class DeviceGuard {
public:
    explicit DeviceGuard(DeviceLock& lock) : lock_(lock) { lock_.lock(); }
    ~DeviceGuard() { lock_.unlock(); }
    DeviceGuard(const DeviceGuard&) = delete;
    DeviceGuard& operator=(const DeviceGuard&) = delete;

private:
    DeviceLock& lock_;
};

}  // namespace quibac
