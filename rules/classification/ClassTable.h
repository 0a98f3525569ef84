#pragma once

#include <array>
#include <cstdint>

#include "rules/match/Rounds.h"

// The outdoor classifications of the Archery GB scheme (2023) for senior recurve archers, from
// Archer 3rd Class up to Elite Master Bowman. A class is earned with enough arrows shot at a
// handicap at or better than the class's and at a distance at least the class's, from shoots of
// the class's tier.

// Lowest first: a better class compares greater.
enum class ArcheryClass : int32_t { A3, A2, A1, B3, B2, B1, MB, GMB, EMB };

// Which shoots a class is earned from.
enum class ClassTier {
    Archer,        // finished matches, and finished practice sessions of enough arrows
    Bowman,        // finished matches
    MasterBowman,  // finished full rounds
};

struct ClassEntry {
    ArcheryClass id;
    const char* name;  // the scheme's own, in every language
    const char* code;
    ClassTier tier;
    // The shortest longest distance of a shoot, unless the division's full round is shorter.
    int32_t metres;
};

inline constexpr std::array<ClassEntry, 9> kClasses = {{
    {ArcheryClass::A3, "Archer 3rd Class", "A3", ClassTier::Archer, 30},
    {ArcheryClass::A2, "Archer 2nd Class", "A2", ClassTier::Archer, 40},
    {ArcheryClass::A1, "Archer 1st Class", "A1", ClassTier::Archer, 50},
    {ArcheryClass::B3, "Bowman 3rd Class", "B3", ClassTier::Bowman, 60},
    {ArcheryClass::B2, "Bowman 2nd Class", "B2", ClassTier::Bowman, 70},
    {ArcheryClass::B1, "Bowman 1st Class", "B1", ClassTier::Bowman, 90},
    {ArcheryClass::MB, "Master Bowman", "MB", ClassTier::MasterBowman, 90},
    {ArcheryClass::GMB, "Grand Master Bowman", "GMB", ClassTier::MasterBowman, 90},
    {ArcheryClass::EMB, "Elite Master Bowman", "EMB", ClassTier::MasterBowman, 90},
}};

// The scheme's class handicaps: Master Bowman at the datum, every class a step from the next,
// and the women's a step of their own above the men's.
inline constexpr int32_t kClassDatum = 30;
inline constexpr int32_t kClassStep = 7;
inline constexpr int32_t kWomensClassStep = 5;

inline constexpr int32_t kArrowsPerDozen = 12;
// A practice session counts toward the Archer tier from this many arrows.
inline constexpr int32_t kPracticeArrowsForClass = 36;

const ClassEntry& ClassOf(ArcheryClass id);
int32_t ClassHandicap(ArcheryClass id, Division division);
int32_t ClassMetres(ArcheryClass id, Division division);
// The arrows a class of the tier takes.
int32_t TierArrows(ClassTier tier);
