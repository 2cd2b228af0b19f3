// Starts a program with a command line exactly as given and prints its exit
// code. Wine quotes every argument of its own command line that holds a space
// or a tab, so a command line such as "quibac.scr /<tab>s" can only reach the
// saver through CreateProcess. The command line comes from an environment
// variable, which passes it through untouched.
//
//   QUIBAC_TEST_COMMAND_LINE="<command line>" exact_command
//
// Prints "exit code N" on the standard output, N the program's exit code as
// an unsigned decimal: all 32 bits of it, which the Unix exit status of a
// Wine process cuts to the low 8.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr const char kCommandLineVariable[] = "QUIBAC_TEST_COMMAND_LINE";
constexpr DWORD kRunLimitMs = 60000;

constexpr int kUsageError = 2;
constexpr int kStartError = 3;
constexpr int kTimedOut = 4;

}  // namespace

int main() {
    const DWORD length = GetEnvironmentVariableA(kCommandLineVariable, nullptr, 0);
    if (length == 0) {
        std::fprintf(stderr, "exact_command: %s is not set\n", kCommandLineVariable);
        return kUsageError;
    }
    std::string commandLine(length, '\0');
    commandLine.resize(GetEnvironmentVariableA(kCommandLineVariable, commandLine.data(), length));

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "exact_command: cannot start (error %lu)\n", GetLastError());
        return kStartError;
    }
    if (WaitForSingleObject(process.hProcess, kRunLimitMs) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "exact_command: still running after %lu ms; terminated\n", kRunLimitMs);
        TerminateProcess(process.hProcess, UINT(kTimedOut));
        return kTimedOut;
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    std::printf("exit code %lu\n", exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
