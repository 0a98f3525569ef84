#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/history/History.h"

// The statistics of one human archer over the history, optionally for one round type.
// Only finished matches have a match total; distances count once their results were written;
// ends count when all their arrows are there.

// Filters: every match (never practice), one round type 1..4, all practice, or the practice at
// one distance.
inline constexpr int32_t kAllRounds = 0;
inline constexpr int32_t kAllPractice = -1;
constexpr int32_t PracticeFilter(int32_t metres) {
    return -metres;
}

// Sums are 64-bit: a damaged or edited file may hold any score, and adding them must not wrap.
struct DatedScore {
    int64_t score = 0;
    int64_t matchId = 0;
    std::string date;          // when that match was started
    bool inLastMatch = false;  // set in the archer's last match of the selection
};

struct BestEnd {
    DatedScore score;
    int32_t distance = 0;
    int32_t endNo = 0;
};

struct PracticeKind {
    int32_t metres = 0;
    int32_t ends = 0;
    friend auto operator<=>(const PracticeKind&, const PracticeKind&) = default;
};

struct PersonalBests {
    std::map<int32_t, DatedScore> matchTotal;          // by round type
    std::map<PracticeKind, DatedScore> practiceTotal;  // finished sessions
    std::map<int32_t, DatedScore> distance;            // by metres
    std::map<int32_t, BestEnd> end;  // by metres: a three- and a six-arrow end differ
};

struct Averages {
    std::map<int32_t, double> arrowScore;  // by metres
    double tensShare = 0;                  // of all arrows, 0..1
    double ninesShare = 0;
    double missesShare = 0;
    int32_t matches = 0;  // in which the archer shot at least one arrow
    int32_t arrows = 0;
};

struct MatchTotal {
    int64_t matchId = 0;
    int32_t roundType = 0;
    std::string date;
    int64_t total = 0;
    bool practice = false;  // a finished practice session, of `distance` metres
    int32_t distance = 0;
};

struct ArcherStatistics {
    PersonalBests bests;
    Averages averages;
    // Finished matches and practice sessions, in the order they were started.
    std::vector<MatchTotal> totals;
    std::optional<int64_t> lastMatchId;  // the archer's last match in the selection
};

ArcherStatistics ComputeStatistics(const History& history, const ArcherKey& archer,
                                   int32_t roundFilter);

// The archer's bouts shot head to head in brackets, and his best final place in a finished
// bracket.
struct BoutTally {
    int32_t won = 0;
    int32_t lost = 0;
    std::optional<int32_t> bestPlace;
    friend bool operator==(const BoutTally&, const BoutTally&) = default;
};
BoutTally BoutTallyOf(const History& history, const ArcherKey& archer);

// The last finished match in which a human shot, and its first human archer: what the
// statistics show first.
struct MatchChoice {
    int64_t matchId = 0;
    int32_t roundType = 0;
    ArcherKey archer;
};
std::optional<MatchChoice> LastHumanMatch(const History& history);
