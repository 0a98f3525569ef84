#include "rules/history/RoundNames.h"

#include "rules/formats/GameText.h"
#include "rules/match/Rounds.h"

std::string RoundName(int32_t roundType) {
    const RoundRules* round = findRound(roundType);
    if (!round) return {};
    return round->full ? "VEXA" : QT_TRANSLATE_NOOP("GameText", "VEXA Kr.");
}

std::string DivisionName(int32_t roundType) {
    const RoundRules* round = findRound(roundType);
    if (!round) return {};
    return round->men ? QT_TRANSLATE_NOOP("GameText", "muži")
                      : QT_TRANSLATE_NOOP("GameText", "ženy");
}

std::string RoundTitle(int32_t roundType) {
    const RoundRules* round = findRound(roundType);
    if (!round) return {};
    return RoundName(roundType) + " " + DivisionName(roundType);
}
