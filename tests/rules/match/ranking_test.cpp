#include <gtest/gtest.h>

#include <string>

#include "rules/match/Ranking.h"

namespace {

ScoreRecord score(int32_t total30, int32_t misses, int32_t tens, int32_t nines) {
    ScoreRecord s;
    s.Score30 = total30;
    s.Misses = misses;
    s.Tens = tens;
    s.Nines = nines;
    return s;
}

// A state whose slot i is named "c<i>" for the given slots, all others free with zero scores.
MatchState stateWith(std::initializer_list<std::pair<int, ScoreRecord>> entries,
                     int32_t roundType = 1) {
    MatchState state;
    state.RoundType = roundType;
    for (const auto& [slot, s] : entries) {
        state.Competitors[slot].Name = "c" + std::to_string(slot);
        state.Scores[slot] = s;
    }
    return state;
}

std::vector<std::string> rankedNames(const MatchState& state, std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i) names.push_back(state.RankedCompetitors[i].Name);
    return names;
}

}  // namespace

TEST(Ranking, EachKeyDecidesOnlyWhenTheKeysBeforeItAreEqual) {
    // Fewer misses beat more tens; more tens beat more nines; the total beats everything.
    MatchState state = stateWith({
        {0, score(100, 0, 0, 0)},
        {1, score(100, 2, 9, 9)},
        {2, score(100, 1, 0, 9)},
        {3, score(100, 1, 5, 0)},
        {4, score(100, 1, 5, 3)},
        {5, score(101, 9, 0, 0)},
    });
    RankCompetitors(state);
    EXPECT_EQ(rankedNames(state, 6),
              (std::vector<std::string>{"c5", "c0", "c4", "c3", "c2", "c1"}));
}

TEST(Ranking, EntriesEqualInEveryKeyKeepTheirSlotOrder) {
    MatchState state = stateWith({
        {7, score(50, 1, 2, 3)},
        {2, score(50, 1, 2, 3)},
        {9, score(60, 0, 0, 0)},
        {4, score(50, 1, 2, 3)},
    });
    RankCompetitors(state);
    EXPECT_EQ(rankedNames(state, 4), (std::vector<std::string>{"c9", "c2", "c4", "c7"}));
}

TEST(Ranking, TotalFollowsTheRoundTypeAndCountersCompareUnsigned) {
    MatchState state = stateWith({{0, {}}, {1, {}}, {2, {}}}, 4);
    state.Scores[0].Score90 = 300;  // not part of a women's full round
    state.Scores[1].Score60 = 10;
    // A negative count is a huge unsigned one: it ranks after every real count.
    state.Scores[2].Score60 = 10;
    state.Scores[2].Misses = -1;
    RankCompetitors(state);
    EXPECT_EQ(rankedNames(state, 3), (std::vector<std::string>{"c1", "c2", "c0"}));
}

TEST(Ranking, CopiesAllSlotsWithScoresPairedAndLeavesTheMatchAlone) {
    MatchState state = stateWith({{3, score(10, 0, 0, 0)}, {140, score(20, 0, 0, 0)}});
    state.Competitors[3].IsComputer = false;
    state.Scores[149].Score30 = 30;  // a free slot takes part like any other
    const MatchState before = state;
    RankCompetitors(state);
    EXPECT_EQ(state.RankedCompetitors[0].Name, "");
    EXPECT_EQ(state.RankedScores[0].Score30, 30);
    EXPECT_EQ(state.RankedCompetitors[1].Name, "c140");
    EXPECT_EQ(state.RankedScores[1].Score30, 20);
    EXPECT_EQ(state.RankedCompetitors[2].Name, "c3");
    EXPECT_FALSE(state.RankedCompetitors[2].IsComputer);
    EXPECT_EQ(state.RankedScores[2].Score30, 10);
    EXPECT_EQ(state.Competitors, before.Competitors);
    EXPECT_EQ(state.Scores, before.Scores);
    int named = 0;
    for (const auto& c : state.RankedCompetitors) named += c.isFree() ? 0 : 1;
    EXPECT_EQ(named, 2);
}

TEST(Ranking, SpareRecordsHoldWhatTheLastExchangeMovedDown) {
    // Pass one moves c1 down twice; pass two lifts c3 over c2, the last exchange of the sort.
    MatchState state = stateWith({{0, score(5, 0, 0, 0)},
                                  {1, score(1, 0, 0, 0)},
                                  {2, score(3, 0, 0, 0)},
                                  {3, score(4, 0, 0, 0)}});
    state.Competitors[2].IsComputer = false;
    RankCompetitors(state);
    EXPECT_EQ(rankedNames(state, 4), (std::vector<std::string>{"c0", "c3", "c2", "c1"}));
    EXPECT_EQ(state.SpareCompetitor.Name, "c2");
    EXPECT_FALSE(state.SpareCompetitor.IsComputer);
    EXPECT_EQ(state.SpareScore.Score30, 3);

    // Already in order: no exchange, the spares stay as they were.
    MatchState sorted = stateWith({{0, score(5, 0, 0, 0)}, {1, score(1, 0, 0, 0)}});
    sorted.SpareCompetitor.Name = "spare";
    sorted.SpareScore.Tens = 77;
    RankCompetitors(sorted);
    EXPECT_EQ(sorted.SpareCompetitor.Name, "spare");
    EXPECT_EQ(sorted.SpareScore.Tens, 77);
}
