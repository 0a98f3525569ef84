#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/formats/EncodedText.h"
#include "rules/match/MatchState.h"

// Where a match goes on from after the program ended: the match as it stood once an end had
// closed, at the first arrow of the next turn. The history keeps it with that end's arrows.
struct ResumePoint {
    int32_t roundType = 0;
    int32_t difficulty = kDifficultyProfessional;
    int32_t sight = 0;
    CompetitorTable competitors{};
    std::optional<PerformanceTable> fieldPerformance;
    ScoreTable scores{};
    // The counters at the start of the distance, from which its results count hits, tens and
    // nines.
    ScoreTable distanceStartScores{};
    // The turn to go on with. An end number past the distance's last end: the distance is shot
    // and its computer scores and results are still to come.
    int32_t distance = 0;
    int32_t endNumber = 1;
    int32_t competitor = 0;
    // What the last closed end summed to, as the board showed it; -1 before any.
    int32_t lastEndSum = -1;
    // The results of the distance before `distance` are drawn and the window was not closed.
    bool resultsShowing = false;

    friend bool operator==(const ResumePoint&, const ResumePoint&) = default;
};

// The point of a match whose end has just closed (its arrows in `state`, the turn not yet
// passed on), and of one that has just moved to its next distance, with its results window
// showing or closed. `startScores` are the counters at the start of the distance being shot.
ResumePoint ResumePointAfterEnd(const MatchState& state, const ScoreTable& startScores,
                                int32_t endSum);
ResumePoint ResumePointAtDistanceStart(const MatchState& state, const ScoreTable& startScores,
                                       int32_t lastEndSum, bool resultsShowing);

// The history's bytes of a point: a leading format version, then varints.
std::string EncodeResumePoint(const ResumePoint& point);
// Empty for bytes that are damaged, of a later format, or name a round, distance, end or
// archer the game cannot go on with.
std::optional<ResumePoint> DecodeResumePoint(std::string_view bytes);

// The distance and end shot next, as the player is told: after a distance fully shot, the first
// end of the next one.
struct NextEnd {
    int32_t distance;
    int32_t endNumber;
};
NextEnd NextEndOf(const ResumePoint& point);

// What the history holds of a match's arrows, per archer as it names him (UTF-8).
struct ArcherTally {
    Utf8Text archer;
    Utf8Text club;
    int64_t arrows = 0;
    int64_t points = 0;
};
// True when the arrows stored are exactly those the point's scores were shot with: every human
// archer has shot the arrows of his turns so far and scored what the point says, and nobody
// else has an arrow.
bool AgreesWithArrows(const ResumePoint& point, const std::vector<ArcherTally>& tallies);
