#pragma once

#include <cstdint>
#include <string>

#include "rules/match/MatchState.h"

// One end of arrows: its scores in order and as Sipylabel shows them.

// Entries 1..6 into descending order. In a three-arrow end the zeros of 4..6 take part, which
// leaves them at the bottom.
void SortEndScores(EndScoreTable& scores);

// The first `arrowsPerEnd` entries as Sipylabel shows them: "10 9 0 " for three arrows, with
// the blank at the end; "10 10 9 8 7 0" for six.
std::string EndScoresText(const EndScoreTable& scores, int32_t arrowsPerEnd);
