// Failures on request: a test arms one failure of a kind of call, after a
// number of successful calls of that kind, to drive the saver's handling of
// exhausted memory or GDI objects without exhausting anything.
#include "internal.h"

#include <array>
#include <cstddef>
#include <mutex>

namespace {

// CreateEvent is the last kind of posix::FailingCall.
constexpr size_t kKinds = size_t(posix::FailingCall::CreateEvent) + 1;

// Whether a failure is armed for a kind, and the successful calls still to
// come before it fires.
struct Pending {
    bool armed = false;
    int remaining = 0;
};

std::mutex& FailureLock() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* lock = new std::mutex();
    return *lock;
}

std::array<Pending, kKinds>& Failures() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* failures = new std::array<Pending, kKinds>();
    return *failures;
}

size_t IndexOf(posix::FailingCall call) { return size_t(call); }

}  // namespace

namespace posix::detail {

bool ShouldFail(posix::FailingCall call) {
    const size_t index = IndexOf(call);
    if (index >= kKinds) return false;
    std::lock_guard<std::mutex> guard(FailureLock());
    Pending& pending = Failures()[index];
    if (!pending.armed) return false;
    if (pending.remaining > 0) {
        --pending.remaining;
        return false;
    }
    pending.armed = false;  // fails once
    return true;
}

void ResetFailures() {
    std::lock_guard<std::mutex> guard(FailureLock());
    Failures().fill(Pending{});
}

}  // namespace posix::detail

namespace posix {

void FailCall(FailingCall call, int after) {
    const size_t index = IndexOf(call);
    if (index >= kKinds) return;
    std::lock_guard<std::mutex> guard(FailureLock());
    Failures()[index] = Pending{true, after > 0 ? after : 0};
}

}  // namespace posix
