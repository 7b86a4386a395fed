// Periodic jobs of the main loop (the autobackup is one). The shell runs the jobs that are due
// while it waits for the next command; they run on the main thread, between commands, never
// in the middle of one.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zeph {

class Timers {
  public:
    using Clock = std::chrono::steady_clock;
    using Duration = std::chrono::milliseconds;
    using Now = std::function<Clock::time_point()>;
    using TimerId = int;

    // The clock is replaceable for tests.
    explicit Timers(Now now = Clock::now) : now_(std::move(now)) {}

    // A job that runs every `period` from now on; a period of 0 keeps it switched off.
    TimerId add(Duration period, std::function<void()> job);
    // A new period counts from now; 0 switches the job off.
    void set_period(TimerId id, Duration period);
    void remove(TimerId id);

    // Time until the next job is due (0 when one is due now); nullopt when none is active.
    std::optional<Duration> time_to_next() const;
    // Runs every job that is due, each once, and schedules it one period after it ran: a long
    // pause does not make a job run several times in a row. A job that throws is reported to
    // the failure handler and stays scheduled.
    void run_due();
    // Waits `how_long`, running jobs when they are due.
    void wait_for(Duration how_long);

    void set_failure_handler(std::function<void(const std::string&)> handler) {
        on_failure_ = std::move(handler);
    }

  private:
    struct Timer {
        TimerId id;
        Duration period;
        Clock::time_point next;
        std::function<void()> job;
    };
    Timer* find(TimerId id);

    Now now_;
    std::vector<Timer> timers_;
    TimerId next_id_ = 1;
    std::function<void(const std::string&)> on_failure_;
};

} // namespace zeph
