#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "rules/history/HitGroup.h"
#include "rules/match/Geometry.h"

// A practice session as it is shot: its ends, and every arrow with its hit. An arrow the end
// clock took away has a score of 0 and no hit.
struct PracticeArrow {
    int32_t score = 0;
    std::optional<Point> hit;  // target-picture pixels, before any clamping
};

// What the summary window shows.
struct PracticeSummary {
    int32_t distance = 0;
    std::vector<int32_t> endTotals;  // in the order shot
    int32_t total = 0;
    int32_t arrows = 0;
    double averagePerArrow = 0;
    int32_t tens = 0;
    int32_t nines = 0;
    int32_t misses = 0;  // shot off the target and lost to the clock alike
    HitGroup group;      // of the arrows that were shot
};

class PracticeSession {
  public:
    PracticeSession(int32_t distance, int32_t ends) : distance_(distance), ends_(ends) {}

    int32_t distance() const { return distance_; }
    int32_t ends() const { return ends_; }

    void addArrow(PracticeArrow arrow);
    // The arrows added since the last end closed make one end.
    void closeEnd();

    int32_t endsClosed() const { return static_cast<int32_t>(endTotals_.size()); }
    bool finished() const { return endsClosed() >= ends_; }
    // Of the ends closed.
    int32_t total() const;

    PracticeSummary summary() const;

  private:
    int32_t distance_;
    int32_t ends_;
    std::vector<PracticeArrow> arrows_;  // of the ends closed, then the end being shot
    std::size_t closedArrows_ = 0;
    std::vector<int32_t> endTotals_;
};
