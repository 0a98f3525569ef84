#include "rules/history/RoundNames.h"

#include "rules/formats/GameText.h"
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
    std::string name = QT_TRANSLATE_NOOP("GameText", "Trénink %1 m");
    name.replace(name.find("%1"), 2, std::to_string(metres));
    return name;
}

std::string MatchplayRoundName(int32_t metres) {
    std::string name = QT_TRANSLATE_NOOP("GameText", "Souboje %1 m");
    name.replace(name.find("%1"), 2, std::to_string(metres));
    return name;
}

std::string RoundTitle(int32_t roundType) {
    const std::optional<Round> round = findRound(roundType);
    if (!round) return {};
    return RoundName(roundType) + " " + DivisionName(roundType);
}
