#include "rules/match/MatchState.h"

std::optional<Round> MatchRound(const MatchState& state) {
    return findRound(state.RoundType);
}

uint32_t RoundTotal(const ScoreRecord& score, int32_t roundType) {
    const std::optional<Round> round = findRound(roundType);
    return round ? round->total(score) : 0;
}

bool FindNextHuman(const CompetitorTable& competitors, int32_t& slot) {
    for (int32_t i = slot < 0 ? 0 : slot; i < kCompetitorSlots; ++i) {
        if (IsHumanArcher(competitors[i])) {
            slot = i;
            return false;
        }
    }
    for (int32_t i = 0; i < kCompetitorSlots; ++i) {
        if (IsHumanArcher(competitors[i])) {
            slot = i;
            return true;
        }
    }
    return false;
}
