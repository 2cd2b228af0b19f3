#include "support/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

extern char** environ;

namespace quibac::testing {
namespace {

constexpr int kNotStarted = 127;

// Both pipes are read as they fill: a program that writes much to one while
// the other waits unread would otherwise block for ever.
void ReadBoth(int outputFd, int errorsFd, ProgramRun& run) {
    std::array<pollfd, 2> fds{{{outputFd, POLLIN, 0}, {errorsFd, POLLIN, 0}}};
    std::array<std::string*, 2> into{&run.output, &run.errors};
    std::array<char, 65536> buffer{};
    int open = 2;
    while (open > 0) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            const ssize_t n = read(fds[i].fd, buffer.data(), buffer.size());
            if (n > 0) {
                into[i]->append(buffer.data(), size_t(n));
            } else if (n == 0 || errno != EINTR) {
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

ProgramRun RunProgram(const std::vector<std::string>& arguments) {
    ProgramRun run;
    if (arguments.empty()) {
        run.exitCode = kNotStarted;
        run.errors = "no program named";
        return run;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int output[2] = {-1, -1}, errors[2] = {-1, -1};
    if (pipe(output) != 0 || pipe(errors) != 0) {
        for (int fd : {output[0], output[1], errors[0], errors[1]})
            if (fd >= 0) close(fd);
        run.exitCode = kNotStarted;
        run.errors = std::string("no pipe: ") + std::strerror(errno);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errors[1], STDERR_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    for (int fd : {output[0], output[1], errors[0], errors[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    close(errors[1]);
    if (spawned == 0) ReadBoth(output[0], errors[0], run);
    close(output[0]);
    close(errors[0]);
    if (spawned != 0) {
        run.exitCode = kNotStarted;
        run.errors = "cannot run " + arguments[0] + ": " + std::strerror(spawned);
        return run;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace quibac::testing
