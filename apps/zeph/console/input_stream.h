// The shell's input: a stream over a file descriptor (the terminal, a pipe or a script file)
// that runs the due jobs of the timers while it waits for data, when the shell allows it.
// Commands and the answers to questions are read through the same stream, so nothing typed
// ahead is lost between them.
#pragma once

#include "shell/timers.h"

#include <array>
#include <istream>
#include <streambuf>

namespace zeph {

class InputBuffer : public std::streambuf {
  public:
    InputBuffer(int fd, Timers* timers) : fd_(fd), timers_(timers) {}
    // Timers run only while the shell waits for a command, not while a command waits for an
    // answer.
    void allow_timers(bool allowed) { timers_allowed_ = allowed; }

  protected:
    int_type underflow() override;

  private:
    // Waits until the descriptor is readable, running due jobs meanwhile.
    void wait_readable();

    int fd_;
    Timers* timers_;
    bool timers_allowed_ = false;
    std::array<char, 4096> buffer_{};
};

class InputStream : public std::istream {
  public:
    InputStream(int fd, Timers* timers) : std::istream(nullptr), buffer_(fd, timers) {
        rdbuf(&buffer_);
    }
    void allow_timers(bool allowed) { buffer_.allow_timers(allowed); }

  private:
    InputBuffer buffer_;
};

} // namespace zeph
