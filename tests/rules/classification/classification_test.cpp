#include "rules/classification/Classification.h"

#include <gtest/gtest.h>

#include "rules/match/HandicapDistances.h"
#include "support/ClimbingHistory.h"

namespace {

using A = ArcheryClass;

TEST(ClassTable, HoldsTheSchemesSeniorRecurveClassesAndTheirPublished1440Scores) {
    // Archery GB's 2023 outdoor classes for senior recurve, and the scores it publishes for them
    // on World Archery's 1440 round, the men's full round.
    const struct {
        const char *name, *code;
        int32_t menHandicap, womenHandicap, menMetres, womenMetres, score1440;
    } scheme[] = {
        {"Archer 3rd Class", "A3", 72, 77, 30, 30, 426},
        {"Archer 2nd Class", "A2", 65, 70, 40, 40, 566},
        {"Archer 1st Class", "A1", 58, 63, 50, 50, 717},
        {"Bowman 3rd Class", "B3", 51, 56, 60, 60, 866},
        {"Bowman 2nd Class", "B2", 44, 49, 70, 70, 999},
        {"Bowman 1st Class", "B1", 37, 42, 90, 70, 1110},
        {"Master Bowman", "MB", 30, 35, 90, 70, 1197},
        {"Grand Master Bowman", "GMB", 23, 28, 90, 70, 1266},
        {"Elite Master Bowman", "EMB", 16, 21, 90, 70, 1320},
    };
    ASSERT_EQ(kClasses.size(), std::size(scheme));
    for (std::size_t i = 0; i < kClasses.size(); ++i) {
        const ArcheryClass id = kClasses[i].id;
        EXPECT_STREQ(ClassOf(id).name, scheme[i].name);
        EXPECT_STREQ(ClassOf(id).code, scheme[i].code);
        EXPECT_EQ(ClassHandicap(id, Division::Men), scheme[i].menHandicap) << scheme[i].code;
        EXPECT_EQ(ClassHandicap(id, Division::Women), scheme[i].womenHandicap) << scheme[i].code;
        EXPECT_EQ(ClassMetres(id, Division::Men), scheme[i].menMetres) << scheme[i].code;
        EXPECT_EQ(ClassMetres(id, Division::Women), scheme[i].womenMetres) << scheme[i].code;
        EXPECT_EQ(TableScore(scheme[i].menHandicap, HandicapDistancesOf(3)), scheme[i].score1440);
    }
}

TEST(Classification, ClimbsFromNoneToBowman) {
    const struct {
        int32_t handicap;
        ClassedShoot shoot;
        std::optional<A> held;
        ClassNeed next;
    } steps[] = {
        {60, {A::A2, {}}, {}, {A::A3, 6, 72, 30}},
        {70, {A::A3, {}}, {}, {A::A3, 3, 72, 30}},
        {55, {A::A1, A::A2}, A::A2, {A::A1, 6, 58, 50}},
        {40, {A::B2, A::A1}, A::A1, {A::B3, 6, 51, 60}},
        {37, {A::B1, A::B2}, A::B2, {A::B1, 6, 37, 90}},
    };
    for (std::size_t n = 1; n <= std::size(steps); ++n) {
        const HandicapProgress handicaps = HandicapProgressOf(ClimbShoots(n));
        const ClassProgress p = ClassProgressOf(handicaps);
        EXPECT_EQ(handicaps.shoots.back().handicap, steps[n - 1].handicap) << "shoot " << n;
        EXPECT_EQ(p.shoots.back(), steps[n - 1].shoot) << "shoot " << n;
        EXPECT_EQ(p.held ? std::optional(p.held->id) : std::nullopt, steps[n - 1].held) << n;
        EXPECT_EQ(p.next, steps[n - 1].next) << "shoot " << n;
        if (p.held) {
            EXPECT_EQ(p.held->date, kClimb[p.held->matchId - 1].date) << n;
        }
    }
}

TEST(Classification, TiersTakeTheirArrowsFromTheirShootsInTheirDivision) {
    auto match = [](int32_t type, std::vector<ShootDistance> d) {
        return Shoot{.roundType = type, .distances = std::move(d)};
    };
    auto practice = [](int32_t metres, int32_t arrows) {
        return Shoot{.practice = true, .distances = {{metres, arrows}}};
    };
    const Shoot full = match(3, {{90, 36}, {70, 36}, {50, 36}, {30, 36}});
    const Shoot fullWomen = match(4, {{70, 36}, {60, 36}, {50, 36}, {30, 36}});
    const Shoot p36 = practice(30, 36), shortWomen = match(2, {{50, 36}, {30, 36}});
    const struct {
        const char* what;
        std::optional<int32_t> handicap;  // of every shoot
        std::vector<Shoot> shoots;
        std::optional<A> held, next;
        int32_t dozens;  // still missing for the next
    } cases[] = {
        {"nothing shot", 0, {}, {}, A::A3, 12},
        {"no handicap", {}, {full, full, full}, {}, A::A3, 12},
        {"Archer: 12 dozen of practice", 72, {p36, p36, p36, p36}, A::A3, A::A2, 12},
        {"Archer: one dozen short", 72, {p36, p36, practice(30, 60)}, {}, A::A3, 1},
        {"Archer: no session under 36 arrows", 72, {p36, p36, p36, practice(30, 33)}, {}, A::A3, 3},
        {"Bowman: 18 dozen of matches",
         51,
         {full, match(3, {{90, 36}, {70, 36}})},
         A::B3,
         A::B2,
         18},
        {"Bowman: one dozen short", 51, {full, match(3, {{90, 36}, {70, 24}})}, A::A1, A::B3, 1},
        {"Bowman: no practice", 51, {full, practice(90, 72)}, A::A1, A::B3, 6},
        {"Master Bowman: 36 dozen of full rounds", 30, {full, full, full}, A::MB, A::GMB, 36},
        {"Master Bowman: one dozen short",
         30,
         {full, full, match(3, {{90, 36}, {70, 36}, {50, 36}, {30, 24}})},
         A::B1,
         A::MB,
         1},
        {"none above Elite Master Bowman", 16, {full, full, full}, A::EMB, {}, 0},
        {"women's rounds, women's handicaps", 42, {fullWomen, fullWomen}, A::B1, A::MB, 36},
        {"practice after a women's match", 77, {shortWomen, practice(30, 72)}, A::A3, A::A2, 12},
        {"practice before any match: men's", 77, {practice(30, 72), shortWomen}, {}, A::A3, 6},
        {"no ranking round, as head-to-head",
         16,
         {match(0, {{70, 72}}), match(0, {{70, 72}})},
         {},
         A::A3,
         12},
    };
    for (const auto& c : cases) {
        HandicapProgress handicaps;
        for (const Shoot& shoot : c.shoots) handicaps.shoots.push_back({shoot, c.handicap});
        const ClassProgress p = ClassProgressOf(handicaps);
        EXPECT_EQ(p.held ? std::optional(p.held->id) : std::nullopt, c.held) << c.what;
        EXPECT_EQ(p.next ? std::optional(p.next->id) : std::nullopt, c.next) << c.what;
        if (p.next) {
            EXPECT_EQ(p.next->dozens, c.dozens) << c.what;
        }
    }
}

}  // namespace
