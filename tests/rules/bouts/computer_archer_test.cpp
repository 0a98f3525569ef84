#include "rules/bouts/ComputerArcher.h"

#include <gtest/gtest.h>

#include <cmath>

#include "rules/handicap/Handicap.h"
#include "rules/match/LevelField.h"
#include "rules/match/Scoring.h"

namespace {

TEST(ComputerArcher, DrawnArrowsAverageTheSchemesExpectedScore) {
    SeededRandom random(20230);
    for (double handicap : {10.0, 40.0, 75.0}) {
        constexpr int kArrows = 10000;
        int64_t sum = 0;
        for (int i = 0; i < kArrows; ++i) {
            const BoutArrow arrow = DrawArrow(handicap, random);
            sum += arrow.score;
            // The hit lies in the ring of its score, as the picture's rings count it.
            int32_t x = arrow.hit.x;
            int32_t y = arrow.hit.y;
            ASSERT_EQ(ScoreHit(100, kBoutDistance, x, y), arrow.score) << handicap;
        }
        const double expected = ExpectedArrowScore(handicap, kBoutDistance, 122);
        EXPECT_NEAR(static_cast<double>(sum) / kArrows, expected, 0.01 * expected) << handicap;
    }
}

TEST(ComputerArcher, HandicapTableScoreIsNearestToThePerformancesMean) {
    const HandicapDistance at70[] = {{kBoutDistance, 122, 36}};
    for (int32_t performance : {20, 55, 80, 94}) {
        const int32_t handicap = ComputerHandicap(performance);
        const double mean = ExpectedComputerScore(performance);
        const double gap = std::abs(TableScore(handicap, at70) - mean);
        for (int32_t neighbour : {handicap - 1, handicap + 1}) {
            if (neighbour < kBestHandicap || neighbour > kWorstHandicap) continue;
            EXPECT_LE(gap, std::abs(TableScore(neighbour, at70) - mean)) << performance;
        }
    }
    EXPECT_LT(ComputerHandicap(90), ComputerHandicap(60));
}

TEST(ComputerArcher, AComputerBoutIsShotToItsEnd) {
    SeededRandom random(7);
    int32_t betterWon = 0;
    for (int i = 0; i < 200; ++i) {
        const BoutScore bout = ShootComputerBout(20, 60, random);
        ASSERT_TRUE(bout.winner());
        EXPECT_LE(bout.sets().size(), 5U);
        if (bout.winner() == BoutSide::First) ++betterWon;
    }
    EXPECT_GT(betterWon, 180);
}

}  // namespace
