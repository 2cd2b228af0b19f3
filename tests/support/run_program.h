// Runs another program for a test, as the program under test or as the
// independent judge of what it made: the arguments reach it as they are, with
// no shell to quote for, and what it writes to its standard output and its
// standard error comes back apart.
#pragma once

#include <string>
#include <vector>

namespace quibac::testing {

struct ProgramRun {
    // The exit code; 127 when the program could not be started, -1 when it
    // ended on a signal.
    int exitCode = -1;
    std::string output;
    std::string errors;  // also why it could not be started
};

// arguments[0] is the program, found on PATH when it has no slash.
ProgramRun RunProgram(const std::vector<std::string>& arguments);

}  // namespace quibac::testing
