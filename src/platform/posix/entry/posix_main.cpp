// The process entry on POSIX systems: as a Windows C runtime does, it turns
// the arguments into one command line and calls the program's WinMain with the
// text after the program's name.
#include "internal.h"

#include <string>

namespace {

// Arguments holding a space or a tab are quoted, as Windows quotes them.
std::string Quoted(const std::string& argument) {
    return argument.find_first_of(" \t") != std::string::npos ? "\"" + argument + "\"" : argument;
}

}  // namespace

int main(int argc, char** argv) {
    // The program's own name is always quoted.
    std::string commandLine = "\"" + std::string(argc > 0 && argv[0] != nullptr ? argv[0] : "") + "\"";
    // WinMain's text: the arguments after the program name, kept alive and
    // writable for the whole run.
    static std::string arguments;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) arguments += ' ';
        arguments += Quoted(argv[i]);
    }
    if (!arguments.empty()) commandLine += " " + arguments;
    posix::detail::RecordProcessCommandLine(commandLine);
    return WinMain(GetModuleHandleA(nullptr), nullptr, arguments.data(), 1);
}
