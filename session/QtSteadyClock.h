#pragma once

#include <QElapsedTimer>

#include "rules/match/EndClock.h"

// The end clock's time: the system's monotonic clock, which no change of the date moves.
class QtSteadyClock final : public SteadyClock {
  public:
    QtSteadyClock() { timer_.start(); }
    int64_t nowMs() override { return timer_.elapsed(); }

  private:
    QElapsedTimer timer_;
};
