#pragma once

#include <cstdint>

#include "rules/bouts/Bout.h"
#include "rules/match/Random.h"

// How the computer shoots a bout: arrow by arrow from the group the handicap scheme gives its
// handicap at 70 m on the 122 cm face.

// The handicap of a computer archer of this 70 m performance value: the one whose 36-arrow
// table score at 70 m is nearest to the mean score the value gives.
int32_t ComputerHandicap(int32_t performance70);

// One arrow: its score as the scheme counts it, and a hit in the target picture that lies in
// the ring of that score.
BoutArrow DrawArrow(double handicap, Random& random);

// A whole bout between two computer archers, set by set and shoot-off arrow by arrow.
BoutScore ShootComputerBout(double firstHandicap, double secondHandicap, Random& random);
