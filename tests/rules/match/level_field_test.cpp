#include "rules/match/LevelField.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "rules/handicap/Handicap.h"
#include "rules/history/Handicaps.h"
#include "rules/match/HandicapDistances.h"
#include "support/EngineRig.h"

namespace {

// Performance slots of the full men's round: 90, 70, 50 and 30 m.
const std::vector<std::pair<int32_t, int>> kMensDistances = {{90, 0}, {70, 1}, {50, 2}, {30, 3}};

double ExpectedAt(double handicap, int32_t metres) {
    return ExpectedScore(handicap, std::vector{*HandicapDistanceAt(metres, 36)});
}

// Eleven computer archers in scattered slots, slot 20 the strongest of the list and slot 2 the
// weakest, a human in slot 5 and free slots between.
CompetitorTable ListField() {
    CompetitorTable field = FieldWithHumans({5});
    const int slots[] = {20, 2, 14, 30, 8, 11, 25, 40, 3, 17, 33};
    const int32_t values[] = {90, 10, 60, 55, 70, 30, 75, 45, 40, 80, 50};
    for (int i = 0; i < 11; ++i) {
        field[slots[i]] = {
            "Robot " + std::to_string(i), "", {values[i], values[i] - 5, 60, 70}, true};
    }
    return field;
}

TEST(LevelField, PerformanceValuesRoundTripThroughTheGamesFormula) {
    double previous = -1;
    for (int32_t p = 0; p <= 110; ++p) {
        const double expected = ExpectedComputerScore(p);
        ASSERT_GE(expected, previous) << p;
        ASSERT_LE(expected, 360.0);
        previous = expected;
        // Over the editor's range each value has a score of its own.
        if (p >= 5 && p <= 94) {
            ASSERT_EQ(PerformanceForScore(expected), p);
        }
    }
    // Scores lie near 3.6 points a value: 60 gives 216 when the draw is 0.
    EXPECT_NEAR(ExpectedComputerScore(60), 216.0, 1.0);
    EXPECT_EQ(ExpectedComputerScore(110), 360.0);
    EXPECT_EQ(PerformanceForScore(360.0), 105);
}

TEST(LevelField, SpreadsTheComputersEvenlyAroundTheHandicapInTheirOwnOrder) {
    const CompetitorTable field = ListField();
    const CompetitorTable before = field;
    constexpr int32_t kPlayer = 40;
    const PerformanceTable table = FieldPerformanceAt(field, 3, kPlayer);
    EXPECT_EQ(field, before);

    // The computers from the strongest of the list to the weakest.
    std::vector<int> order;
    for (int slot = 0; slot < kCompetitorSlots; ++slot) {
        if (field[slot].IsComputer && !field[slot].isFree()) order.push_back(slot);
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const auto& pa = field[a].Performance;
        const auto& pb = field[b].Performance;
        return std::accumulate(pa.begin(), pa.end(), 0) > std::accumulate(pb.begin(), pb.end(), 0);
    });
    ASSERT_EQ(order.size(), 11u);
    ASSERT_EQ(order.front(), 20);
    ASSERT_EQ(order.back(), 2);

    // Archer i of 11 stands for handicap 25 + 3 i; what his values give on average lies within
    // half a value's step (1.8 points) of that handicap's expected score at every distance.
    for (std::size_t i = 0; i < order.size(); ++i) {
        const double handicap = kPlayer - kFieldHandicapReach + 3.0 * static_cast<double>(i);
        for (const auto& [metres, index] : kMensDistances) {
            EXPECT_NEAR(ExpectedComputerScore(table[order[i]][index]), ExpectedAt(handicap, metres),
                        1.81)
                << "place " << i << ", " << metres << " m";
        }
    }
    // The human and the free slots keep the list's values.
    EXPECT_EQ(table[5], field[5].Performance);
    EXPECT_EQ(table[0], field[0].Performance);
}

TEST(LevelField, ALoneComputerShootsAtThePlayersLevel) {
    CompetitorTable field = FieldWithHumans({0});
    field[1] = {"Robot", "", {20, 20, 20, 20}, true};
    const PerformanceTable table = FieldPerformanceAt(field, 1, 60);
    // The short round uses the values for 50 and 30 m only.
    EXPECT_EQ(table[1][0], 20);
    EXPECT_EQ(table[1][1], 20);
    EXPECT_NEAR(ExpectedComputerScore(table[1][2]), ExpectedAt(60, 50), 1.81);
    EXPECT_NEAR(ExpectedComputerScore(table[1][3]), ExpectedAt(60, 30), 1.81);
}

// A whole full men's round through the engine: the human's handicap comes from his history,
// the field is levelled around it, and the computers' distance scores centre on what the
// human's handicap expects there.
struct LevelledMatch : EngineRig {
    LevelledMatch() { random.setFallback(kSteady); }
};

TEST(LevelField, AWholeMatchCentresTheComputersOnThePlayersExpectedScores) {
    LevelledMatch rig;
    const CompetitorTable field = ListField();
    History history;
    history.matches = {{1, "2026-01-01T10:00:00+01:00", "2026-01-01T12:00:00+01:00", 1}};
    history.results = {{1, u8"Lukostrelec 5", u8"Klub 5", true, 50, 250},
                       {1, u8"Lukostrelec 5", u8"Klub 5", true, 30, 300}};
    const std::optional<int32_t> handicap = BestHumanHandicap(history, field);
    ASSERT_TRUE(handicap);

    rig.engine.StartMatch(3, field, FieldPerformanceAt(field, 3, *handicap));
    for (int actions = 0; rig.state.MatchUnderWay && actions < 5000; ++actions) {
        if (!rig.state.TimerRunning) {
            rig.press(kVkNext);
        } else {
            rig.shootSteadyArrow(100);
        }
    }
    ASSERT_FALSE(rig.state.MatchUnderWay);
    EXPECT_EQ(rig.state.Competitors, field);  // the list's values stay the list's

    for (auto [metres, scoreOf] : {std::pair{90, &ScoreRecord::Score90},
                                   {70, &ScoreRecord::Score70},
                                   {50, &ScoreRecord::Score50},
                                   {30, &ScoreRecord::Score30}}) {
        std::vector<int32_t> scores;
        for (int slot = 0; slot < kCompetitorSlots; ++slot) {
            if (field[slot].IsComputer && !field[slot].isFree())
                scores.push_back(rig.state.Scores[slot].*scoreOf);
        }
        std::sort(scores.begin(), scores.end());
        const double centre = ExpectedAt(*handicap, metres);
        EXPECT_NEAR(scores[scores.size() / 2], centre, 3.0) << metres << " m";
        EXPECT_LT(scores.front(), centre);
        EXPECT_GT(scores.back(), centre);
    }
}

}  // namespace
