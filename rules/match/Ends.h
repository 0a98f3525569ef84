#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "rules/match/MatchState.h"

// One end of arrows: its scores, how many arrows it has and where its points go.

using EndScoreTable = std::array<int32_t, 7>;  // entries 1..6; entry 0 is never used

// Arrows of an end begun at `distance`: three at 30 and 50 m, six otherwise.
int32_t ArrowsPerEnd(int32_t distance);
// Entries that count when an end at `distance` is summed: six from 60 m on, three below.
int32_t ArrowsSummed(int32_t distance);

// Entries 1..6 into descending order. In a three-arrow end the zeros of 4..6 take part, which
// leaves them at the bottom.
void SortEndScores(EndScoreTable& scores);

// The end's scores as Sipylabel shows them: "10 9 0 " for three arrows, with the blank at the
// end; "10 10 9 8 7 0" for six.
std::string EndScoresText(const EndScoreTable& scores, int32_t distance);

// The field of a ScoreRecord that collects the points shot at `distance`; nullptr for a
// distance that has none.
int32_t ScoreRecord::*DistanceScoreField(int32_t distance);
