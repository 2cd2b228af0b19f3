// What happens to a fault that reaches the host: Windows 95/98 must not be
// left believing a screen saver still runs (it would keep the system keys
// locked), whatever ended the program.
#pragma once

#include "host/host_state.h"

#include <windows.h>

namespace quibac {

// The exception code under which a C++ exception reaches the platform's
// filter.
constexpr DWORD kCppExceptionCode = 0xE06D7363;

// While it lives, a fault on any thread that nothing handles clears the
// saver-running mark before the process ends.
class FaultGuard {
public:
    FaultGuard();
    ~FaultGuard();
    FaultGuard(const FaultGuard&) = delete;
    FaultGuard& operator=(const FaultGuard&) = delete;

    // For an exception that escaped the mode: hands it to the platform's
    // filter; when the filter lets the host handle it, clears the mark, takes
    // the saver window down (so its show stops and frees what it holds) and
    // returns the exit code. Otherwise the exception goes on.
    int Handle(HostState& host) const;

private:
    LPTOP_LEVEL_EXCEPTION_FILTER previous_;
};

}  // namespace quibac
