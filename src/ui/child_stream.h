// A running child process whose standard output and error arrive through one pipe, read piece
// by piece while it runs, so that a caller can show the output as it comes.
#pragma once

#include "ui/platform.h"

#include <string>
#include <sys/types.h>

namespace ui {

class ChildStream {
  public:
    ChildStream() = default;
    ~ChildStream();
    ChildStream(const ChildStream&) = delete;
    ChildStream& operator=(const ChildStream&) = delete;

    // Starts argv[0] (looked up on PATH) in the working directory, with standard input from
    // /dev/null. With own_group the program and what it starts get a process group of their
    // own, so that stop() reaches them all. False when it could not be started (no program,
    // no such program or directory, no pipe): error() then says why.
    bool start(const ChildProcess& child, bool own_group = false);
    const std::string& error() const { return error_; }

    enum class Read { Data, Timeout, Closed };
    // Waits up to timeout_ms for output and appends at most max bytes of it to `into`.
    // Closed once every writer of the pipe has gone.
    Read read(std::string& into, std::size_t max, int timeout_ms);

    // Ends the program (and its group, when it has one): SIGTERM, then SIGKILL for what is
    // left after a grace period; the pipe is closed.
    void stop();

    // Waits for the program to end: its exit status, or 128 + the signal that ended it.
    int wait();

    bool running() const { return pid_ > 0; }

  private:
    void close_pipe();

    pid_t pid_ = -1;
    int pipe_ = -1;
    bool own_group_ = false;
    int reaped_status_ = -1; // of a program that stop() saw ending
    std::string error_;
};

} // namespace ui
