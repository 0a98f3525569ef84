#pragma once

#include <cstdint>

// When the moves of the aiming tick are worth painting. The tick runs 100 times a second; a
// screen shows 60 pictures a second on most desktops, so painting every tick paints pictures
// nobody sees. A tick paints when the screen's next picture is due by its end, so each picture
// the screen shows holds the latest moves; on a screen as fast as the tick every tick paints.
class FramePacer {
  public:
    // `refreshHz` is the screen's rate; 0 or less when it is not known (every tick paints).
    explicit FramePacer(double refreshHz = 0) { setRefreshRate(refreshHz); }
    void setRefreshRate(double refreshHz) {
        frameUs_ = refreshHz > 0 ? static_cast<int64_t>(1e6 / refreshHz) : 0;
    }

    // True when a tick ending at `nowUs` (a clock that only goes forward) should paint.
    bool paintAt(int64_t nowUs) {
        if (nowUs < nextUs_) return false;
        // Far behind (a pause, a slow tick): start the pictures afresh from now.
        nextUs_ = nowUs - nextUs_ >= frameUs_ ? nowUs + frameUs_ : nextUs_ + frameUs_;
        return true;
    }

  private:
    int64_t frameUs_ = 0;
    int64_t nextUs_ = 0;
};
