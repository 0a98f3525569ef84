#pragma once

#include <cstdint>
#include <vector>

#include "rules/history/HitGroup.h"
#include "rules/match/PracticeSession.h"

// What the summary window "Výsledek tréninku" shows of a session.
struct PracticeSummary {
    int32_t distance = 0;
    std::vector<int32_t> endTotals;  // in the order shot
    std::vector<Wind> endWinds;      // the prevailing wind of each end; calm without wind
    int32_t total = 0;
    int32_t arrows = 0;
    double averagePerArrow = 0;
    int32_t tens = 0;
    int32_t nines = 0;
    int32_t misses = 0;  // shot off the target and lost to the clock alike
    HitGroup group;      // of the arrows that were shot; lost ones count as misses
};

PracticeSummary SummarisePractice(const PracticeSession& session);
