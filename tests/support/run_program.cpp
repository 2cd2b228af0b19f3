#include "support/run_program.h"

#include "support/temp_folder.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

extern char** environ;

namespace quibac::testing {

ProgramRun RunProgram(const std::vector<std::string>& arguments) {
    constexpr int kNotStarted = 127;
    ProgramRun run;
    run.exitCode = kNotStarted;
    if (arguments.empty()) return run;
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    // Files, not pipes: a program that fills one pipe while the other is
    // waited on would never end.
    const TempFolder folder;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, folder.Path("output").c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, folder.Path("errors").c_str(), O_WRONLY | O_CREAT, 0600);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        run.errors = "cannot run " + arguments[0] + ": " + std::strerror(spawned);
        return run;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.output = folder.Read("output");
    run.errors = folder.Read("errors");
    return run;
}

}  // namespace quibac::testing
