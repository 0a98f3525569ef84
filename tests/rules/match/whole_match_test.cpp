#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "support/EngineRig.h"

namespace {

struct MatchCase {
    int32_t roundType;
    std::vector<int> humans;  // slots; empty for a demo
};

void PrintTo(const MatchCase& c, std::ostream* os) {
    *os << "round " << c.roundType << ", humans " << c.humans.size();
}

constexpr int kComputerSlot = 140;  // performance 60 everywhere: 216 points a distance
constexpr int kFreeSlot = 145;

// The draw of each arrow, by arrow number; the human listed h-th draws arrow 1 to 20 * h.
int Factor(int h, int32_t arrow) {
    constexpr int kFactors[7] = {0, 0, 80, 100, 40, 20, 100};
    return arrow == 1 ? 20 * h : kFactors[arrow];
}

struct WholeMatch : ::testing::TestWithParam<MatchCase>, EngineRig {
    std::vector<int32_t> distanceAtResults;
    std::map<int32_t, int> arrowsBySlot;
    int actions = 0;

    WholeMatch() {
        random.setFallback(kSteady);
        state.Difficulty = kDifficultyWorldClass;
        screen.onShowResults = [this] {
            distanceAtResults.push_back(state.Distance);
            engine.ResultsClosed();
        };
    }

    int humanIndex(int32_t slot) const {
        const auto& humans = GetParam().humans;
        return static_cast<int>(std::find(humans.begin(), humans.end(), slot) - humans.begin());
    }

    // From "Nová hra" to the last results window, by keys alone.
    void play() {
        CompetitorTable field = FieldWithHumans({});
        for (int slot : GetParam().humans) field[slot] = FieldWithHumans({slot})[slot];
        field[kComputerSlot] = {"Robot", "", {60, 60, 60, 60}, true};
        engine.StartMatch(GetParam().roundType, field);
        while (state.MatchUnderWay && actions < 5000) {
            ++actions;
            if (!state.TimerRunning) {
                press(kVkNext);
                continue;
            }
            ++arrowsBySlot[state.CurrentCompetitor];
            shootSteadyArrow(Factor(humanIndex(state.CurrentCompetitor), state.ArrowsLeft));
        }
    }
};

TEST_P(WholeMatch, RunsFromSetUpToTheLastResults) {
    const MatchCase& c = GetParam();
    play();
    ASSERT_FALSE(state.MatchUnderWay);
    const Round round = *findRound(c.roundType);
    const int distances = static_cast<int>(round.stages().size());

    std::vector<int32_t> expectedResults;
    for (const DistanceStage& stage : round.stages().subspan(1))
        expectedResults.push_back(stage.metres());
    expectedResults.push_back(0);
    EXPECT_EQ(distanceAtResults, expectedResults);
    EXPECT_EQ(screen.count("picture Tercov"), distances);

    int ends = 0;
    int fullDraws = 0;
    ScoreRecord computer;
    ScoreRecord freeSlot;
    for (const DistanceStage& stage : round.stages()) {
        ends += stage.ends;
        computer.*stage.scoreField = 216;
        computer.Tens += 3;
        computer.Nines += 6;
        computer.Misses += 2;
        freeSlot.Misses += 26;
    }
    EXPECT_EQ(state.Scores[kComputerSlot], computer);
    EXPECT_EQ(state.Scores[kFreeSlot], freeSlot);

    for (int h = 0; h < static_cast<int>(c.humans.size()); ++h) {
        const int slot = c.humans[static_cast<std::size_t>(h)];
        EXPECT_EQ(arrowsBySlot[slot], round.arrows()) << slot;
        ScoreRecord expected;
        for (const DistanceStage& stage : round.stages()) {
            const int endsHere = stage.ends;
            for (int32_t arrow = 1; arrow <= stage.arrowsPerEnd; ++arrow) {
                const int factor = Factor(h, arrow);
                expected.*stage.scoreField += endsHere * factor / 10;
                if (factor == 100) expected.Tens += endsHere;
                if (factor == 0) expected.Misses += endsHere;
                if (factor == 100) fullDraws += endsHere;
            }
        }
        EXPECT_EQ(state.Scores[slot], expected) << slot;
    }
    EXPECT_EQ(screen.count("label SoucetSada"), ends * static_cast<int>(c.humans.size()));
    EXPECT_EQ(clicker.ticks, fullDraws);

    if (c.humans.empty()) {
        EXPECT_EQ(actions, distances);  // one D per distance
        EXPECT_EQ(state.Distance, 0);
        EXPECT_EQ(screen.count("timer on"), 0);
    } else {
        EXPECT_EQ(state.Distance, kDistanceOutsideMatch);
        EXPECT_FALSE(state.NextarrowEnabled);
    }

    // The match is over: D and the next-arrow control do nothing.
    const std::size_t effects = screen.effects.size();
    const ScoreTable scores = state.Scores;
    const int32_t arrowsLeft = state.ArrowsLeft;
    const int32_t endNumber = state.EndNumber;
    press(kVkNext);
    engine.NextarrowClick();
    EXPECT_EQ(screen.effects.size(), effects);
    EXPECT_EQ(state.Scores, scores);
    EXPECT_EQ(state.ArrowsLeft, arrowsLeft);
    EXPECT_EQ(state.EndNumber, endNumber);
}

INSTANTIATE_TEST_SUITE_P(EveryRound, WholeMatch,
                         ::testing::Values(MatchCase{3, {4}}, MatchCase{3, {0, 7}},
                                           MatchCase{3, {2, 5, 9}}, MatchCase{4, {149}},
                                           MatchCase{4, {3, 8}}, MatchCase{4, {0, 1, 2}},
                                           MatchCase{1, {6}}, MatchCase{1, {2, 5, 9}},
                                           MatchCase{2, {10, 20}}, MatchCase{3, {}},
                                           MatchCase{4, {}}, MatchCase{1, {}}, MatchCase{2, {}}));

}  // namespace
