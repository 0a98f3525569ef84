#include "rules/match/MatchState.h"

uint32_t RoundTotal(const ScoreRecord& s, int32_t roundType) {
    auto u = [](int32_t v) { return static_cast<uint32_t>(v); };
    switch (roundType) {
        case 1:
        case 2:
            return u(s.Score30) + u(s.Score50);
        case 3:
            return u(s.Score30) + u(s.Score50) + u(s.Score70) + u(s.Score90);
        case 4:
            return u(s.Score30) + u(s.Score50) + u(s.Score60) + u(s.Score70);
        default:
            return 0;
    }
}

bool FindNextHuman(const CompetitorTable& competitors, int32_t& slot) {
    for (int32_t i = slot < 0 ? 0 : slot; i < kCompetitorSlots; ++i) {
        if (!competitors[i].IsComputer) {
            slot = i;
            return false;
        }
    }
    for (int32_t i = 0; i < kCompetitorSlots; ++i) {
        if (!competitors[i].IsComputer) {
            slot = i;
            return true;
        }
    }
    return false;
}
