// fork/exec of zeph with pipes for its three standard streams.
#include "zeph_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace shell_test {

namespace {
void append_ready(int fd, std::string& to, bool& open) {
    char buffer[4096];
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0)
        to.append(buffer, static_cast<std::size_t>(n));
    else if (n == 0 || errno != EINTR)
        open = false;
}
} // namespace

ZephResult run_zeph(const ZephRun& run) {
    ZephResult result;
    std::signal(SIGPIPE, SIG_IGN); // zeph may end before it read all of its input
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return result;
    std::string program = run.program.empty() ? ZEPH_PROGRAM : run.program;

    // Everything the child needs is built before the fork: between fork and exec the child may
    // only make async-signal-safe calls, since another thread of the test may hold the
    // allocator's lock at the moment of the fork.
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : run.args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> settings;
    for (const auto& [name, value] : run.env)
        settings.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (char** e = environ; *e != nullptr; ++e) {
        std::string_view entry(*e);
        std::string_view name = entry.substr(0, entry.find('='));
        if (!run.env.contains(std::string(name))) envp.push_back(*e);
    }
    for (std::string& setting : settings)
        envp.push_back(setting.data());
    envp.push_back(nullptr);

    pid_t pid = fork();
    if (pid < 0) return result;
    if (pid == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        if (!run.cwd.empty() && chdir(run.cwd.c_str()) != 0) _exit(120);
        if (run.remove_cwd_first && rmdir(run.cwd.c_str()) != 0) _exit(121);
        if (run.file_size_limit > 0) {
            std::signal(SIGXFSZ, SIG_IGN); // writes beyond the limit fail with EFBIG
            rlimit limit{static_cast<rlim_t>(run.file_size_limit),
                         static_cast<rlim_t>(run.file_size_limit)};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(122);
        }
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    // Small inputs fit in the pipe; larger ones are written while the output is read.
    std::size_t written = 0;
    bool out_open = true, err_open = true;
    if (run.input.empty()) {
        close(in[1]);
        in[1] = -1;
    }
    using Clock = std::chrono::steady_clock;
    Clock::time_point kill_at = Clock::now() + std::chrono::milliseconds(run.kill_after_ms);
    bool kill_pending = run.kill_after_ms > 0;
    // A loaded machine starts the program slowly: the delay then counts from a marker in its
    // output, so that every run gets as far as the marker before it is killed.
    bool kill_timer_waits = kill_pending && !run.kill_timer_starts_at.empty();
    while (out_open || err_open) {
        int timeout = -1;
        if (kill_timer_waits && result.out.find(run.kill_timer_starts_at) != std::string::npos) {
            kill_timer_waits = false;
            kill_at = Clock::now() + std::chrono::milliseconds(run.kill_after_ms);
        }
        if (kill_pending && !kill_timer_waits) {
            auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(kill_at - Clock::now());
            if (left.count() <= 0) {
                kill(pid, SIGKILL);
                kill_pending = false;
            } else {
                timeout = static_cast<int>(left.count());
            }
        }
        std::vector<pollfd> fds;
        if (out_open) fds.push_back({out[0], POLLIN, 0});
        if (err_open) fds.push_back({err[0], POLLIN, 0});
        if (in[1] >= 0) fds.push_back({in[1], POLLOUT, 0});
        if (poll(fds.data(), fds.size(), timeout) < 0 && errno != EINTR) break;
        for (const pollfd& p : fds) {
            if (p.revents == 0) continue;
            if (p.fd == out[0]) append_ready(out[0], result.out, out_open);
            if (p.fd == err[0]) append_ready(err[0], result.err, err_open);
            if (p.fd == in[1]) {
                ssize_t n = write(in[1], run.input.data() + written, run.input.size() - written);
                if (n > 0) written += static_cast<std::size_t>(n);
                if (n < 0 || written == run.input.size()) {
                    close(in[1]);
                    in[1] = -1;
                }
            }
        }
    }
    if (in[1] >= 0) close(in[1]);
    close(out[0]);
    close(err[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

} // namespace shell_test
