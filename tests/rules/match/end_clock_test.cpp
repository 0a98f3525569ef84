#include <gtest/gtest.h>

#include "rules/match/EndClock.h"

namespace {

struct LightCase {
    int32_t limitSeconds;
    int64_t elapsedMs;
    ClockLight light;
    int32_t secondsShown;
};

// Outdoor practice: yellow for the last 30 s; a limit under two minutes gets its last quarter.
TEST(EndClock, ShowsTheLightAndSecondsOfTheTimeLeft) {
    const LightCase cases[] = {
        {120, 0, ClockLight::Green, 120},      {120, 89'999, ClockLight::Green, 31},
        {120, 90'000, ClockLight::Yellow, 30}, {120, 119'001, ClockLight::Yellow, 1},
        {120, 120'000, ClockLight::Red, 0},    {120, 500'000, ClockLight::Red, 0},
        {240, 209'999, ClockLight::Green, 31}, {240, 210'000, ClockLight::Yellow, 30},
        {60, 44'999, ClockLight::Green, 16},   {60, 45'000, ClockLight::Yellow, 15},
        {10, 7'499, ClockLight::Green, 3},     {10, 7'500, ClockLight::Yellow, 3},
        {119, 89'249, ClockLight::Green, 30},  {119, 89'250, ClockLight::Yellow, 30},
    };
    for (const LightCase& c : cases) {
        EndClock clock(c.limitSeconds);
        clock.start(1'000);
        const int64_t now = 1'000 + c.elapsedMs;
        EXPECT_EQ(clock.light(now), c.light) << c.limitSeconds << " s, " << c.elapsedMs << " ms";
        EXPECT_EQ(clock.secondsLeft(now), c.secondsShown)
            << c.limitSeconds << " s, " << c.elapsedMs << " ms";
        EXPECT_EQ(clock.expired(now), c.light == ClockLight::Red);
    }
}

TEST(EndClock, StandsStillWhilePausedAndOnlyOnceStarted) {
    EndClock clock(20);
    EXPECT_FALSE(clock.expired(1'000'000));
    EXPECT_EQ(clock.secondsLeft(1'000'000), 20);

    clock.start(0);
    clock.pause(5'000);
    clock.pause(9'000);  // a second pause does not move its beginning
    EXPECT_EQ(clock.remainingMs(60'000), 15'000);
    clock.resume(60'000);
    clock.resume(70'000);  // nor does a second resume count the pause twice
    EXPECT_EQ(clock.remainingMs(70'000), 5'000);
    EXPECT_TRUE(clock.expired(75'000));

    clock.reset();
    EXPECT_FALSE(clock.started());
    EXPECT_FALSE(clock.expired(75'000));
    EXPECT_EQ(clock.secondsLeft(75'000), 20);
}

TEST(EndClock, WithoutALimitNeverRunsOut) {
    EndClock clock(0);
    clock.start(0);
    EXPECT_FALSE(clock.limited());
    EXPECT_FALSE(clock.expired(10'000'000));
}

}  // namespace
