#include <gtest/gtest.h>

#include <limits>

#include "rules/match/Aiming.h"
#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"

namespace {

struct Hit {
    int32_t score;
    int32_t x;
    int32_t y;
};

Hit Score(int32_t factor, int32_t distance, int32_t x, int32_t y) {
    const int32_t score = ScoreHit(factor, distance, x, y);
    return {score, x, y};
}

TEST(IntegerSquareRoot, IsExactAroundEverySquareUpToTheTop) {
    for (uint64_t r : {1ull, 2ull, 3ull, 1000ull, 65535ull, 3037000499ull, 4294967295ull}) {
        EXPECT_EQ(IntegerSquareRoot(r * r), r);
        EXPECT_EQ(IntegerSquareRoot(r * r - 1), r - 1);
    }
    EXPECT_EQ(IntegerSquareRoot(0), 0u);
    EXPECT_EQ(IntegerSquareRoot(std::numeric_limits<uint64_t>::max()), 4294967295u);
}

TEST(ScoreHit, RingsEndAtMultiplesOfTheRingWidth) {
    for (const TargetFace& d : kTargetFaces) {
        const int32_t w = d.ringWidth;
        EXPECT_EQ(Score(100, d.metres, 125 + w - 1, 125).score, 10) << d.metres;
        EXPECT_EQ(Score(100, d.metres, 125, 125 - w).score, 9) << d.metres;
        EXPECT_EQ(Score(100, d.metres, 125 - 2 * w + 1, 125).score, 9) << d.metres;
        EXPECT_EQ(Score(100, d.metres, 125, 125 + 10 * w - 1).score, 1) << d.metres;
        EXPECT_EQ(Score(100, d.metres, 125 + 10 * w, 125).score, 0) << d.metres;
    }
}

TEST(ScoreHit, MagnifiesTheHitAndMovesLoweredScoresOut) {
    Hit nine = Score(100, 90, 128, 129);  // d = 5
    EXPECT_EQ(nine.score, 9);
    EXPECT_EQ(nine.x, 384);
    EXPECT_EQ(nine.y, 137);
    Hit lowered = Score(80, 90, 128, 129);  // k = 36
    EXPECT_EQ(lowered.score, 7);
    EXPECT_EQ(lowered.x, 411);
    EXPECT_EQ(lowered.y, 161);
    Hit centre = Score(40, 70, 125, 125);  // k = 72, but a centre line stays
    EXPECT_EQ(centre.score, 4);
    EXPECT_EQ(centre.x, 375);
    EXPECT_EQ(centre.y, 125);
    Hit leftUp = Score(20, 50, 120, 118);  // base 9 -> 1, k = 108, both coordinates move out
    EXPECT_EQ(leftUp.score, 1);
    EXPECT_EQ(leftUp.x, 267);
    EXPECT_EQ(leftUp.y, 17);
    // -3 * 12 / 5 truncates toward zero: -7, not -8.
    EXPECT_EQ(Score(100, 70, 122, 125).x, 368);
}

TEST(ScoreHit, MissesShowInTheScopeCorner) {
    for (Hit miss : {Score(100, 90, 125, 165), Score(0, 30, 125, 125), Score(100, 40, 125, 125),
                     Score(100, 0, 125, 125),
                     Score(100, 30, std::numeric_limits<int32_t>::max(),
                           std::numeric_limits<int32_t>::min())}) {
        EXPECT_EQ(miss.score, 0);
        EXPECT_EQ(miss.x, 250);
        EXPECT_EQ(miss.y, 0);
    }
}

TEST(ScoreHit, FactorsBeyondTheDrawTableAreBounded) {
    EXPECT_EQ(Score(250, 90, 125, 125).score, 10);
    EXPECT_EQ(Score(-40, 90, 125, 125).score, 0);
}

TEST(ReleaseFactor, FollowsTheDrawOfTheArrow) {
    const std::pair<int32_t, int32_t> cases[] = {
        {-250, 80}, {-61, 80}, {-60, 100}, {-54, 100}, {-53, 80}, {-45, 80}, {-44, 40},
        {-35, 40},  {-34, 20}, {-25, 20},  {-24, 0},   {-5, 0},   {0, 0}};
    for (auto [left, factor] : cases) EXPECT_EQ(ReleaseFactor(left), factor) << left;
}

}  // namespace
