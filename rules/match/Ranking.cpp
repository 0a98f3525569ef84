#include "rules/match/Ranking.h"

#include <utility>

bool RanksBefore(const ScoreRecord& a, const ScoreRecord& b, int32_t roundType) {
    auto u = [](int32_t v) { return static_cast<uint32_t>(v); };
    const uint32_t totalA = RoundTotal(a, roundType);
    const uint32_t totalB = RoundTotal(b, roundType);
    if (totalA != totalB) return totalA > totalB;
    if (a.Misses != b.Misses) return u(a.Misses) < u(b.Misses);
    if (a.Tens != b.Tens) return u(a.Tens) > u(b.Tens);
    return u(a.Nines) > u(b.Nines);
}

void RankCompetitors(MatchState& state) {
    state.RankedCompetitors = state.Competitors;
    state.RankedScores = state.Scores;
    auto& names = state.RankedCompetitors;
    auto& scores = state.RankedScores;
    auto& slots = state.RankedSlots;
    for (std::size_t i = 0; i < slots.size(); ++i) slots[i] = static_cast<int32_t>(i);
    // Passes of adjacent exchanges until one pass changes nothing; only a strictly better
    // entry moves up, which keeps equal entries in slot order.
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (std::size_t j = 1; j < names.size(); ++j) {
            if (!RanksBefore(scores[j], scores[j - 1], state.RoundType)) continue;
            state.SpareCompetitor = names[j - 1];
            names[j - 1] = names[j];
            names[j] = state.SpareCompetitor;
            state.SpareScore = scores[j - 1];
            scores[j - 1] = scores[j];
            scores[j] = state.SpareScore;
            std::swap(slots[j - 1], slots[j]);
            exchanged = true;
        }
    }
}
