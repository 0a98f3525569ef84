#include "rules/history/RoundNames.h"

#include "rules/match/Rounds.h"

std::string RoundName(int32_t roundType) {
    const RoundRules* round = findRound(roundType);
    if (!round) return {};
    return round->full ? "VEXA" : "VEXA Kr.";
}

std::string DivisionName(int32_t roundType) {
    const RoundRules* round = findRound(roundType);
    if (!round) return {};
    return round->men ? "mu\u017ei" : "\u017eeny";
}

std::string PracticeRoundName(int32_t metres) {
    return "Tr\u00e9nink " + std::to_string(metres) + " m";
}

std::string RoundTitle(int32_t roundType) {
    const RoundRules* round = findRound(roundType);
    if (!round) return {};
    return RoundName(roundType) + " " + DivisionName(roundType);
}
