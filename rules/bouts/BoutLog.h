#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/bouts/Bout.h"
#include "rules/formats/EncodedText.h"

// What a bracket tells the history beside the arrows of the match: each of the player's bouts,
// and his final place. Told while the match is under way.

struct LoggedShootOffArrow {
    int32_t score = 0;
    double distance = 0.0;  // from the centre, in target-picture pixels
};

struct LoggedBout {
    const char* round = "";  // the round's Czech name, as the bracket names it
    Cp1250Text archer;
    Cp1250Text club;
    Cp1250Text opponent;
    Cp1250Text opponentClub;
    std::optional<int32_t> handicap;  // the player's, when he has one
    int32_t opponentHandicap = 0;
    struct Set {
        SetTotals totals;  // the player's first
        SetTotals points;  // the set points it gave, the player's first
    };
    std::vector<Set> sets;
    SetTotals setPoints;  // at the end, the player's first
    // Each shoot-off arrow pair, the player's first.
    std::vector<std::pair<LoggedShootOffArrow, LoggedShootOffArrow>> shootOff;
    bool won = false;
    // The ends of the match that hold the bout's sets and shoot-off, in the match's arrows.
    int32_t firstEnd = 0;
    int32_t lastEnd = 0;
};

class BoutLog {
  public:
    virtual ~BoutLog() = default;
    virtual void boutDecided(const LoggedBout& bout) = 0;
    // Before the match finishes: the player's place in the bracket.
    virtual void bracketPlaced(int32_t place) = 0;
};

class NullBoutLog final : public BoutLog {
  public:
    void boutDecided(const LoggedBout&) override {}
    void bracketPlaced(int32_t) override {}
};
