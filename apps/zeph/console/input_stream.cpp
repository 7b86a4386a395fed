// Reading the shell's input while the timers keep running.
#include "console/input_stream.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace zeph {

void InputBuffer::wait_readable() {
    for (;;) {
        int timeout = -1;
        if (timers_allowed_ && timers_ != nullptr) {
            timers_->run_due();
            if (std::optional<Timers::Duration> next = timers_->time_to_next())
                timeout = static_cast<int>(std::min<Timers::Duration::rep>(next->count(), 60000));
        }
        pollfd p{fd_, POLLIN, 0};
        int ready = poll(&p, 1, timeout);
        if (ready > 0) return; // readable, or an error or hang-up that read() reports
        if (ready < 0 && errno != EINTR) return;
    }
}

InputBuffer::int_type InputBuffer::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    for (;;) {
        wait_readable();
        ssize_t n = read(fd_, buffer_.data(), buffer_.size());
        if (n > 0) {
            setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
            return traits_type::to_int_type(*gptr());
        }
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        return traits_type::eof();
    }
}

} // namespace zeph
