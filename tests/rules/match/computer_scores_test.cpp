#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <vector>

#include "rules/match/ComputerScores.h"
#include "support/ScriptedRandom.h"

namespace {

TEST(DistanceScoreFromPerformance, LosesAPointOnlyWhereSinglePrecisionFallsShort) {
    const std::vector<int64_t> shortOfExact = {35, 45, 65, 70, 90, 95};
    for (int64_t v = 0; v <= 99; ++v) {
        const bool short1 =
            std::find(shortOfExact.begin(), shortOfExact.end(), v) != shortOfExact.end();
        EXPECT_EQ(DistanceScoreFromPerformance(v), v * 360 / 100 - (short1 ? 1 : 0)) << v;
    }
    EXPECT_EQ(DistanceScoreFromPerformance(60), 216);
    EXPECT_EQ(DistanceScoreFromPerformance(94), 338);
}

TEST(DistanceScoreFromPerformance, StaysWithinADistanceWhateverTheFileSays) {
    for (int64_t v : std::initializer_list<int64_t>{-5, -1, -1000, INT32_MIN - 5ll})
        EXPECT_EQ(DistanceScoreFromPerformance(v), 0) << v;
    for (int64_t v : std::initializer_list<int64_t>{100, 104, INT32_MAX + 5ll})
        EXPECT_EQ(DistanceScoreFromPerformance(v), 360) << v;
}

TEST(ScoreBandOf, ChangesAtTheUpperEdgeOfEachBand) {
    const std::pair<int32_t, ScoreBand> edges[] = {
        {0, {0, 0, 25}},    {50, {0, 0, 25}},   {51, {1, 1, 15}},   {100, {1, 1, 15}},
        {101, {1, 2, 10}},  {150, {1, 2, 10}},  {151, {2, 4, 5}},   {190, {2, 4, 5}},
        {191, {3, 6, 3}},   {220, {3, 6, 3}},   {221, {4, 8, 2}},   {250, {4, 8, 2}},
        {251, {5, 10, 1}},  {270, {5, 10, 1}},  {271, {6, 12, 0}},  {300, {6, 12, 0}},
        {301, {7, 14, 0}},  {310, {7, 14, 0}},  {311, {10, 16, 0}}, {320, {10, 16, 0}},
        {321, {12, 20, 0}}, {330, {12, 20, 0}}, {331, {14, 16, 0}}, {340, {14, 16, 0}},
        {341, {17, 14, 0}}, {360, {17, 14, 0}}};
    for (auto [score, band] : edges) EXPECT_EQ(ScoreBandOf(score), band) << score;
}

struct Generated {
    ScoreRecord record;
    std::vector<int32_t> asked;
};

// One computer in slot 0 with `performance` for 50 m; every other slot is a human.
Generated GenerateOne(int32_t performance, std::vector<int32_t> draws) {
    MatchState state;
    state.Competitors.fill({.Name = "Human", .IsComputer = false});
    state.Competitors[0] = {"Robot", "", {0, 0, performance, 0}, true};
    state.Scores[0] = {.Tens = 1, .Nines = 1, .Misses = 1, .Score50 = 999};
    ScriptedRandom random(draws);
    GenerateComputerScores(state, random, 2, &ScoreRecord::Score50);
    EXPECT_EQ(random.remaining(), 0u);
    return {state.Scores[0], random.asked()};
}

TEST(GenerateComputerScores, DrawsInOrderAndOnlyForNonZeroBases) {
    // v = 60: s = 216, bases 3, 6, 3 and q = 1; the earlier counts are added to.
    Generated mid = GenerateOne(60, {5, 0, 8, 1});
    EXPECT_EQ(mid.asked, (std::vector<int32_t>{11, 7, 9, 2}));
    EXPECT_EQ(mid.record, (ScoreRecord{.Tens = 1, .Nines = 11, .Misses = 4, .Score50 = 216}));

    // v = 99: s = 356, no misses to draw.
    Generated top = GenerateOne(94, {10, 6, 0});
    EXPECT_EQ(top.asked, (std::vector<int32_t>{11, 7, 9}));
    EXPECT_EQ(top.record, (ScoreRecord{.Tens = 21, .Nines = 11, .Misses = 1, .Score50 = 356}));

    // v = 0: s = 0, only misses, with q = 3.
    Generated bottom = GenerateOne(5, {0, 5});
    EXPECT_EQ(bottom.asked, (std::vector<int32_t>{11, 6}));
    EXPECT_EQ(bottom.record, (ScoreRecord{.Tens = 1, .Nines = 1, .Misses = 28, .Score50 = 0}));

    // v = 73: s = 262 leaves q = 0, so the misses draw is random(0).
    Generated noSpread = GenerateOne(73, {5, 3, 4});
    EXPECT_EQ(noSpread.asked, (std::vector<int32_t>{11, 7, 9, 0}));
    EXPECT_EQ(noSpread.record.Misses, 2);
    EXPECT_EQ(noSpread.record.Score50, 262);
}

TEST(GenerateComputerScores, CountsNeverGoBelowZeroAndScoresStayInRange) {
    // v = 51: s = 183 -> bases 2, 4, 5; the lowest draws would give -1 and 0.
    Generated low = GenerateOne(56, {0, 0, 0, 0});
    EXPECT_EQ(low.record.Tens, 1);
    EXPECT_EQ(low.record.Nines, 1);
    EXPECT_EQ(low.record.Misses, 1 + 4);
    EXPECT_EQ(GenerateOne(99, {10, 3, 4}).record.Score50, 360);
    EXPECT_EQ(GenerateOne(-40, {0, 0}).record.Score50, 0);
}

TEST(GenerateComputerScores, ServesComputerSlotsInOrderAndSkipsHumans) {
    MatchState state;
    state.Competitors[0] = {"Human", "", {90, 90, 90, 90}, false};
    state.Competitors[1] = {"A", "", {80, 0, 0, 0}, true};
    state.Scores[0].Score90 = 7;
    ScriptedRandom random;
    random.setFallback(0);
    GenerateComputerScores(state, random, 0, &ScoreRecord::Score90);
    EXPECT_EQ(state.Scores[0], (ScoreRecord{.Score90 = 7}));
    // v = 75: s = 270, q = 0; a free slot: v = -5, s = 0, q = 3.
    EXPECT_EQ(state.Scores[1], (ScoreRecord{.Tens = 2, .Nines = 6, .Misses = 1, .Score90 = 270}));
    EXPECT_EQ(state.Scores[2], (ScoreRecord{.Misses = 22}));
    EXPECT_EQ(state.Scores[149], (ScoreRecord{.Misses = 22}));
    const std::vector<int32_t>& asked = random.asked();
    ASSERT_EQ(asked.size(), 4u + 148u * 2u);
    EXPECT_EQ(std::vector<int32_t>(asked.begin(), asked.begin() + 6),
              (std::vector<int32_t>{11, 7, 9, 0, 11, 6}));

    ScriptedRandom none;
    GenerateComputerScores(state, none, 4, &ScoreRecord::Score30);
    EXPECT_TRUE(none.asked().empty());
}

}  // namespace
