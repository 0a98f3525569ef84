#pragma once

#include <cstdint>

#include "rules/match/Geometry.h"

// An arrow scores the number of its ring counted from the outside, a miss 0. The results count
// the arrows of the two inner rings apart.
inline constexpr int32_t kTenScore = kTargetRings;
inline constexpr int32_t kNineScore = kTenScore - 1;

// The largest d with d * d <= n, exact for every n.
uint64_t IntegerSquareRoot(uint64_t n);

// Scores an arrow that hit the target picture at (x, y) at `distance` metres, released with the
// release `factor` (0 to 100; anything beyond is taken as the nearer bound). Returns 0 to 10 and
// replaces (x, y) by the point of the scope view where the hit is shown, kept inside the scope.
// A distance that has no target picture of its own (see kTargetFaces) has no rings to hit, so
// every arrow there misses.
int32_t ScoreHit(int32_t factor, int32_t distance, int32_t& x, int32_t& y);
