#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "rules/match/Random.h"
#include "rules/match/Rounds.h"
#include "rules/match/Wind.h"
#include "rules/match/WindFlag.h"

namespace {

// Worked out by hand from dx = -v sin(theta) c(d) p(d), dy = v cos(theta) c(d) p(d) / 4, with
// p = ring pixels over 6.1 cm (122 cm face) or 4 cm (80 cm face).
TEST(WindDrift, MovesTheHitByTheDriftOfEachDistance) {
    struct Case {
        int32_t tenths, from, metres, dx, dy;
    };
    const Case cases[] = {
        {40, 90, 90, -28, 0},  // 4 * 10.7 * 4 / 6.1 = 28.07 to the left
        {40, 90, 60, -18, 0},  // 4 * 4.7 * 6 / 6.1 = 18.49
        {70, 270, 70, 37, 0},  // 7 * 6.4 * 5 / 6.1 = 36.72 to the right
        {30, 180, 30, 0, -2},  // tail wind: 3 * 1.2 * 9 / 4 / 4 = 2.03 up
        {25, 0, 50, 0, 4},     // head wind: 2.5 * 3.2 * 7 / 4 / 4 = 3.5 down, half away from 0
        {25, 180, 50, 0, -4},  // and -3.5 up
        {10, 90, 50, -6, 0},   // 5.6
        {50, 45, 60, -16, 4},  // 5 * 0.7071 * 4.7 * 0.9836 = 16.34, a quarter of it 4.09
        {40, 90, 40, 0, 0},    // no target at 40 m
    };
    for (const Case& c : cases) {
        const Point drift = WindDrift({.tenths = c.tenths, .fromDegrees = c.from}, c.metres);
        EXPECT_EQ(drift, (Point{c.dx, c.dy}))
            << c.tenths << " from " << c.from << " at " << c.metres;
    }
    for (const TargetFace& face : kTargetFaces) {
        for (int32_t from = 0; from < 360; from += 15)
            EXPECT_EQ(WindDrift({.tenths = 0, .fromDegrees = from}, face.metres), Point{});
    }
}

TEST(EndWind, CalmDrawsNothingAndNeverBlows) {
    SeededRandom random(7);
    SeededRandom untouched(7);
    const EndWind calm(WindLevel::Calm, random);
    EXPECT_EQ(random.random(1000), untouched.random(1000));
    for (int64_t tick : {0, 1, 500, 100000}) EXPECT_EQ(calm.at(tick), Wind{});
}

TEST(EndWind, AReplayedEndBlowsTheSameAndEveryEndChangesSmoothlyWithinItsLevel) {
    struct Level {
        WindLevel level;
        int32_t slowest, fastest;  // prevailing, tenths
        double speedSwing;
        int32_t degreesSwing;
    };
    const Level levels[] = {{WindLevel::Light, 0, 20, 0.15, 10},
                            {WindLevel::Variable, 10, 40, 0.4, 30},
                            {WindLevel::Strong, 30, 70, 0.4, 30}};
    for (const Level& l : levels) {
        bool gusted = false;
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            SeededRandom first(seed), again(seed);
            const EndWind wind(l.level, first);
            const EndWind replayed(l.level, again);
            const Wind p = wind.prevailing();
            ASSERT_GE(p.tenths, l.slowest);
            ASSERT_LE(p.tenths, l.fastest);
            Wind before = wind.at(0);
            for (int64_t tick = 0; tick < 3000; ++tick) {
                const Wind now = wind.at(tick);
                ASSERT_EQ(now, replayed.at(tick));
                EXPECT_LE(std::abs(now.tenths - p.tenths), l.speedSwing * p.tenths + 1);
                const int32_t veer = ((now.fromDegrees - p.fromDegrees) % 360 + 540) % 360 - 180;
                EXPECT_LE(std::abs(veer), l.degreesSwing + 1);
                // Over 10 ms the wind moves by a step, never jumps.
                EXPECT_LE(std::abs(now.tenths - before.tenths), 1);
                const int32_t turn =
                    ((now.fromDegrees - before.fromDegrees) % 360 + 540) % 360 - 180;
                EXPECT_LE(std::abs(turn), 1);
                gusted = gusted || now.gusting;
                before = now;
            }
        }
        EXPECT_EQ(gusted, l.level != WindLevel::Light);
    }
}

TEST(WindFlag, StreamsDownwindFurtherTheStrongerItBlows) {
    EXPECT_EQ(FlagFor({.tenths = 9, .fromDegrees = 90}, 0), FlagPose{});
    const FlagPose fromRight = FlagFor({.tenths = 40, .fromDegrees = 90}, 0);
    EXPECT_TRUE(fromRight.toTheLeft);
    EXPECT_FALSE(fromRight.alongTheRange);
    EXPECT_EQ(fromRight.strength, 2);
    EXPECT_FALSE(FlagFor({.tenths = 40, .fromDegrees = 250}, 0).toTheLeft);
    EXPECT_TRUE(FlagFor({.tenths = 60, .fromDegrees = 10}, 0).alongTheRange);
    EXPECT_EQ(FlagFor({.tenths = 60, .fromDegrees = 10}, 0).strength, 3);
    // Only a gust makes it flutter, from one shape to the other as the ticks pass.
    int32_t shapes = 0;
    for (int64_t tick = 0; tick < 100; ++tick) {
        EXPECT_EQ(FlagFor({.tenths = 40, .fromDegrees = 90}, tick).flutter, 0);
        shapes |= 1 << FlagFor({.tenths = 40, .fromDegrees = 90, .gusting = true}, tick).flutter;
    }
    EXPECT_EQ(shapes, 3);
}

TEST(WindArrow, PointsWhereTheWindBlows) {
    EXPECT_STREQ(WindArrow(0), "↓");
    EXPECT_STREQ(WindArrow(90), "←");
    EXPECT_STREQ(WindArrow(112), "←");
    EXPECT_STREQ(WindArrow(180), "↑");
    EXPECT_STREQ(WindArrow(270), "→");
    EXPECT_STREQ(WindArrow(315), "↘");
    EXPECT_STREQ(WindArrow(359), "↓");
}

}  // namespace
