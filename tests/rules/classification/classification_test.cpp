#include "rules/classification/Classification.h"

#include <gtest/gtest.h>

#include "rules/match/HandicapDistances.h"
#include "support/ClimbingHistory.h"

namespace {

using A = ArcheryClass;

TEST(ClassTable, HoldsTheSchemesSeniorRecurveClasses) {
    // Archery GB's 2023 outdoor classes for senior recurve archers, as the scheme prints them.
    const struct {
        const char* name;
        const char* code;
        int32_t menHandicap, womenHandicap, menMetres, womenMetres;
    } scheme[] = {
        {"Archer 3rd Class", "A3", 72, 77, 30, 30},
        {"Archer 2nd Class", "A2", 65, 70, 40, 40},
        {"Archer 1st Class", "A1", 58, 63, 50, 50},
        {"Bowman 3rd Class", "B3", 51, 56, 60, 60},
        {"Bowman 2nd Class", "B2", 44, 49, 70, 70},
        {"Bowman 1st Class", "B1", 37, 42, 90, 70},
        {"Master Bowman", "MB", 30, 35, 90, 70},
        {"Grand Master Bowman", "GMB", 23, 28, 90, 70},
        {"Elite Master Bowman", "EMB", 16, 21, 90, 70},
    };
    // The scores of World Archery's 1440 round, the men's full round, the scheme publishes.
    const int32_t published1440[] = {426, 566, 717, 866, 999, 1110, 1197, 1266, 1320};
    const std::vector<HandicapDistance> men1440 = HandicapDistancesOf(3);
    ASSERT_EQ(kClasses.size(), std::size(scheme));
    for (std::size_t i = 0; i < kClasses.size(); ++i) {
        const ArcheryClass id = kClasses[i].id;
        EXPECT_STREQ(ClassOf(id).name, scheme[i].name);
        EXPECT_STREQ(ClassOf(id).code, scheme[i].code);
        EXPECT_EQ(ClassHandicap(id, Division::Men), scheme[i].menHandicap) << scheme[i].code;
        EXPECT_EQ(ClassHandicap(id, Division::Women), scheme[i].womenHandicap) << scheme[i].code;
        EXPECT_EQ(ClassMetres(id, Division::Men), scheme[i].menMetres) << scheme[i].code;
        EXPECT_EQ(ClassMetres(id, Division::Women), scheme[i].womenMetres) << scheme[i].code;
        EXPECT_EQ(TableScore(ClassHandicap(id, Division::Men), men1440), published1440[i])
            << scheme[i].code;
    }
}

TEST(Classification, ClimbsFromNoneToBowman) {
    struct Step {
        std::optional<int32_t> handicap;
        std::optional<A> counted, earned, held;
        ClassNeed next;
    };
    const Step steps[] = {
        {60, A::A2, {}, {}, {A::A3, 6, 72, 30}},
        {70, A::A3, {}, {}, {A::A3, 3, 72, 30}},
        {55, A::A1, A::A2, A::A2, {A::A1, 6, 58, 50}},
        {40, A::B2, A::A1, A::A1, {A::B3, 6, 51, 60}},
        {37, A::B1, A::B2, A::B2, {A::B1, 6, 37, 90}},
    };
    for (std::size_t n = 1; n <= std::size(steps); ++n) {
        const HandicapProgress handicaps = HandicapProgressOf(ClimbingHistory(n), kClimber);
        const ClassProgress p = ClassProgressOf(handicaps);
        const Step& step = steps[n - 1];
        ASSERT_EQ(p.shoots.size(), n);
        EXPECT_EQ(handicaps.shoots.back().handicap, step.handicap) << "shoot " << n;
        EXPECT_EQ(p.shoots.back().counted, step.counted) << "shoot " << n;
        EXPECT_EQ(p.shoots.back().earned, step.earned) << "shoot " << n;
        EXPECT_EQ(p.held ? std::optional(p.held->id) : std::nullopt, step.held) << "shoot " << n;
        ASSERT_TRUE(p.next) << "shoot " << n;
        EXPECT_EQ(p.next->id, step.next.id) << "shoot " << n;
        EXPECT_EQ(p.next->dozens, step.next.dozens) << "shoot " << n;
        EXPECT_EQ(p.next->handicap, step.next.handicap) << "shoot " << n;
        EXPECT_EQ(p.next->metres, step.next.metres) << "shoot " << n;
    }
    const ClassProgress top = ClassProgressOf(HandicapProgressOf(ClimbingHistory(), kClimber));
    EXPECT_EQ(top.held->matchId, 5);
    EXPECT_EQ(top.held->date, ClimbShoots()[4].date);
    EXPECT_EQ(ClassEarnedIn(ClimbingHistory(), kClimber, 3), A::A2);
    EXPECT_EQ(ClassEarnedIn(ClimbingHistory(), kClimber, 2), std::nullopt);
}

Shoot Match(int32_t roundType, std::vector<ShootDistance> distances) {
    return {.roundType = roundType, .distances = std::move(distances)};
}
Shoot FullMen(int32_t arrowsAt30 = 36) {
    return Match(3, {{90, 36}, {70, 36}, {50, 36}, {30, arrowsAt30}});
}
Shoot FullWomen() {
    return Match(4, {{70, 36}, {60, 36}, {50, 36}, {30, 36}});
}
Shoot ShortWomen() {
    return Match(2, {{50, 36}, {30, 36}});
}
Shoot Practice(int32_t metres, int32_t arrows) {
    return {.practice = true, .distances = {{metres, arrows}}};
}

TEST(Classification, TiersTakeTheirArrowsFromTheirShootsInTheirDivision) {
    struct Case {
        const char* what;
        int32_t handicap;  // of every shoot
        std::vector<Shoot> shoots;
        std::optional<A> held;
        A next;
        int32_t dozens;  // still missing for it
    };
    const Case cases[] = {
        {"Archer: 12 dozen of practice",
         72,
         {Practice(30, 36), Practice(30, 36), Practice(30, 36), Practice(30, 36)},
         A::A3,
         A::A2,
         12},
        {"Archer: one dozen short",
         72,
         {Practice(30, 36), Practice(30, 36), Practice(30, 60)},
         {},
         A::A3,
         1},
        {"Archer: no session under 36 arrows",
         72,
         {Practice(30, 36), Practice(30, 36), Practice(30, 36), Practice(30, 33)},
         {},
         A::A3,
         3},
        {"Bowman: 18 dozen of matches",
         51,
         {FullMen(), Match(3, {{90, 36}, {70, 36}})},
         A::B3,
         A::B2,
         18},
        {"Bowman: one dozen short",
         51,
         {FullMen(), Match(3, {{90, 36}, {70, 24}})},
         A::A1,
         A::B3,
         1},
        {"Bowman: no practice", 51, {FullMen(), Practice(90, 72)}, A::A1, A::B3, 6},
        {"Master Bowman: 36 dozen of full rounds",
         30,
         {FullMen(), FullMen(), FullMen()},
         A::MB,
         A::GMB,
         36},
        {"Master Bowman: one dozen short",
         30,
         {FullMen(), FullMen(), FullMen(24)},
         A::B1,
         A::MB,
         1},
        {"women's rounds at the women's handicaps",
         42,
         {FullWomen(), FullWomen()},
         A::B1,
         A::MB,
         36},
        {"practice after a women's match: the women's",
         77,
         {ShortWomen(), Practice(30, 72)},
         A::A3,
         A::A2,
         12},
        {"practice before any match: the men's",
         77,
         {Practice(30, 72), ShortWomen()},
         {},
         A::A3,
         6},
    };
    for (const Case& c : cases) {
        HandicapProgress handicaps;
        for (const Shoot& shoot : c.shoots) handicaps.shoots.push_back({shoot, c.handicap});
        const ClassProgress p = ClassProgressOf(handicaps);
        EXPECT_EQ(p.held ? std::optional(p.held->id) : std::nullopt, c.held) << c.what;
        ASSERT_TRUE(p.next) << c.what;
        EXPECT_EQ(p.next->id, c.next) << c.what;
        EXPECT_EQ(p.next->dozens, c.dozens) << c.what;
    }
}

TEST(Classification, NoneWithoutAHandicap) {
    History unfinished = ClimbingHistory();
    for (MatchRecord& m : unfinished.matches) m.finished.reset();
    History nothingHit = ClimbingHistory();
    for (ResultRecord& r : nothingHit.results) r.score = 0;
    for (ArrowRecord& a : nothingHit.arrows) a.score = 0;
    for (const History& history : {History{}, unfinished, nothingHit}) {
        const ClassProgress p = ClassProgressOf(HandicapProgressOf(history, kClimber));
        EXPECT_FALSE(p.held);
        ASSERT_TRUE(p.next);
        EXPECT_EQ(p.next->id, A::A3);
        EXPECT_EQ(p.next->dozens, 12);
        EXPECT_EQ(p.next->handicap, 72);
        EXPECT_EQ(p.next->metres, 30);
    }
    HandicapProgress best;
    for (int i = 0; i < 3; ++i) best.shoots.push_back({FullMen(), 0});
    EXPECT_FALSE(ClassProgressOf(best).next);  // nothing above Elite Master Bowman
}

}  // namespace
