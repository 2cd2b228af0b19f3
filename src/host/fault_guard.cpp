#include "host/fault_guard.h"

#include "host/host.h"
#include "host/password.h"

#include <exception>

namespace quibac {

namespace {

// The filter runs with no context of its own, so it asks the platform again
// rather than reading the host's state.
LONG WINAPI ClearMarkOnFault(EXCEPTION_POINTERS*) {
    SetSaverRunning(RunningOnWin9x(), false);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

FaultGuard::FaultGuard() : previous_(SetUnhandledExceptionFilter(ClearMarkOnFault)) {}

FaultGuard::~FaultGuard() { SetUnhandledExceptionFilter(previous_); }

int FaultGuard::Handle(HostState& host) const {
    EXCEPTION_RECORD record{};
    record.ExceptionCode = kCppExceptionCode;
    record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
    EXCEPTION_POINTERS pointers{&record, nullptr};
    if (UnhandledExceptionFilter(&pointers) != EXCEPTION_EXECUTE_HANDLER)
        std::rethrow_exception(std::current_exception());
    SetSaverRunning(host.IsWin9x, false);
    if (host.SaverWindow != nullptr && IsWindow(host.SaverWindow)) DestroyWindow(host.SaverWindow);
    return kSaverFailedExitCode;
}

}  // namespace quibac
