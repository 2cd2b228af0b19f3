// Threads from CreateThread on POSIX threads. A thread's handle is a kernel
// object that becomes signalled when the thread has ended; it lives until the
// thread has ended and its handle is closed, whichever comes last.
// TerminateThread cancels the thread at its next cancellation point (Sleep,
// the millisecond counters, a wait), unwinding its stack.
#include "internal.h"

#include <posix_control.h>

#include <pthread.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <unordered_map>

using namespace posix::detail;

namespace {

struct ThreadObject {
    LPTHREAD_START_ROUTINE start = nullptr;
    LPVOID parameter = nullptr;
    DWORD id = 0;
    pthread_t thread{};
    bool ended = false;
    DWORD exitCode = STILL_ACTIVE;
    bool terminated = false;
    DWORD terminationCode = 0;
};

struct ThreadTable {
    std::mutex lock;
    posix::ThreadStartHook startHook;                                   // under lock
    std::condition_variable ended;                                      // any thread has ended
    std::unordered_map<HANDLE, std::shared_ptr<ThreadObject>> handles;  // open handles
    int live = 0;
};

ThreadTable& Table() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* table = new ThreadTable();
    return *table;
}

std::atomic<DWORD> g_lastThreadId{0};
thread_local DWORD t_threadId = 0;

DWORD NewThreadId() { return ++g_lastThreadId; }

std::shared_ptr<ThreadObject> FindThread(HANDLE handle) {
    auto it = Table().handles.find(handle);
    return it != Table().handles.end() ? it->second : nullptr;
}

// Signals the thread's object once the thread is all but gone: it is made
// first on the thread, so it is destroyed after every other thread-local
// object (the thread's message queue among them), whether the procedure
// returned or the thread was cancelled.
struct EndOfThread {
    std::shared_ptr<ThreadObject> object;
    bool returned = false;
    DWORD result = 0;
    ~EndOfThread() {
        if (!object) return;
        ThreadTable& t = Table();
        std::lock_guard<std::mutex> guard(t.lock);
        object->exitCode = returned ? result : object->terminationCode;
        object->ended = true;
        --t.live;
        t.ended.notify_all();
    }
};

// Not noexcept: a cancelled thread unwinds through here.
void* RunThread(void* argument) {
    thread_local EndOfThread end;
    {
        std::unique_ptr<std::shared_ptr<ThreadObject>> start(static_cast<std::shared_ptr<ThreadObject>*>(argument));
        end.object = std::move(*start);
    }
    t_threadId = end.object->id;
    posix::ThreadStartHook hook;
    {
        std::lock_guard<std::mutex> guard(Table().lock);
        hook = Table().startHook;
    }
    DWORD result = 0;
    try {
        // The hook runs with no lock held: it may block until cancelled.
        if (hook) hook();
        result = end.object->start(end.object->parameter);
    } catch (...) {
        // TerminateThread's cancellation unwinds the thread through here, and
        // must go on; anything else is a fault.
        bool terminated = false;
        {
            std::lock_guard<std::mutex> guard(Table().lock);
            terminated = end.object->terminated;
        }
        if (terminated) throw;
        EndProcessOnThreadFault();
    }
    // Past its procedure the thread can no longer be terminated.
    pthread_setcancelstate(PTHREAD_CANCEL_DISABLE, nullptr);
    end.result = result;
    end.returned = true;
    return nullptr;
}

}  // namespace

namespace posix::detail {

void ResetThreadStartHook() { posix::SetThreadStartHook(nullptr); }

DWORD CurrentThreadId() {
    if (t_threadId == 0) t_threadId = NewThreadId();
    return t_threadId;
}

}  // namespace posix::detail

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter,
                           DWORD, LPDWORD lpThreadId) {
    if (lpStartAddress == nullptr || ShouldFail(posix::FailingCall::CreateThread)) return nullptr;
    auto object = std::make_shared<ThreadObject>();
    object->start = lpStartAddress;
    object->parameter = lpParameter;
    object->id = NewThreadId();
    auto* start = new std::shared_ptr<ThreadObject>(object);
    ThreadTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    pthread_t thread;
    if (pthread_create(&thread, nullptr, RunThread, start) != 0) {
        delete start;
        return nullptr;
    }
    pthread_detach(thread);
    object->thread = thread;
    ++t.live;
    const HANDLE handle = object.get();
    t.handles[handle] = object;
    if (lpThreadId != nullptr) *lpThreadId = object->id;
    return handle;
}

namespace {

DWORD WaitForThreadObject(ThreadTable& t, std::unique_lock<std::mutex>& lock,
                          const std::shared_ptr<ThreadObject>& object, DWORD dwMilliseconds) {
    const auto ended = [&] { return object->ended; };
    if (dwMilliseconds == INFINITE) {
        t.ended.wait(lock, ended);
        return WAIT_OBJECT_0;
    }
    if (!posix::VirtualTime())
        return t.ended.wait_for(lock, std::chrono::milliseconds(dwMilliseconds), ended) ? WAIT_OBJECT_0 : WAIT_TIMEOUT;
    // In virtual time the deadline is on the virtual clock, which the waiter
    // itself moves on, so a wait for a thread that never ends still ends.
    const uint64_t deadline = posix::VirtualElapsed() + dwMilliseconds;
    for (;;) {
        if (object->ended) return WAIT_OBJECT_0;
        const uint64_t now = posix::VirtualElapsed();
        if (now >= deadline) return WAIT_TIMEOUT;
        using std::chrono::milliseconds;
        const auto before = std::chrono::steady_clock::now();
        t.ended.wait_for(lock, milliseconds(1), ended);
        const auto realMs = std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - before);
        const uint64_t step = uint64_t(std::max<int64_t>(realMs.count(), 1)) * posix::kWaitStepMs;
        posix::AdvanceVirtualTime(uint32_t(std::min(step, deadline - now)));
    }
}

}  // namespace

bool posix::detail::WaitForThread(HANDLE handle, DWORD milliseconds, DWORD& result) {
    ThreadTable& t = Table();
    std::unique_lock<std::mutex> lock(t.lock);
    const std::shared_ptr<ThreadObject> object = FindThread(handle);
    if (!object) return false;
    result = WaitForThreadObject(t, lock, object, milliseconds);
    return true;
}

BOOL WINAPI TerminateThread(HANDLE hThread, DWORD dwExitCode) {
    ThreadTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    const std::shared_ptr<ThreadObject> object = FindThread(hThread);
    if (!object) return FALSE;
    // An ended thread keeps its exit code; the pthread may be gone already.
    if (object->ended || object->terminated) return TRUE;
    object->terminated = true;
    object->terminationCode = dwExitCode;
    pthread_cancel(object->thread);
    return TRUE;
}

BOOL WINAPI GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode) {
    ThreadTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    const std::shared_ptr<ThreadObject> object = FindThread(hThread);
    if (!object || lpExitCode == nullptr) return FALSE;
    *lpExitCode = object->ended ? object->exitCode : DWORD(STILL_ACTIVE);
    return TRUE;
}

bool posix::detail::CloseThreadHandle(HANDLE handle) {
    ThreadTable& t = Table();
    std::lock_guard<std::mutex> guard(t.lock);
    // The thread keeps its own reference to the object until it ends.
    return t.handles.erase(handle) != 0;
}

namespace posix {

int LiveThreads() {
    std::lock_guard<std::mutex> guard(Table().lock);
    return Table().live;
}

int OpenThreadHandles() {
    std::lock_guard<std::mutex> guard(Table().lock);
    return int(Table().handles.size());
}

void SetThreadStartHook(ThreadStartHook hook) {
    std::lock_guard<std::mutex> guard(Table().lock);
    Table().startHook = std::move(hook);
}

}  // namespace posix
