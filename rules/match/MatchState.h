#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "rules/competitors/CompetitorRecord.h"
#include "rules/match/Geometry.h"
#include "rules/match/Markers.h"
#include "rules/match/Rounds.h"
#include "rules/match/ScoreRecord.h"

// Difficulty levels, numbered as the configuration file keeps them (not in order of hardness).
inline constexpr int32_t kDifficultyAmateur = 0;
inline constexpr int32_t kDifficultyProfessional = 1;  // the default
inline constexpr int32_t kDifficultyWorldClass = 2;
inline constexpr int32_t kDifficultyBeginner = 3;

using EndScoreTable = std::array<int32_t, kMaxArrowsPerEnd + 1>;  // entry 0 is never used

// Everything of the match being shot, owned by the main window. Slot i of Scores belongs to
// slot i of Competitors.
// Performance values by slot, in the order of CompetitorRecord::Performance.
using PerformanceTable = std::array<std::array<int32_t, 4>, kCompetitorSlots>;

struct MatchState {
    CompetitorTable Competitors{};
    // The computer archers' values for this match when the field follows the player's level;
    // the table above keeps the list's own.
    std::optional<PerformanceTable> FieldPerformance;
    CompetitorTable RankedCompetitors{};
    CompetitorRecord SpareCompetitor{.IsComputer = false};
    ScoreTable Scores{};
    ScoreTable RankedScores{};
    // The slot of Competitors and Scores each entry of the ranking was taken from.
    std::array<int32_t, kCompetitorSlots> RankedSlots{};
    ScoreRecord SpareScore{};

    int32_t RoundType = 0;  // 0 before the first set-up; see Round
    int32_t Difficulty = kDifficultyProfessional;
    int32_t Distance = kDistanceOutsideMatch;  // metres; 0 once the last distance is scored
    bool DemoMode = false;
    // The sight picture: 0 the built-in one, 1..3 "z1.ico" .. "z3.ico", 4 one of the player's.
    int32_t SightPicture = 0;

    // Counters of the shooting.
    int32_t ArrowsLeft = 0;  // number of the arrow being shot, 0 = end complete
    int32_t EndNumber = 0;
    EndScoreTable EndScores{};  // entries 1..6
    int32_t CurrentCompetitor = 0;
    int32_t Unsteadiness = 0;
    bool KeyLeft = false;
    bool KeyUp = false;
    bool KeyRight = false;
    bool KeyDown = false;
    bool KeyDraw = false;
    bool KeyShoot = false;
    // S went down while this arrow was aimed: the next tick lets it go even if S is up again.
    bool ShotPressed = false;
    bool ClickerArmed = false;
    int32_t MarkerStyle = 1;

    // Where the engine has put the moving pictures, and what runs.
    Point Sight = kSightStart;                              // left/top of Zamer
    int32_t ArrowLeft = kArrowNocked;                       // left of Arrow: the draw
    std::array<Point, kMarkerCount> Markers = kMarkerRest;  // left/top of Arrow1 .. Arrow6
    bool TimerRunning = false;
    bool NextarrowEnabled = false;
    bool MatchUnderWay = false;  // from a completed set-up until the last distance is scored
};

// The round the state is shot in; empty before the first set-up. Everything that needs the
// shape of the match being shot asks here.
std::optional<Round> MatchRound(const MatchState& state);

// The match total of one competitor for a round type; 0 for an unknown round type.
uint32_t RoundTotal(const ScoreRecord& score, int32_t roundType);

// Moves `slot` to the next human slot, searching from `slot` itself upwards and then once more
// from 0. True when the search wrapped round; with no human at all `slot` stays and the result
// is false.
bool FindNextHuman(const CompetitorTable& competitors, int32_t& slot);
