#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "rules/match/Geometry.h"
#include "rules/match/Wind.h"

// A practice session as it is shot: its ends, and every arrow with its hit. An arrow the end
// clock took away has a score of 0 and no hit.
struct PracticeArrow {
    int32_t score = 0;
    std::optional<Point> hit;  // target-picture pixels, before any clamping
};

class PracticeSession {
  public:
    PracticeSession(int32_t distance, int32_t ends) : distance_(distance), ends_(ends) {}

    int32_t distance() const { return distance_; }
    int32_t ends() const { return ends_; }

    void addArrow(PracticeArrow arrow);
    // The arrows added since the last end closed make one end, shot in `prevailing` wind.
    void closeEnd(const Wind& prevailing = {});

    int32_t endsClosed() const { return static_cast<int32_t>(endTotals_.size()); }
    bool finished() const { return endsClosed() >= ends_; }
    // No end after those closed: a contest can be over before the ends it might have needed.
    void finishNow() { ends_ = endsClosed(); }
    // Of the ends closed.
    int32_t total() const;

    // The arrows of the ends closed, in the order shot.
    std::span<const PracticeArrow> closedArrows() const {
        return std::span(arrows_).first(closedArrows_);
    }
    const std::vector<int32_t>& endTotals() const { return endTotals_; }
    const std::vector<Wind>& endWinds() const { return endWinds_; }

  private:
    int32_t distance_;
    int32_t ends_;
    std::vector<PracticeArrow> arrows_;  // of the ends closed, then the end being shot
    std::size_t closedArrows_ = 0;
    std::vector<int32_t> endTotals_;
    std::vector<Wind> endWinds_;
};
