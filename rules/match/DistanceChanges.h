#pragma once

#include <cstdint>

#include "rules/match/MatchState.h"

// What happens when the last end of a distance has been shot.
struct DistanceChange {
    int32_t endNumber;            // EndNumber that closes the distance
    int32_t distance;             // the distance just finished
    int32_t roundType;            // 0 for any round
    int32_t newDistance;          // 0: that was the last distance of the match
    int32_t newArrowsLeft;        // unused after the last distance: ArrowsLeft stays
    int32_t performanceIndex;     // the computer competitors' performance value for the distance
    int32_t ScoreRecord::*field;  // ... and where their points go
};

// The change that the counters call for, or nullptr while the distance goes on.
const DistanceChange* FindDistanceChange(int32_t endNumber, int32_t distance, int32_t roundType);
