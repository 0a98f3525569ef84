#include <gtest/gtest.h>

#include "rules/match/MatchState.h"
#include "rules/match/Rounds.h"

namespace {

TEST(RoundTotal, AddsTheDistancesOfTheRoundOnly) {
    ScoreRecord s{.Score30 = 1, .Score50 = 10, .Score60 = 100, .Score70 = 1000, .Score90 = 10000};
    EXPECT_EQ(RoundTotal(s, 1), 11u);
    EXPECT_EQ(RoundTotal(s, 2), 11u);
    EXPECT_EQ(RoundTotal(s, 3), 11011u);
    EXPECT_EQ(RoundTotal(s, 4), 1111u);
    EXPECT_EQ(RoundTotal(s, 0), 0u);
    EXPECT_EQ(RoundTotal(s, 5), 0u);
    ScoreRecord negative{.Score30 = -1};
    EXPECT_EQ(RoundTotal(negative, 1), 0xFFFFFFFFu);
}

TEST(FindNextHuman, WalksUpThenWrapsToTheFirstHuman) {
    CompetitorTable t;
    t[3] = {.Name = "Eva", .IsComputer = false};
    t[7] = {.Name = "Jan", .IsComputer = false};
    int32_t slot = 4;
    EXPECT_FALSE(FindNextHuman(t, slot));
    EXPECT_EQ(slot, 7);
    slot = 8;
    EXPECT_TRUE(FindNextHuman(t, slot));
    EXPECT_EQ(slot, 3);
    slot = 150;
    EXPECT_TRUE(FindNextHuman(t, slot));
    EXPECT_EQ(slot, 3);
    slot = 3;
    EXPECT_FALSE(FindNextHuman(t, slot));
    EXPECT_EQ(slot, 3);
}

TEST(FindNextHuman, WithoutHumansLeavesTheSlot) {
    CompetitorTable t;
    for (int32_t start : {0, 42, 149, 150}) {
        int32_t slot = start;
        EXPECT_FALSE(FindNextHuman(t, slot));
        EXPECT_EQ(slot, start);
    }
}

TEST(MatchState, StartsAsTheProgramStartsIt) {
    MatchState s;
    EXPECT_TRUE(s.Competitors[0].IsComputer);
    EXPECT_FALSE(s.SpareCompetitor.IsComputer);
    EXPECT_EQ(s.Distance, kDistanceOutsideMatch);
    EXPECT_EQ(s.Difficulty, 1);
    EXPECT_EQ(s.MarkerStyle, 1);
    EXPECT_FALSE(s.NextarrowEnabled);
    EXPECT_FALSE(s.MatchUnderWay);
}

}  // namespace
