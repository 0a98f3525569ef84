#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"
#include "support/EngineRig.h"
#include "support/RecordingLog.h"

namespace {

class FakeClock final : public SteadyClock {
  public:
    int64_t now = 0;
    int64_t nowMs() override { return now; }
};

struct Practice : ::testing::Test, EngineRig {
    FakeClock clock;
    RecordingLog log;

    Practice() {
        random.setFallback(kSteady);
        state.Difficulty = kDifficultyWorldClass;
        engine.SetSteadyClock(clock);
        engine.SetMatchLog(log);
    }

    void start(int32_t distance, int32_t ends, int32_t seconds) {
        engine.StartPractice(
            {.archer = "Jan", .distance = distance, .ends = ends, .secondsPerEnd = seconds});
    }
    void shootEnd(std::initializer_list<int> factors) {
        for (int factor : factors) {
            engine.NextarrowClick();
            shootSteadyArrow(factor);
        }
    }
};

// An arrow's score from the scoring rules, given where and how it was let go.
int32_t Rescored(const LoggedArrow& a) {
    int32_t x = a.hit.x, y = a.hit.y;
    return ScoreHit(a.factor, a.distance, x, y);
}

int32_t RescoredSum(const std::vector<LoggedArrow>& arrows, std::size_t from, std::size_t to) {
    int32_t sum = 0;
    for (std::size_t i = from; i < to; ++i) sum += Rescored(arrows[i]);
    return sum;
}

TEST_F(Practice, CountsEndsAndTotalsAndRecordsOneSessionWithoutResults) {
    for (const int32_t distance : {30, 70}) {
        SCOPED_TRACE(distance);
        log = RecordingLog{};
        screen.summaries.clear();
        start(distance, 2, 0);
        const int32_t perEnd = PracticeRound(distance, 1)->stages().front().arrowsPerEnd;
        std::vector<int> factors = {100, 20, 80, 40, 100, 100};
        factors.resize(static_cast<std::size_t>(perEnd));
        std::vector<int32_t> endTotals;
        for (int end = 0; end < 2; ++end) {
            const std::size_t first = log.arrows.size();
            for (int factor : factors) {
                engine.NextarrowClick();
                shootSteadyArrow(factor);
            }
            const int32_t expected = RescoredSum(log.arrows, first, log.arrows.size());
            endTotals.push_back(expected);
            if (end == 0) {
                EXPECT_EQ(screen.labels[MatchLabel::SoucetSada], std::to_string(expected));
                EXPECT_EQ(screen.labels[MatchLabel::Celkem], std::to_string(expected));
            }
        }
        ASSERT_EQ(screen.summaries.size(), 1u);
        const PracticeSummary& summary = screen.summaries.back();
        EXPECT_EQ(summary.endTotals, endTotals);
        EXPECT_EQ(summary.total, endTotals[0] + endTotals[1]);
        EXPECT_EQ(summary.arrows, 2 * perEnd);
        EXPECT_DOUBLE_EQ(summary.averagePerArrow, summary.total / double(2 * perEnd));
        int tens = 0, nines = 0, misses = 0;
        for (const LoggedArrow& a : log.arrows) {
            tens += a.score == 10;
            nines += a.score == 9;
            misses += a.score == 0;
        }
        EXPECT_EQ(summary.tens, tens);
        EXPECT_EQ(summary.nines, nines);
        EXPECT_EQ(summary.misses, misses);
        EXPECT_EQ(summary.group.placed, 2 * perEnd);

        ASSERT_EQ(log.started.size(), 1u);
        EXPECT_TRUE(log.started[0].practice);
        EXPECT_EQ(log.started[0].practiceDistance, distance);
        EXPECT_EQ(log.started[0].competitors, 1);
        EXPECT_EQ(log.endSizes,
                  (std::vector<std::size_t>{std::size_t(perEnd), std::size_t(2 * perEnd)}));
        EXPECT_EQ(log.distances, 0);
        EXPECT_EQ(log.finished, 1);
        EXPECT_FALSE(state.MatchUnderWay);
        EXPECT_FALSE(engine.PracticeUnderWay());
    }
}

TEST_F(Practice, InWindEachArrowStrikesWhereTheWindAtItsReleaseCarriesIt) {
    engine.SetWindLevel(WindLevel::Strong);
    start(90, 2, 0);
    shootEnd({100, 100, 100, 100, 100, 100});
    shootEnd({100, 80, 100, 100, 40, 100});
    ASSERT_EQ(log.arrows.size(), 12u);
    for (const LoggedArrow& a : log.arrows) {
        const Point aim{a.path.back().x + kSightAimOffset, a.path.back().y + kSightAimOffset};
        const Point drift = WindDrift(a.wind, 90);
        EXPECT_NE(drift, Point{});
        EXPECT_EQ(a.hit, (Point{aim.x + drift.x, aim.y + drift.y}));
        EXPECT_EQ(a.score, Rescored(a));
    }
    ASSERT_EQ(screen.summaries.size(), 1u);
    ASSERT_EQ(screen.summaries[0].endWinds.size(), 2u);
    EXPECT_GE(screen.summaries[0].endWinds[1].tenths, 30);

    // Calm again from the next arrow on, in the middle of an end: the flag goes.
    start(90, 1, 0);
    shootEnd({100});
    EXPECT_NE(log.arrows.back().wind, Wind{});
    engine.SetWindLevel(WindLevel::Calm);
    shootEnd({100});
    EXPECT_EQ(log.arrows.back().wind, Wind{});
    const Point aim = log.arrows.back().path.back();
    EXPECT_EQ(log.arrows.back().hit, (Point{aim.x + kSightAimOffset, aim.y + kSightAimOffset}));
    EXPECT_EQ(std::count(screen.effects.begin(), screen.effects.end(), "wind hidden"), 1);
}

TEST_F(Practice, TimeUpMidDrawLosesTheArrowOnTheBowAndTheRest) {
    start(30, 2, 10);
    EXPECT_EQ(screen.effects.back(), "clock 10 green");
    shootEnd({100});  // arrow 1 of 3 scores
    engine.NextarrowClick();
    engine.FormKeyDown(kVkDraw);
    for (int tick = 0; tick < 30; ++tick) engine.Timer1Timer();
    clock.now = 7'500;
    engine.Timer1Timer();
    EXPECT_EQ(screen.count("clock 3 yellow"), 1);
    clock.now = 10'000;
    engine.FormKeyDown(kVkShoot);  // too late: the shot is pressed when the time is over
    engine.Timer1Timer();
    engine.FormKeyUp(kVkShoot);
    engine.FormKeyUp(kVkDraw);

    EXPECT_FALSE(state.TimerRunning);
    EXPECT_EQ(screen.count("clock 0 red"), 1);
    ASSERT_EQ(log.arrows.size(), 3u);
    EXPECT_TRUE(log.arrows[0].shot);
    for (std::size_t i = 1; i < 3; ++i) {
        EXPECT_FALSE(log.arrows[i].shot);
        EXPECT_EQ(log.arrows[i].score, 0);
        EXPECT_EQ(log.arrows[i].arrowNo, static_cast<int32_t>(i + 1));
        EXPECT_EQ(log.arrows[i].endNo, 1);
    }
    EXPECT_EQ(log.endSizes, std::vector<std::size_t>{3});
    const int32_t firstEnd = Rescored(log.arrows[0]);
    EXPECT_EQ(screen.labels[MatchLabel::Celkem], std::to_string(firstEnd));

    // The next end has a fresh clock from its first nock.
    clock.now = 50'000;
    engine.NextarrowClick();
    clock.now = 51'000;
    engine.Timer1Timer();
    EXPECT_EQ(screen.count("clock 9 green"), 1);
    EXPECT_EQ(state.EndNumber, 2);
    EXPECT_TRUE(state.TimerRunning);
    // Expired between arrows: the arrows not yet nocked are lost, the ones shot keep theirs.
    shootSteadyArrow(100);
    clock.now = 61'000;
    engine.PracticeClockTick(false);
    ASSERT_EQ(screen.summaries.size(), 1u);
    const PracticeSummary& s = screen.summaries[0];
    EXPECT_EQ(s.endTotals, (std::vector<int32_t>{firstEnd, Rescored(log.arrows[3])}));
    EXPECT_EQ(s.misses, 4);
    EXPECT_EQ(s.group.placed, 2);  // lost arrows have no hit to place
    EXPECT_EQ(s.group.ringCounts[0], 4);
}

// Two whistles call the archer to the line for every end, one starts its time, three end it,
// whether the arrows or the time ran out; an end without a clock is not whistled. The signals
// keep their order and a second apart: two blasts of 500 ms with 300 ms between are 1300 ms,
// three are 2100 ms.
TEST_F(Practice, ATimedEndIsWhistledAsARangeWhistlesIt) {
    const auto whistles = [this] {
        std::vector<std::string> heard;
        for (const std::string& sound : clicker.played)
            if (sound.starts_with("whistle")) heard.push_back(sound);
        clicker.played.clear();
        return heard;
    };
    using Heard = std::vector<std::string>;
    start(30, 2, 60);
    EXPECT_EQ(whistles(), Heard{"whistle2.wav"});
    engine.NextarrowClick();  // at once: the call to the line is still sounding
    EXPECT_EQ(whistles(), Heard{"whistle1.wav after 2300"});
    shootSteadyArrow(100);
    shootEnd({100, 100});
    EXPECT_EQ(whistles(), (Heard{"whistle3.wav", "whistle2.wav after 3100"}));
    clock.now = 10'000;
    engine.NextarrowClick();
    clock.now = 70'000;
    engine.Timer1Timer();
    EXPECT_EQ(whistles(), (Heard{"whistle1.wav", "whistle3.wav"}));  // and no call: all shot

    start(30, 1, 0);
    shootEnd({100, 100, 100});
    EXPECT_EQ(whistles(), Heard{});
}

TEST_F(Practice, AModalWindowStopsTheClock) {
    start(50, 1, 20);
    engine.NextarrowClick();
    clock.now = 5'000;
    engine.PracticeClockTick(true);
    clock.now = 500'000;
    engine.PracticeClockTick(true);
    engine.Timer1Timer();
    EXPECT_TRUE(state.TimerRunning);
    engine.PracticeClockTick(false);
    EXPECT_TRUE(state.TimerRunning);
    clock.now = 514'999;
    engine.Timer1Timer();
    EXPECT_TRUE(state.TimerRunning);
    clock.now = 515'000;
    engine.Timer1Timer();
    EXPECT_FALSE(state.TimerRunning);
    EXPECT_EQ(screen.summaries.size(), 1u);
}

TEST_F(Practice, ANewMatchOrSessionLeavesTheEndsShotUnfinished) {
    start(30, 3, 0);
    shootEnd({100, 100, 100});
    engine.NextarrowClick();
    shootSteadyArrow(100);  // an end half shot
    start(30, 1, 0);
    EXPECT_EQ(log.abandoned, 1);
    EXPECT_EQ(log.endSizes, std::vector<std::size_t>{3});
    EXPECT_EQ(screen.labels[MatchLabel::Celkem], "0");
    engine.StartMatch(1, FieldWithHumans({0}));
    EXPECT_EQ(log.abandoned, 2);
    EXPECT_FALSE(engine.PracticeUnderWay());
    EXPECT_TRUE(state.NextarrowEnabled);
    EXPECT_EQ(state.RoundType, 1);
    EXPECT_EQ(log.finished, 0);
}

TEST_F(Practice, AgainStartsTheSameSessionOnceMore) {
    screen.practiceAgain = true;
    start(90, 1, 0);
    shootEnd({100, 100, 100, 100, 100, 100});
    EXPECT_EQ(screen.summaries.size(), 1u);
    EXPECT_TRUE(engine.PracticeUnderWay());
    EXPECT_EQ(log.started.size(), 2u);
    EXPECT_EQ(state.Distance, 90);
}

TEST_F(Practice, StartsNothingForADistanceWithoutATargetOrNoEnds) {
    start(40, 2, 0);
    start(30, 0, 0);
    EXPECT_FALSE(engine.PracticeUnderWay());
    EXPECT_TRUE(log.started.empty());
}

}  // namespace
