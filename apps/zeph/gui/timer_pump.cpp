// Driving the periodic jobs from the event loop.
#include "timer_pump.h"

#include "shell/timers.h"

#include <algorithm>

namespace zeph {

TimerPump::TimerPump(Timers& timers) : timers_(timers) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { pump(); });
    pump();
}

void TimerPump::pump() {
    timers_.run_due();
    int wait = kLongestWaitMs;
    if (std::optional<Timers::Duration> next = timers_.time_to_next())
        wait = static_cast<int>(std::clamp<long long>(next->count(), 0, kLongestWaitMs));
    timer_.start(wait);
}

} // namespace zeph
