#pragma once

#include <cstdint>

#include "rules/match/MatchState.h"

// True when `a` must be listed before `b`: higher total, then fewer misses, then more tens,
// then more nines, every key compared as an unsigned number.
bool RanksBefore(const ScoreRecord& a, const ScoreRecord& b, int32_t roundType);

// Copies all 150 slots, free ones included, into RankedCompetitors and RankedScores and sorts
// them stably into ranking order; RankedSlots says which slot each entry came from. Exchanges
// go through SpareCompetitor and SpareScore, so after a sort with exchanges these hold the
// record that the last exchange moved one place down.
void RankCompetitors(MatchState& state);
