#include "rules/history/Handicaps.h"

#include <gtest/gtest.h>

#include "support/EvasHistory.h"

namespace {

// Eva's four matches and a fifth; the handicaps beside them were worked out from the scheme's
// formulas apart from the game:
//   1 short men's round, finished: 50 m 300, 30 m 320 (620)           handicap 33
//   2 short men's round, never finished: 50 m 330                      none
//   3 full men's round, finished: 90 m 250, 70 m 280, 50 m 300, 30 m 330 (1160)   34
//   4 short men's round, finished: 50 m 300, 30 m 340 (640)           29
//   5 short men's round, finished, with an impossible 400 at 30 m     none
// Adam beside her in match 1, and a computer archer under her name in match 4.
History KnownHistory() {
    History h = EvasFourMatches();
    h.matches.push_back({5, "2026-01-05T10:00:00+01:00", "2026-01-05T11:00:00+01:00", 1});
    h.results.insert(h.results.end(), {{1, u8"Adam", u8"SK", true, 50, 360},
                                       {4, u8"Eva", u8"SK", false, 30, 10},
                                       EvaResult(5, 50, 300),
                                       EvaResult(5, 30, 400)});
    return h;
}

const ArcherKey kEva{u8"Eva", u8"SK"};

Shoot Practice(int32_t metres, int32_t arrows, int64_t score) {
    return {.practice = true, .distances = {{metres, arrows, score}}};
}

TEST(Handicaps, OfEachShootFromItsDistanceScores) {
    const std::vector<Shoot> shoots = ShootsOf(KnownHistory(), kEva);
    std::vector<std::optional<int32_t>> handicaps;
    for (const Shoot& s : shoots) handicaps.push_back(ShootHandicap(s));
    // The unfinished match is no shoot; the impossible score gives none.
    EXPECT_EQ(handicaps, (std::vector<std::optional<int32_t>>{33, 34, 29, std::nullopt}));

    struct Case {
        const char* what;
        Shoot shoot;
        std::optional<int32_t> handicap;
    };
    const Case cases[] = {
        {"practice of 12 arrows", Practice(30, 12, 100), 47},
        {"practice of 9 arrows", Practice(30, 9, 80), std::nullopt},
        {"negative score", {.distances = {{30, 36, -1}}}, std::nullopt},
        {"score above 10 an arrow", Practice(50, 12, 121), std::nullopt},
        {"distance the game does not have", Practice(18, 36, 300), std::nullopt},
        {"nothing hit", Practice(30, 36, 0), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ShootHandicap(c.shoot), c.handicap) << c.what;
}

TEST(Handicaps, CurrentIsTheMeanOfTheLatestThreeRoundedUp) {
    const HandicapProgress progress = HandicapProgressOf(KnownHistory(), kEva);
    ASSERT_EQ(progress.shoots.size(), 4u);
    // (33 + 34 + 29) / 3 = 32; before match 4: (33 + 34) / 2 = 33.5, rounded up, provisional.
    EXPECT_EQ(progress.current, (CurrentHandicap{32, false}));
    EXPECT_EQ(progress.beforeLast, (CurrentHandicap{34, true}));
    ASSERT_TRUE(progress.last);
    EXPECT_EQ(progress.last->shoot.matchId, 4);
    EXPECT_TRUE(progress.lastImproved());

    std::vector<Shoot> first = ShootsOf(KnownHistory(), kEva);
    first.resize(1);
    const HandicapProgress one = HandicapProgressOf(first);
    EXPECT_EQ(one.current, (CurrentHandicap{33, true}));
    EXPECT_FALSE(one.beforeLast);
    EXPECT_FALSE(one.lastImproved());

    EXPECT_FALSE(HandicapProgressOf(KnownHistory(), {u8"Eva", u8"TJ"}).current);
}

TEST(Handicaps, PracticeCountsAmongTheShoots) {
    std::vector<Shoot> shoots = ShootsOf(KnownHistory(), kEva);
    // Between matches 3 and 4: a session of 12 arrows (47) and one too short to count.
    shoots.insert(shoots.begin() + 2, {Practice(30, 12, 100), Practice(30, 9, 90)});
    const HandicapProgress progress = HandicapProgressOf(shoots);
    // 34, 47 and 29: 110 / 3 = 36.67, rounded up.
    EXPECT_EQ(progress.current, (CurrentHandicap{37, false}));
    EXPECT_EQ(progress.beforeLast, (CurrentHandicap{38, false}));  // (33 + 34 + 47) / 3
    EXPECT_TRUE(progress.lastImproved());
}

TEST(Handicaps, PracticeIsReadFromTheArrowsOfFinishedSessions) {
    History history = KnownHistory();
    auto session = [&](int64_t id, bool finished, int32_t arrows, int32_t each) {
        history.matches.push_back(
            {.id = id,
             .started = "2026-01-0" + std::to_string(id) + "T18:00:00+01:00",
             .finished = finished ? std::optional<std::string>("x") : std::nullopt,
             .practice = true});
        for (int32_t i = 0; i < arrows; ++i) {
            history.arrows.push_back({.matchId = id,
                                      .archer = u8"Eva",
                                      .club = u8"SK",
                                      .distance = 30,
                                      .score = i == 0 ? 0 : each,
                                      .shot = i != 0});
        }
    };
    session(6, true, 12, 9);    // 99 in 12 arrows, the first lost to the clock
    session(7, false, 12, 10);  // never finished
    session(8, true, 11, 10);   // too short
    const std::vector<Shoot> shoots = ShootsOf(history, kEva);
    ASSERT_EQ(shoots.size(), 6u);
    EXPECT_TRUE(shoots[4].practice);
    EXPECT_EQ(shoots[4].distances.front().arrows, 12);
    EXPECT_EQ(shoots[4].distances.front().score, 99);
    EXPECT_EQ(ShootHandicap(shoots[4]), ShootHandicap(Practice(30, 12, 99)));
    EXPECT_FALSE(ShootHandicap(shoots[5]));
}

TEST(Handicaps, BestAmongTheFieldsHumans) {
    History history = KnownHistory();
    history.matches.push_back({6, "2026-01-06T10:00:00+01:00", "2026-01-06T11:00:00+01:00", 1});
    history.results.push_back({6, Utf8Text{"Ji\xC5\x99\xC3\xAD"}, Utf8Text{}, true, 50, 200});
    history.results.push_back({6, Utf8Text{"Ji\xC5\x99\xC3\xAD"}, Utf8Text{}, true, 30, 250});
    CompetitorTable field;
    field[3] = {"Eva", "SK", {}, false};
    field[7] = {"Ji\xF8\xED", "", {}, false};  // cp1250, as the match holds it
    field[9] = {"Adam", "SK", {}, true};       // a computer archer has no handicap here
    // Whose practice arrows the history must hold, in the history's UTF-8.
    EXPECT_EQ(HumanArchersOf(field),
              (std::vector<ArcherKey>{{u8"Eva", u8"SK"}, {Utf8Text{"Ji\xC5\x99\xC3\xAD"}, {}}}));
    EXPECT_EQ(BestHumanHandicap(history, field), 32);
    field[3].IsComputer = true;
    EXPECT_EQ(BestHumanHandicap(history, field), 56);  // 450 in the short round
    field[7].IsComputer = true;
    EXPECT_FALSE(BestHumanHandicap(history, field));
}

}  // namespace
