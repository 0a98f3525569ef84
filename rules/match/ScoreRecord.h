#pragma once

#include <array>
#include <cstdint>

#include "rules/competitors/CompetitorRecord.h"

// One competitor's counters of a match. Which distance's points go into which field is the
// round's to say (rules/match/Rounds).
struct ScoreRecord {
    int32_t Tens = 0;
    int32_t Nines = 0;
    int32_t Misses = 0;
    int32_t Score30 = 0;
    int32_t Score50 = 0;
    int32_t Score60 = 0;
    int32_t Score70 = 0;
    int32_t Score90 = 0;
    friend bool operator==(const ScoreRecord&, const ScoreRecord&) = default;
};

using ScoreTable = std::array<ScoreRecord, kCompetitorSlots>;
