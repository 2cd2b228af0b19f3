// The process as a whole: its command line, its end, and how it meets faults
// (the error mode and the top-level exception filter).
#include "internal.h"

#include <posix_windows.h>

#include <cstdio>
#include <cstdlib>
#include <list>
#include <mutex>
#include <string>
#include <utility>

using namespace posix::detail;

namespace {

// What GetCommandLineA reports for a process that no POSIX main started.
constexpr char kDefaultCommandLine[] = "quibac";

struct ProcessState {
    std::mutex lock;
    // Every command line ever set stays, so that a pointer GetCommandLineA
    // gave out never dangles.
    std::list<std::string> texts{kDefaultCommandLine};
    std::string* started = &texts.front();  // recorded by the POSIX main
    std::string* current = &texts.front();  // what GetCommandLineA returns
    UINT errorMode = 0;
    LPTOP_LEVEL_EXCEPTION_FILTER filter = nullptr;
    posix::ExitHook exitHook;
};

ProcessState& Process() {
    // Never destroyed: threads and exit-time checks may still look at it.
    static auto* state = new ProcessState();
    return *state;
}

using Guard = std::lock_guard<std::mutex>;

}  // namespace

namespace posix::detail {

void RecordProcessCommandLine(const std::string& commandLine) {
    ProcessState& p = Process();
    Guard guard(p.lock);
    p.started = p.current = &p.texts.emplace_back(commandLine);
}

void ResetProcess() {
    ProcessState& p = Process();
    Guard guard(p.lock);
    p.current = p.started;
    p.errorMode = 0;
    p.filter = nullptr;
    p.exitHook = nullptr;
}

void EndProcessOnThreadFault() {
    EXCEPTION_RECORD record{};
    record.ExceptionCode = posix::kThreadFaultExitCode;
    record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
    EXCEPTION_POINTERS pointers{&record, nullptr};
    // Whatever the filter answers, nothing is left on the thread to go on
    // with: Windows ends the process with the exception's code.
    UnhandledExceptionFilter(&pointers);
    ExitProcess(posix::kThreadFaultExitCode);
}

}  // namespace posix::detail

LPSTR WINAPI GetCommandLineA(void) {
    // The text stays where it is until the next SetCommandLine or reset.
    Guard guard(Process().lock);
    return Process().current->data();
}

LPSTR WINAPI CharNextA(LPCSTR lpsz) {
    if (lpsz == nullptr) return nullptr;
    return const_cast<LPSTR>(*lpsz != '\0' ? lpsz + 1 : lpsz);
}

void WINAPI ExitProcess(UINT uExitCode) {
    posix::ExitHook hook;
    {
        Guard guard(Process().lock);
        hook = Process().exitHook;
    }
    if (hook) hook(uExitCode);
    std::fflush(nullptr);
    std::_Exit(int(uExitCode));
}

UINT WINAPI SetErrorMode(UINT uMode) {
    Guard guard(Process().lock);
    return std::exchange(Process().errorMode, uMode);
}

LPTOP_LEVEL_EXCEPTION_FILTER WINAPI SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER filter) {
    Guard guard(Process().lock);
    return std::exchange(Process().filter, filter);
}

LONG WINAPI UnhandledExceptionFilter(EXCEPTION_POINTERS* ExceptionInfo) {
    LPTOP_LEVEL_EXCEPTION_FILTER filter;
    {
        Guard guard(Process().lock);
        filter = Process().filter;
    }
    // With no filter and no debugger, Windows runs the handler.
    return filter != nullptr ? filter(ExceptionInfo) : EXCEPTION_EXECUTE_HANDLER;
}

namespace posix {

void SetCommandLine(const std::string& commandLine) {
    ProcessState& p = Process();
    Guard guard(p.lock);
    p.current = &p.texts.emplace_back(commandLine);
}

void SetExitHook(ExitHook hook) {
    Guard guard(Process().lock);
    Process().exitHook = std::move(hook);
}

}  // namespace posix
