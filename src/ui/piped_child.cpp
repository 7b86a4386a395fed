// fork/exec with an in-memory standard input, a pipe for standard output and a deadline.
#include "ui/piped_child.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ui {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kExecFailed = 127;

// The input as a file of its own that the child reads from its start.
int input_file(const std::string& input) {
    int fd = memfd_create("zped-input", MFD_CLOEXEC);
    if (fd < 0) return -1;
    std::size_t written = 0;
    while (written < input.size()) {
        ssize_t n = write(fd, input.data() + written, input.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            close(fd);
            return -1;
        }
        written += static_cast<std::size_t>(n);
    }
    lseek(fd, 0, SEEK_SET);
    return fd;
}

int remaining_ms(Clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for the child until the deadline; kills it after that.
int reap(pid_t pid, Clock::time_point deadline, bool& timed_out) {
    int status = 0;
    for (;;) {
        pid_t got = waitpid(pid, &status, WNOHANG);
        if (got == pid) break;
        if (got < 0 && errno != EINTR) return -1;
        if (Clock::now() >= deadline) {
            timed_out = true;
            kill(pid, SIGKILL);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            break;
        }
        poll(nullptr, 0, 5);
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

} // namespace

PipedResult run_piped(const std::vector<std::string>& argv_words, const std::string& input,
                      bool capture, int timeout_ms) {
    PipedResult result;
    if (argv_words.empty()) return result;
    std::vector<char*> argv;
    for (const std::string& word : argv_words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);

    int in = input_file(input);
    if (in < 0) return result;
    int out[2] = {-1, -1};
    int status_pipe[2] = {-1, -1};
    if ((capture && pipe2(out, O_CLOEXEC) != 0) || pipe2(status_pipe, O_CLOEXEC) != 0) {
        for (int fd : {in, out[0], out[1], status_pipe[0], status_pipe[1]})
            if (fd >= 0) close(fd);
        return result;
    }
    auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    pid_t pid = fork();
    if (pid < 0) {
        for (int fd : {in, out[0], out[1], status_pipe[0], status_pipe[1]})
            if (fd >= 0) close(fd);
        return result;
    }
    if (pid == 0) {
        int devnull = open("/dev/null", O_WRONLY);
        dup2(in, STDIN_FILENO);
        dup2(capture ? out[1] : devnull, STDOUT_FILENO);
        dup2(devnull, STDERR_FILENO);
        execvp(argv[0], argv.data());
        int err = errno;
        (void)!write(status_pipe[1], &err, sizeof err);
        _exit(kExecFailed);
    }
    close(in);
    close(status_pipe[1]);
    if (capture) {
        close(out[1]);
        char buffer[4096];
        for (;;) {
            pollfd ready{out[0], POLLIN, 0};
            int left = remaining_ms(deadline);
            int n = poll(&ready, 1, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break; // the deadline passed: reap() kills it
            ssize_t got = read(out[0], buffer, sizeof buffer);
            if (got > 0)
                result.output.append(buffer, static_cast<std::size_t>(got));
            else if (got == 0 || errno != EINTR)
                break;
        }
        close(out[0]);
    }
    result.exit_code = reap(pid, deadline, result.timed_out);
    int exec_errno = 0;
    ssize_t got;
    do {
        got = read(status_pipe[0], &exec_errno, sizeof exec_errno);
    } while (got < 0 && errno == EINTR);
    close(status_pipe[0]);
    result.started = got <= 0;
    return result;
}

bool program_on_path(const std::string& name) {
    if (name.empty()) return false;
    if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t from = 0;
    for (;;) {
        std::size_t colon = dirs.find(':', from);
        std::string dir = dirs.substr(from, colon == std::string::npos ? colon : colon - from);
        std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return true;
        if (colon == std::string::npos) return false;
        from = colon + 1;
    }
}

} // namespace ui
