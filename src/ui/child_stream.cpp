// fork/exec with one pipe for standard output and error, and a second pipe, closed by exec,
// through which the child reports a failed chdir or exec before it ends.
#include "ui/child_stream.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace ui {

namespace {
// Exit status of a child whose chdir or exec failed (the reason travels through the pipe).
constexpr int kChildExecFailed = 127;
// How long a stopped program may take to end after SIGTERM.
constexpr int kGraceMilliseconds = 500;

void report_errno_and_exit(int fd) {
    int err = errno;
    (void)!write(fd, &err, sizeof err);
    _exit(kChildExecFailed);
}
} // namespace

ChildStream::~ChildStream() {
    if (pid_ > 0) {
        stop();
        wait();
    }
    close_pipe();
}

void ChildStream::close_pipe() {
    if (pipe_ >= 0) close(pipe_);
    pipe_ = -1;
}

bool ChildStream::start(const ChildProcess& child, bool own_group) {
    error_.clear();
    if (pid_ > 0) {
        error_ = "a program runs already";
        return false;
    }
    if (child.argv.empty() || child.argv[0].empty()) {
        error_ = "no program named";
        return false;
    }
    std::vector<char*> argv;
    for (const std::string& arg : child.argv)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    int out[2];
    int status[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        error_ = std::strerror(errno);
        return false;
    }
    if (pipe2(status, O_CLOEXEC) != 0) {
        error_ = std::strerror(errno);
        close(out[0]);
        close(out[1]);
        return false;
    }
    pid_t pid = fork();
    if (pid < 0) {
        error_ = std::strerror(errno);
        for (int fd : {out[0], out[1], status[0], status[1]})
            close(fd);
        return false;
    }
    if (pid == 0) {
        if (own_group) setpgid(0, 0);
        int devnull = open("/dev/null", O_RDONLY);
        if (devnull >= 0) dup2(devnull, STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(out[1], STDERR_FILENO);
        signal(SIGPIPE, SIG_DFL);
        if (!child.working_dir.empty() && chdir(child.working_dir.c_str()) != 0)
            report_errno_and_exit(status[1]);
        execvp(argv[0], argv.data());
        report_errno_and_exit(status[1]);
    }
    if (own_group) setpgid(pid, pid); // also here, so stop() finds the group at once
    close(out[1]);
    close(status[1]);

    int exec_errno = 0;
    ssize_t got;
    do {
        got = ::read(status[0], &exec_errno, sizeof exec_errno);
    } while (got < 0 && errno == EINTR);
    close(status[0]);

    pid_ = pid;
    own_group_ = own_group;
    pipe_ = out[0];
    if (got > 0) {
        error_ = std::strerror(exec_errno);
        close_pipe();
        wait();
        return false;
    }
    return true;
}

ChildStream::Read ChildStream::read(std::string& into, std::size_t max, int timeout_ms) {
    if (pipe_ < 0) return Read::Closed;
    pollfd waiting{pipe_, POLLIN, 0};
    int ready;
    do {
        ready = poll(&waiting, 1, timeout_ms);
    } while (ready < 0 && errno == EINTR);
    if (ready == 0) return Read::Timeout;
    if (ready < 0) {
        close_pipe();
        return Read::Closed;
    }
    std::string piece(max, '\0');
    ssize_t n;
    do {
        n = ::read(pipe_, piece.data(), max);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        close_pipe();
        return Read::Closed;
    }
    into.append(piece.data(), static_cast<std::size_t>(n));
    return Read::Data;
}

namespace {
int decode_status(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}
} // namespace

void ChildStream::stop() {
    close_pipe();
    if (pid_ <= 0) return;
    pid_t target = own_group_ ? -pid_ : pid_;
    kill(target, SIGTERM);
    for (int waited = 0; waited < kGraceMilliseconds; waited += 20) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            // The program is gone; what it started in its group gets no second chance.
            if (own_group_) kill(-pid_, SIGKILL);
            pid_ = -1;
            reaped_status_ = decode_status(status);
            return;
        }
        usleep(20 * 1000);
    }
    kill(target, SIGKILL);
}

int ChildStream::wait() {
    if (pid_ <= 0) {
        int code = reaped_status_;
        reaped_status_ = -1;
        return code;
    }
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    return decode_status(status);
}

} // namespace ui
