#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/match/Rounds.h"

// Who shoots a bracket: the player and the strongest computer archers of the division's list,
// each with the handicap the bouts are shot at, in the order of their seeds.

struct BoutEntrant {
    std::string name;  // cp1250
    std::string club;  // cp1250
    bool human = false;
    // The player's current handicap, if he has one; a computer archer always has one.
    std::optional<int32_t> handicap;
};

// The entrants of a bracket of `size` seeded best first: the player and up to size - 1 computer
// archers of `list`, the strongest at 70 m. With `levelHandicap` (the player's level chosen and
// known) the computer archers are spread around it as a levelled field is, the strongest of the
// list the best.
std::vector<BoutEntrant> SeededField(const BoutEntrant& player, const CompetitorTable& list,
                                     Division division, int32_t size,
                                     std::optional<int32_t> levelHandicap);

// The seed of the human archer among seeded entrants (1 the best); empty when there is none.
std::optional<int32_t> HumanSeed(const std::vector<BoutEntrant>& entrants);
