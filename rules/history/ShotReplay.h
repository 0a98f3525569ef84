#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/history/HistoryRecords.h"
#include "rules/match/Geometry.h"

// One recorded arrow as it can be shown again, tick by tick of the aiming clock: where the
// sight was, how far the bow was drawn, when the clicker fell and where the arrow went. Built
// from the record alone; a record that cannot be trusted is not replayed, and says why.

struct ReplayFrame {
    Point sight;                         // top-left of the sight picture
    Point aim;                           // the point the sight aims at
    std::optional<int32_t> drawnArrowX;  // the drawn arrow's left; nothing when not recorded
};

struct ShotReplay {
    // Empty when the shot can be replayed; otherwise the reason, a Czech sentence in cp1250.
    // A shot that cannot be replayed keeps no frames, only its hit and score.
    std::string problem;
    // The sight's top-left at every recorded tick; a path with more points than ticks is
    // shown whole.
    std::vector<Point> sight;
    std::vector<int32_t> draw;  // the arrow's left at the same ticks; empty when not recorded
    std::optional<int32_t> clickerTick;  // first tick the arrow is drawn past the clicker
    Point hit;                           // where the arrow went, target-picture pixels
    int32_t score = 0;
    int32_t factor = 0;

    bool playable() const { return problem.empty(); }
    int32_t ticks() const { return static_cast<int32_t>(sight.size()); }
    // The frame at `tick`, taken into 0..ticks() - 1; an empty frame for a shot not replayed.
    ReplayFrame frameAt(int32_t tick) const;
};

ShotReplay BuildReplay(const ArrowRecord& arrow);
