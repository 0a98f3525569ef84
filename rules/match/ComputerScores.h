#pragma once

#include <cstdint>

#include "rules/match/MatchState.h"
#include "rules/match/Random.h"

// Computer competitors do not shoot: when a distance is over, each receives points near its
// performance value for that distance, with counts of tens, nines and misses to match.

// Counts from which the tens, nines and misses of a distance score are drawn.
struct ScoreBand {
    int32_t tens;
    int32_t nines;
    int32_t misses;
    friend bool operator==(const ScoreBand&, const ScoreBand&) = default;
};

// The points of a distance for a varied performance value `v`, in percent of 360. The percentage
// passes through single precision, so v = 35, 45, 65, 70, 90 and 95 give one point less than
// the exact share. Kept within 0 to 360 whatever value a competitor file holds.
int32_t DistanceScoreFromPerformance(int64_t v);

ScoreBand ScoreBandOf(int32_t score);

// Gives every computer slot (free slots too) its points for a finished distance from
// Performance[performanceIndex] (the match's FieldPerformance when it has one) into `field`,
// replacing what was there, and adds its tens, nines and misses. Slots are served in order and the
// draws come in the order v, tens, nines, misses, the last three only for a non-zero base. An index
// outside 0..3 gives nothing.
void GenerateComputerScores(MatchState& state, Random& random, int performanceIndex,
                            int32_t ScoreRecord::*field);
