#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "rules/history/HitGroup.h"

namespace {

constexpr int32_t k70 = 70;  // rings 5 pixels wide
constexpr Point kMiddle = kTargetCentre;

Point At(int32_t dx, int32_t dy) {
    return {kMiddle.x + dx, kMiddle.y + dy};
}

}  // namespace

TEST(HitGroup, CentreSpreadAndOffsetOfASquareGroup) {
    // Four hits 5 pixels around a point 10 right of and 10 above the middle.
    const std::vector<Point> hits = {At(5, -10), At(15, -10), At(10, -15), At(10, -5)};
    const HitGroup group = AnalyseGroup(hits, k70);
    EXPECT_EQ(group.arrows, 4);
    EXPECT_EQ(group.placed, 4);
    EXPECT_DOUBLE_EQ(group.centre.x, kMiddle.x + 10);
    EXPECT_DOUBLE_EQ(group.centre.y, kMiddle.y - 10);
    EXPECT_DOUBLE_EQ(group.spread, 5);
    EXPECT_DOUBLE_EQ(group.spreadRings, 1);
    EXPECT_EQ(group.ringWidth, 5);
    EXPECT_NEAR(group.offsetRings, std::sqrt(200.0) / 5, 1e-12);
    EXPECT_EQ(group.direction, HitDirection::UpRight);
    EXPECT_EQ(DirectionWord(group.direction),
              "vpravo naho\xf8"
              "e");
}

TEST(HitGroup, DirectionFollowsTheScreenWithYDownwards) {
    struct Case {
        int32_t dx;
        int32_t dy;
        HitDirection expected;
    };
    // Sector edges lie at 22.5 degrees either side of each direction: tan 22.5 = 0.414.
    for (const Case& c : {
             Case{-20, -20, HitDirection::UpLeft},
             Case{0, -20, HitDirection::Up},
             Case{20, -20, HitDirection::UpRight},
             Case{20, 0, HitDirection::Right},
             Case{20, 20, HitDirection::DownRight},
             Case{0, 20, HitDirection::Down},
             Case{-20, 20, HitDirection::DownLeft},
             Case{-20, 0, HitDirection::Left},
             Case{20, -8, HitDirection::Right},
             Case{20, -9, HitDirection::UpRight},
             Case{-8, 20, HitDirection::Down},
             Case{-9, 20, HitDirection::DownLeft},
             Case{2, 1, HitDirection::Centre},
             Case{3, 0, HitDirection::Right},
         }) {
        const std::vector<Point> hits = {At(c.dx, c.dy)};
        EXPECT_EQ(AnalyseGroup(hits, k70).direction, c.expected) << c.dx << ", " << c.dy;
    }
    EXPECT_EQ(DirectionWord(HitDirection::Centre),
              "st\xf8"
              "ed");
}

TEST(HitGroup, RingsAreCountedAsTheScoringCountsThem) {
    // 70 m: a hit less than 5 pixels out is a ten, 45..49 pixels out a one, 50 a miss.
    const std::vector<Point> hits = {At(0, 0),  At(4, 0),     At(3, 4),    At(0, 49),
                                     At(0, 50), At(-36, -36), {30000, 125}};
    const HitGroup group = AnalyseGroup(hits, k70);
    std::array<int32_t, 11> expected{};
    expected[10] = 2;  // 0 and 4 pixels
    expected[9] = 1;   // 5 pixels
    expected[1] = 1;   // 49 pixels
    expected[0] = 3;   // 50 pixels, 50.9 pixels, and the hit far outside the picture
    EXPECT_EQ(group.ringCounts, expected);
    EXPECT_DOUBLE_EQ(group.ringShare(10), 2.0 / 7);
    EXPECT_DOUBLE_EQ(group.ringShare(0), 3.0 / 7);
    // The hit far outside is no part of the centre.
    EXPECT_EQ(group.placed, 6);
    EXPECT_DOUBLE_EQ(group.centre.x, kMiddle.x + (4 + 3 - 36) / 6.0);
}

TEST(HitGroup, EmptyGroupsAndDistancesWithoutAFace) {
    const HitGroup none = AnalyseGroup({}, k70);
    EXPECT_EQ(none.arrows, 0);
    EXPECT_EQ(none.ringShare(10), 0);
    EXPECT_EQ(none.direction, HitDirection::Centre);

    const std::vector<Point> farOnly = {{-600, 0}};
    const HitGroup lost = AnalyseGroup(farOnly, k70);
    EXPECT_EQ(lost.placed, 0);
    EXPECT_EQ(lost.ringCounts[0], 1);

    const std::vector<Point> middle = {At(0, 0)};
    const HitGroup noFace = AnalyseGroup(middle, 40);
    EXPECT_EQ(noFace.ringWidth, 0);
    EXPECT_EQ(noFace.ringCounts[0], 1);
    EXPECT_EQ(noFace.offsetRings, 0);
}

TEST(HitGroup, ArrowsLostToTheClockAreMissesWithoutMovingTheGroup) {
    const std::vector<Point> hits = {{120, 125}, {130, 125}};
    const HitGroup shot = AnalyseGroup(hits, 30);
    HitGroup withLost = shot;
    CountLostArrows(withLost, 2);
    EXPECT_EQ(withLost.arrows, 4);
    EXPECT_DOUBLE_EQ(withLost.ringShare(0), 0.5);
    EXPECT_EQ(withLost.placed, shot.placed);
    EXPECT_DOUBLE_EQ(withLost.centre.x, shot.centre.x);
    EXPECT_DOUBLE_EQ(withLost.spread, shot.spread);
}
