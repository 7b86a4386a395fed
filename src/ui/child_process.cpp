// fork/exec with a pipe: the child's standard output and error are read until it ends.
#include "ui/child_process.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ui {

namespace {
// Exit status the child uses when exec fails, reported through the status pipe instead.
constexpr int kExecFailed = 127;
} // namespace

ChildResult run_child_process(const ChildProcess& child) {
    ChildResult result;
    if (child.argv.empty()) return result;

    std::vector<char*> argv;
    for (const std::string& arg : child.argv) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    int out[2];
    int status_pipe[2]; // closed on exec; carries errno when exec fails
    if (pipe2(out, O_CLOEXEC) != 0) return result;
    if (pipe2(status_pipe, O_CLOEXEC) != 0) {
        close(out[0]);
        close(out[1]);
        return result;
    }

    pid_t pid = fork();
    if (pid < 0) {
        for (int fd : {out[0], out[1], status_pipe[0], status_pipe[1]}) close(fd);
        return result;
    }
    if (pid == 0) {
        int devnull = open("/dev/null", O_RDONLY);
        if (devnull >= 0) dup2(devnull, STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(out[1], STDERR_FILENO);
        if (!child.working_dir.empty() && chdir(child.working_dir.c_str()) != 0) {
            int err = errno;
            (void)!write(status_pipe[1], &err, sizeof err);
            _exit(kExecFailed);
        }
        execvp(argv[0], argv.data());
        int err = errno;
        (void)!write(status_pipe[1], &err, sizeof err);
        _exit(kExecFailed);
    }

    close(out[1]);
    close(status_pipe[1]);
    char buffer[4096];
    for (;;) {
        ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n > 0) {
            result.output.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    close(out[0]);

    int exec_errno = 0;
    ssize_t got;
    do {
        got = read(status_pipe[0], &exec_errno, sizeof exec_errno);
    } while (got < 0 && errno == EINTR);
    close(status_pipe[0]);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.started = got <= 0;
    if (WIFEXITED(status))
        result.exit_code = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.exit_code = 128 + WTERMSIG(status);
    return result;
}

} // namespace ui
