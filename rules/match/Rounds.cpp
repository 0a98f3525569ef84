#include "rules/match/Rounds.h"

const DistanceRules* findDistance(int32_t metres) {
    for (const DistanceRules& d : kDistances) {
        if (d.metres == metres) return &d;
    }
    return nullptr;
}

const RoundRules* findRound(int32_t roundType) {
    for (const RoundRules& r : kRounds) {
        if (r.roundType == roundType) return &r;
    }
    return nullptr;
}
