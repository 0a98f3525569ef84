#pragma once

#include <cstdint>

#include "rules/match/MatchState.h"

// A field of computer archers at the player's level: for one match, each computer archer gets
// performance values whose expected distance scores are those of a handicap between 15 points
// better and 15 points worse than the player's, spread evenly in the order of the archers' own
// strength. Their scores still come from the game's own formula applied to those values.

inline constexpr int32_t kFieldHandicapReach = 15;

// The distance score the game's formula gives a computer archer on average for a value.
double ExpectedComputerScore(int32_t performance);

// The value whose average distance score is nearest to `score`. It may go beyond the editor's
// 5..94: only the match uses it, and the formula keeps every score within 0..360.
int32_t PerformanceForScore(double score);

// The match's performance table for a field levelled around `handicap`. Human archers and free
// slots keep their own values; so does every archer for a round type the game does not know.
PerformanceTable FieldPerformanceAt(const CompetitorTable& field, int32_t roundType,
                                    int32_t handicap);
