#include "rules/history/RoundNames.h"

#include "rules/match/Rounds.h"

std::string RoundName(int32_t roundType) {
    const std::optional<Round> round = findRound(roundType);
    return round ? round->name : std::string();
}

std::string DivisionName(int32_t roundType) {
    const std::optional<Round> round = findRound(roundType);
    return round ? NamesOf(round->division).stored : std::string();
}

std::string PracticeRoundName(int32_t metres) {
    return "Tr\u00e9nink " + std::to_string(metres) + " m";
}

std::string RoundTitle(int32_t roundType) {
    const std::optional<Round> round = findRound(roundType);
    if (!round) return {};
    return RoundName(roundType) + " " + DivisionName(roundType);
}
