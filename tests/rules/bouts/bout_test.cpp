#include "rules/bouts/Bout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Point At(int32_t dx, int32_t dy) {
    return {kTargetCentre.x + dx, kTargetCentre.y + dy};
}

struct SetCase {
    const char* what;
    std::vector<SetTotals> sets;
    SetTotals points;
    std::optional<BoutSide> winner;
    int32_t arrowsNext;
};

TEST(BoutScore, SetPointsDecideTheBoutAtSixOrGoToAShootOffAtFiveAll) {
    const std::vector<SetCase> cases = {
        {"nothing shot", {}, {0, 0}, std::nullopt, 3},
        {"a set won takes two", {{28, 27}}, {2, 0}, std::nullopt, 3},
        {"a tie gives one each", {{27, 27}}, {1, 1}, std::nullopt, 3},
        {"three sets won", {{28, 27}, {29, 20}, {30, 0}}, {6, 0}, BoutSide::First, 0},
        {"second to six after a tie; a set after that is not shot",
         {{27, 27}, {20, 25}, {26, 28}, {24, 24}, {20, 21}},
         {2, 6},
         BoutSide::Second,
         0},
        {"six to four after five sets",
         {{28, 27}, {27, 28}, {28, 27}, {27, 28}, {29, 28}},
         {6, 4},
         BoutSide::First,
         0},
        {"five all: a shoot-off arrow",
         {{28, 27}, {27, 28}, {28, 27}, {27, 28}, {25, 25}},
         {5, 5},
         std::nullopt,
         1},
        {"five ties", {{25, 25}, {25, 25}, {25, 25}, {25, 25}, {25, 25}}, {5, 5}, std::nullopt, 1},
    };
    for (const SetCase& c : cases) {
        BoutScore bout;
        for (const SetTotals& set : c.sets) bout.addSet(set);
        EXPECT_EQ(bout.setPoints(), c.points) << c.what;
        EXPECT_EQ(bout.winner(), c.winner) << c.what;
        EXPECT_EQ(bout.arrowsNext(), c.arrowsNext) << c.what;
        EXPECT_EQ(bout.inShootOff(), c.arrowsNext == 1) << c.what;
    }
}

TEST(BoutScore, NoSetCountsOnceTheBoutIsDecided) {
    BoutScore bout;
    for (int i = 0; i < 4; ++i) bout.addSet({30, 20});
    EXPECT_EQ(bout.sets().size(), 3U);
    EXPECT_EQ(bout.setPoints(), (SetTotals{6, 0}));
}

TEST(ShootOff, ScoreThenDistanceFromTheCentreThenAnotherArrow) {
    struct Case {
        const char* what;
        BoutArrow first;
        BoutArrow second;
        std::optional<BoutSide> winner;
    };
    const std::vector<Case> cases = {
        {"higher score, however far out", {10, At(4, 0)}, {9, At(0, 0)}, BoutSide::First},
        {"higher score of the second", {7, At(0, 0)}, {8, At(30, 0)}, BoutSide::Second},
        {"same score, nearer the centre", {10, At(3, 3)}, {10, At(0, 4)}, BoutSide::Second},
        {"same score, first nearer", {9, At(-6, 0)}, {9, At(5, 4)}, BoutSide::First},
        {"same score and distance", {10, At(3, 4)}, {10, At(-5, 0)}, std::nullopt},
        {"two misses the same way off", {0, At(100, 0)}, {0, At(0, -100)}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShootOffWinner(c.first, c.second), c.winner) << c.what;
    }
}

TEST(ShootOff, ATieOnEverythingShootsAnotherArrowEach) {
    BoutScore bout;
    for (int i = 0; i < 5; ++i) bout.addSet({25, 25});
    bout.addShootOff({{10, At(3, 4)}, {10, At(4, 3)}});
    EXPECT_TRUE(bout.inShootOff());
    EXPECT_EQ(bout.arrowsNext(), 1);
    bout.addShootOff({{9, At(6, 0)}, {9, At(0, 7)}});
    EXPECT_EQ(bout.winner(), BoutSide::First);
    EXPECT_EQ(bout.arrowsNext(), 0);
    EXPECT_EQ(bout.shootOff().size(), 2U);
}

}  // namespace
