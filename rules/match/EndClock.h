#pragma once

#include <cstdint>

// The clock of a timed practice end. It knows nothing of real time: every call is given the
// moment it happens, in milliseconds of a clock that only goes forward, so that tests can move
// time by hand.

enum class ClockLight { Green, Yellow, Red };

// Where the game reads that moment: the window passes a monotonic clock, tests a fake one.
class SteadyClock {
  public:
    virtual ~SteadyClock() = default;
    virtual int64_t nowMs() = 0;
};

// The yellow light comes for the last 30 seconds; a limit shorter than two minutes gets it for
// its last quarter instead, so that a short end is not yellow from the start.
int64_t YellowFromMs(int32_t limitSeconds);

// The limit the practice dialog proposes for an end: 40 seconds an arrow, as the outdoor rules
// give two minutes to three arrows and four to six.
int32_t ProposedEndSeconds(int32_t arrowsPerEnd);

class EndClock {
  public:
    // A clock of `limitSeconds` that has not started yet; 0 is no limit at all.
    explicit EndClock(int32_t limitSeconds = 0) : limitMs_(int64_t{limitSeconds} * 1000) {}

    bool limited() const { return limitMs_ > 0; }
    bool started() const { return started_; }
    bool paused() const { return paused_; }

    // Starts the whole limit afresh.
    void start(int64_t nowMs);
    // While paused the time left stands still; both are harmless when repeated.
    void pause(int64_t nowMs);
    void resume(int64_t nowMs);
    // Back to not started, as before an end's first arrow.
    void reset();

    int64_t remainingMs(int64_t nowMs) const;
    // The whole seconds shown: counted up, so that 0 appears only when the time is over.
    int32_t secondsLeft(int64_t nowMs) const;
    ClockLight light(int64_t nowMs) const;
    bool expired(int64_t nowMs) const { return started_ && limited() && remainingMs(nowMs) == 0; }

  private:
    int64_t limitMs_;
    bool started_ = false;
    bool paused_ = false;
    int64_t startedAt_ = 0;
    int64_t pausedAt_ = 0;
    int64_t pausedFor_ = 0;  // every pause of this end before the present one
};
