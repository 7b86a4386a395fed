// The session's periodic jobs on the Qt event loop: a single-shot timer set to the next job
// that is due, looked at again at least once a second since jobs can be added or changed
// between its shots.
#pragma once

#include <QTimer>

namespace zeph {

class Timers;

class TimerPump {
  public:
    explicit TimerPump(Timers& timers);
    // Runs the due jobs now and sets the timer for the next one.
    void pump();
    int interval() const { return timer_.interval(); }

    static constexpr int kLongestWaitMs = 1000;

  private:
    Timers& timers_;
    QTimer timer_;
};

} // namespace zeph
