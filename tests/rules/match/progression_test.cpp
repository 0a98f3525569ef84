#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "rules/formats/PictureError.h"
#include "rules/match/ComputerScores.h"
#include "support/EngineRig.h"

namespace {

using Effects = std::vector<std::string>;

// One human in slot 4 of a men's full round, 100 points up at 90 m, about to let go the last
// arrow of an end with a full draw and a steady sight.
struct ClosingAnEnd : ::testing::Test, EngineRig {
    ClosingAnEnd() {
        random.setFallback(kSteady);
        state.Competitors = FieldWithHumans({4});
        state.MatchUnderWay = true;
        state.RoundType = 3;
        state.CurrentCompetitor = 4;
        state.Scores[4].Score90 = 100;
        state.ArrowsLeft = 1;
        state.ArrowLeft = -55;
        state.TimerRunning = true;
    }
    // Releases arrow 1 `offset` pixels right of the centre.
    void releaseLast(int32_t distance, int32_t offset) {
        state.Distance = distance;
        state.Sight = {109 + offset, 109};
        engine.FormKeyDown(kVkShoot);
        engine.Timer1Timer();
    }
};

TEST_F(ClosingAnEnd, ThreeArrowsAreSortedCountedAndSummed) {
    state.EndScores = {0, 0, 0, 10, 0, 0, 0};
    releaseLast(50, 7);  // a 9
    EXPECT_EQ(screen.effects,
              (Effects{"sight 116,109", "nextarrow on", "picture Nextarrow=nextsa.bmp",
                       "marker 1 387,125", "label Sipylabel=10 9 0 ", "label SoucetSada=19",
                       "label Celkem=119", "arrow -250", "timer off"}));
    EXPECT_EQ(state.Scores[4],
              (ScoreRecord{.Tens = 1, .Nines = 1, .Misses = 1, .Score50 = 19, .Score90 = 100}));
}

TEST_F(ClosingAnEnd, SixArrowsAreShownWithoutATrailingBlank) {
    state.EndScores = {0, 0, 0, 8, 10, 10, 7};
    releaseLast(70, 5);  // a 9
    EXPECT_EQ(screen.labels[MatchLabel::Sipylabel], "10 10 9 8 7 0");
    EXPECT_EQ(screen.labels[MatchLabel::SoucetSada], "44");
    EXPECT_EQ(state.Scores[4],
              (ScoreRecord{.Tens = 2, .Nines = 1, .Misses = 1, .Score70 = 44, .Score90 = 100}));
}

TEST_F(ClosingAnEnd, AMissingNextArrowPictureStillScoresTheEnd) {
    screen.missingFiles.insert("nextsa.bmp");
    state.EndScores = {0, 0, 10, 10, 0, 0, 0};
    EXPECT_THROW(releaseLast(30, 0), PictureError);
    EXPECT_EQ(state.Scores[4].Score30, 30);
    EXPECT_EQ(screen.labels[MatchLabel::Celkem], "130");
    EXPECT_FALSE(state.TimerRunning);
    EXPECT_EQ(state.ArrowLeft, kArrowReleased);
}

TEST(TurnOrder, HumansShootInSlotOrderAndTheEndCountsOnWrapping) {
    EngineRig rig;
    rig.random.setFallback(kSteady);
    rig.engine.StartMatch(1, FieldWithHumans({2, 5, 9}));
    std::vector<std::pair<int32_t, int32_t>> turns;  // shooter and end, at each change
    for (int arrow = 0; arrow < 7 * 3; ++arrow) {
        if (!rig.state.TimerRunning) rig.press(kVkNext);
        std::pair<int32_t, int32_t> now{rig.state.CurrentCompetitor, rig.state.EndNumber};
        if (turns.empty() || turns.back() != now) turns.push_back(now);
        rig.engine.FormKeyDown(kVkShoot);
        rig.engine.Timer1Timer();
        rig.engine.FormKeyUp(kVkShoot);
    }
    EXPECT_EQ(turns, (std::vector<std::pair<int32_t, int32_t>>{
                         {2, 1}, {5, 1}, {9, 1}, {2, 2}, {5, 2}, {9, 2}, {2, 3}}));
    EXPECT_EQ(rig.screen.labels[MatchLabel::PlName], "Lukostrelec 2");
    EXPECT_EQ(rig.screen.labels[MatchLabel::SadaCount], "3");
    EXPECT_EQ(rig.state.Scores[2].Misses, 9);  // undrawn arrows, each in its shooter's slot
    EXPECT_EQ(rig.state.Scores[5].Misses, 6);
    EXPECT_EQ(rig.state.Scores[9].Misses, 6);
}

// The last arrow of the last end of a distance of a round is down.
struct Change {
    Round round;
    DistanceStage finished;
    std::optional<DistanceStage> next;  // empty: the last distance of the round
};

void PrintTo(const Change& c, std::ostream* os) {
    *os << "round " << c.round.type << " at " << c.finished.metres() << " m";
}

std::vector<Change> EveryChange() {
    std::vector<Change> changes;
    for (const Round& round : kRounds) {
        const auto stages = round.stages();
        for (std::size_t i = 0; i < stages.size(); ++i) {
            changes.push_back(
                {round, stages[i],
                 i + 1 < stages.size() ? std::optional(stages[i + 1]) : std::nullopt});
        }
    }
    return changes;
}

constexpr std::array<int32_t, 4> kRobotPerformance = {10, 20, 30, 40};

// One human in slot 0, a computer in 1.
struct ChangingDistance : ::testing::TestWithParam<Change>, EngineRig {
    std::vector<int32_t> distanceAtResults;
    ChangingDistance() {
        random.setFallback(kSteady);
        state.Competitors = FieldWithHumans({0});
        state.Competitors[1] = {"Robot", "", kRobotPerformance, true};
        state.MatchUnderWay = true;
        state.RoundType = GetParam().round.type;
        state.Distance = GetParam().finished.metres();
        state.EndNumber = GetParam().finished.ends;
        state.ArrowsLeft = 1;
        state.EndScores = {0, 9, 9, 9, 9, 9, 9};
        state.Markers[0] = {300, 100};
        screen.onShowResults = [this] {
            distanceAtResults.push_back(state.Distance);
            engine.ResultsClosed();
        };
    }
};

TEST_P(ChangingDistance, SetsTheNextDistanceScoresTheComputersAndShowsResults) {
    const Change c = GetParam();
    engine.NextarrowClick();
    EXPECT_EQ(distanceAtResults, std::vector<int32_t>{c.next ? c.next->metres() : 0});
    // With steady draws the computer keeps its performance value for the distance.
    const int32_t performance =
        kRobotPerformance[static_cast<std::size_t>(c.finished.performanceIndex)];
    EXPECT_EQ(state.Scores[1].*c.finished.scoreField, DistanceScoreFromPerformance(performance));
    EXPECT_EQ(state.Scores[0], ScoreRecord{});
    EXPECT_EQ(state.EndScores, EndScoreTable{});
    EXPECT_EQ(state.Markers, kMarkerRest);
    EXPECT_EQ(screen.count("picture Tercov"), c.next ? 1 : 0);
    if (c.next) {
        EXPECT_EQ(screen.count(std::string("picture Tercov=") + c.next->target.picture), 1);
        EXPECT_EQ(state.Distance, c.next->metres());
        EXPECT_EQ(state.ArrowsLeft, c.next->arrowsPerEnd);
        EXPECT_EQ(state.EndNumber, 1);
        EXPECT_TRUE(state.TimerRunning);  // the results window let the next arrow be aimed
        EXPECT_TRUE(state.MatchUnderWay);
    } else {
        EXPECT_EQ(state.Distance, kDistanceOutsideMatch);
        EXPECT_EQ(state.ArrowsLeft, c.finished.arrowsPerEnd);
        EXPECT_EQ(state.EndNumber, c.finished.closingEndNumber());
        EXPECT_FALSE(state.TimerRunning);
        EXPECT_FALSE(state.NextarrowEnabled);
        EXPECT_FALSE(state.MatchUnderWay);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDistanceOfEveryRound, ChangingDistance,
                         ::testing::ValuesIn(EveryChange()));

TEST(ChangingDistance, HappensInThisOrder) {
    EngineRig rig;
    rig.random.setFallback(kSteady);
    rig.state = {.Competitors = FieldWithHumans({0}), .RoundType = 3, .Distance = 90};
    rig.state.EndNumber = 6;
    rig.state.ArrowsLeft = 1;
    rig.state.MatchUnderWay = true;
    rig.engine.NextarrowClick();
    Effects expected = {
        "nextarrow off",    "label Vzdalenost=90 m",       "timer on",          "sight 182,182",
        "arrow -5",         "label PlName=Lukostrelec 0",  "label Club=Klub 0", "label Celkem=0",
        "label Sipylabel=", "picture Nextarrow=nextar.bmp"};
    for (int n = 1; n <= 6; ++n) {
        const Point rest = kMarkerRest[static_cast<std::size_t>(n - 1)];
        expected.push_back("marker " + std::to_string(n) + " " + std::to_string(rest.x) + "," +
                           std::to_string(rest.y));
    }
    for (const char* e :
         {"picture Tercov=70.bmp", "timer off", "results", "timer on", "label SadaCount=1"}) {
        expected.push_back(e);
    }
    EXPECT_EQ(rig.screen.effects, expected);
}

TEST(ChangingDistance, NeedsTheClosingEndOfTheDistanceAndARoundThatHasIt) {
    for (auto [roundType, distance, endNumber] :
         {std::tuple{3, 50, 6}, std::tuple{1, 70, 6}, std::tuple{3, 90, 5}}) {
        EngineRig rig;
        rig.random.setFallback(kSteady);
        rig.state = {
            .Competitors = FieldWithHumans({0}), .RoundType = roundType, .Distance = distance};
        rig.state.EndNumber = endNumber;
        rig.state.ArrowsLeft = 1;
        rig.state.MatchUnderWay = true;
        rig.engine.NextarrowClick();
        EXPECT_EQ(rig.state.Distance, distance);
        EXPECT_EQ(rig.state.EndNumber, endNumber + 1);
        EXPECT_EQ(rig.screen.count("results"), 0);
    }
}

TEST(ChangingDistance, AMissingPictureIsReportedOnceTheDistanceHasChanged) {
    for (const char* missing : {"nextar.bmp", "70.bmp"}) {
        EngineRig rig;
        rig.random.setFallback(kSteady);
        rig.screen.missingFiles.insert(missing);
        rig.state = {.Competitors = FieldWithHumans({0}), .RoundType = 3, .Distance = 90};
        rig.state.Competitors[1].IsComputer = true;
        rig.state.EndNumber = 6;
        rig.state.ArrowsLeft = 1;
        rig.state.EndScores = {0, 5, 5, 5, 5, 5, 5};
        rig.state.MatchUnderWay = true;
        EXPECT_THROW(rig.engine.NextarrowClick(), PictureError) << missing;
        EXPECT_EQ(rig.state.Distance, 70) << missing;
        EXPECT_EQ(rig.state.EndScores, (std::array<int32_t, 7>{})) << missing;
        EXPECT_EQ(rig.screen.count("results"), 1) << missing;
        EXPECT_EQ(rig.screen.effects.back(), "label SadaCount=1") << missing;
    }
}

TEST(ResultsClosed, ResumesAimingEndsTheMatchOrLeavesADemoAlone) {
    EngineRig rig;
    rig.state.Distance = 50;
    rig.engine.ResultsClosed();
    EXPECT_EQ(rig.screen.effects, Effects{"timer on"});

    rig.screen.effects.clear();
    rig.state.Distance = 0;
    rig.engine.ResultsClosed();
    EXPECT_EQ(rig.screen.effects, Effects{"nextarrow off"});
    EXPECT_EQ(rig.state.Distance, 30);

    rig.screen.effects.clear();
    rig.state.DemoMode = true;
    for (int32_t distance : {0, 50}) {
        rig.state.Distance = distance;
        rig.engine.ResultsClosed();
        EXPECT_EQ(rig.state.Distance, distance);
    }
    EXPECT_TRUE(rig.screen.effects.empty());
}

}  // namespace
