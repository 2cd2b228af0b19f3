// Events from CreateEventA: a kernel object that is signalled or not, set by
// SetEvent and cleared by ResetEvent, or (auto-reset) by the one wait it
// releases. A wait that finds it clear and has a timeout is a sleep (see
// internal.h): in virtual time it sleeps its whole timeout at once unless the
// sleep hook, which runs first, sets the event.
#include "internal.h"

#include <posix_control.h>

#include <pthread.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace {

struct EventObject {
    bool manualReset = false;
    bool signalled = false;
};

struct EventTable {
    std::mutex lock;
    std::condition_variable changed;  // some event was set
    std::unordered_map<HANDLE, std::shared_ptr<EventObject>> handles;
};

EventTable& Events() {
    // Never destroyed: a thread may still wait on an event at exit.
    static auto* table = new EventTable();
    return *table;
}

std::shared_ptr<EventObject> FindEvent(HANDLE handle) {
    auto it = Events().handles.find(handle);
    return it != Events().handles.end() ? it->second : nullptr;
}

// Takes the event's signal if it has one: an auto-reset event releases one wait.
bool Take(EventObject& event) {
    if (!event.signalled) return false;
    if (!event.manualReset) event.signalled = false;
    return true;
}

BOOL Signal(HANDLE handle, bool signalled) {
    EventTable& t = Events();
    std::lock_guard<std::mutex> guard(t.lock);
    const std::shared_ptr<EventObject> event = FindEvent(handle);
    if (!event) return FALSE;
    event->signalled = signalled;
    if (signalled) t.changed.notify_all();
    return TRUE;
}

}  // namespace

HANDLE WINAPI CreateEventA(LPSECURITY_ATTRIBUTES, BOOL bManualReset, BOOL bInitialState, LPCSTR lpName) {
    // Named events are shared between processes; this layer has one process.
    if (lpName != nullptr || posix::detail::ShouldFail(posix::FailingCall::CreateEvent)) return nullptr;
    auto event = std::make_shared<EventObject>();
    event->manualReset = bManualReset != FALSE;
    event->signalled = bInitialState != FALSE;
    EventTable& t = Events();
    std::lock_guard<std::mutex> guard(t.lock);
    const HANDLE handle = event.get();
    t.handles[handle] = std::move(event);
    return handle;
}

BOOL WINAPI SetEvent(HANDLE hEvent) { return Signal(hEvent, true); }
BOOL WINAPI ResetEvent(HANDLE hEvent) { return Signal(hEvent, false); }

bool posix::detail::WaitForEvent(HANDLE handle, DWORD milliseconds, DWORD& result) {
    pthread_testcancel();
    EventTable& t = Events();
    std::unique_lock<std::mutex> lock(t.lock);
    // Held by the wait itself: closing the handle meanwhile leaves the object.
    const std::shared_ptr<EventObject> event = FindEvent(handle);
    if (!event) return false;
    const auto taken = [&] { return Take(*event); };
    result = WAIT_OBJECT_0;
    if (taken()) return true;
    if (milliseconds == 0) {
        result = WAIT_TIMEOUT;
        return true;
    }
    if (milliseconds == INFINITE) {
        t.changed.wait(lock, taken);
        return true;
    }
    lock.unlock();
    RunSleepHook(milliseconds);
    lock.lock();
    if (taken()) return true;
    if (!posix::VirtualTime() && t.changed.wait_for(lock, std::chrono::milliseconds(milliseconds), taken)) return true;
    CountSleep(milliseconds);
    result = WAIT_TIMEOUT;
    return true;
}

bool posix::detail::CloseEventHandle(HANDLE handle) {
    EventTable& t = Events();
    std::lock_guard<std::mutex> guard(t.lock);
    return t.handles.erase(handle) != 0;
}

namespace posix {

int OpenEventHandles() {
    std::lock_guard<std::mutex> guard(Events().lock);
    return int(Events().handles.size());
}

}  // namespace posix
