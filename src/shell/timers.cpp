// Periodic jobs run by the main loop.
#include "shell/timers.h"

#include <algorithm>
#include <exception>
#include <poll.h>

namespace zeph {

Timers::TimerId Timers::add(Duration period, std::function<void()> job) {
    TimerId id = next_id_++;
    timers_.push_back(Timer{id, period, now_() + period, std::move(job)});
    return id;
}

Timers::Timer* Timers::find(TimerId id) {
    for (Timer& t : timers_)
        if (t.id == id) return &t;
    return nullptr;
}

void Timers::set_period(TimerId id, Duration period) {
    if (Timer* t = find(id)) {
        t->period = period;
        t->next = now_() + period;
    }
}

void Timers::remove(TimerId id) {
    std::erase_if(timers_, [id](const Timer& t) { return t.id == id; });
}

std::optional<Timers::Duration> Timers::time_to_next() const {
    std::optional<Duration> best;
    Clock::time_point now = now_();
    for (const Timer& t : timers_) {
        if (t.period <= Duration::zero()) continue;
        Duration left = std::max(Duration::zero(), std::chrono::ceil<Duration>(t.next - now));
        if (!best || left < *best) best = left;
    }
    return best;
}

void Timers::run_due() {
    // By id: a job may add or remove timers while it runs.
    std::vector<TimerId> due;
    Clock::time_point now = now_();
    for (const Timer& t : timers_)
        if (t.period > Duration::zero() && t.next <= now) due.push_back(t.id);
    for (TimerId id : due) {
        Timer* t = find(id);
        if (t == nullptr) continue;
        std::function<void()> job = t->job;
        try {
            job();
        } catch (const std::exception& e) {
            if (on_failure_) on_failure_(e.what());
        }
        if ((t = find(id)) != nullptr) t->next = now_() + t->period;
    }
}

void Timers::wait_for(Duration how_long) {
    Clock::time_point until = now_() + how_long;
    for (;;) {
        run_due();
        Clock::time_point now = now_();
        if (now >= until) return;
        Duration left = std::chrono::ceil<Duration>(until - now);
        if (std::optional<Duration> next = time_to_next()) left = std::min(left, *next);
        poll(nullptr, 0, static_cast<int>(std::min<Duration::rep>(left.count(), 60000)));
    }
}

} // namespace zeph
