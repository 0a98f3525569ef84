#include <gtest/gtest.h>

#include <limits>

#include "rules/history/Statistics.h"
#include "support/EvasHistory.h"

namespace {

// Eva's four matches, with Adam beside her in match 1 (50 m 310, 30 m 300) and a computer
// archer in match 4. Eva's arrows: two ends at 30 m in match 1 (10 10 9, 10 0 8), one whole end
// at 50 m in match 4 (10 10 10) and an end of match 4 left at two arrows (10 10).
History KnownHistory() {
    History h = EvasFourMatches();
    h.results.insert(h.results.end(), {{1, u8"Adam", u8"SK", true, 50, 310},
                                       {1, u8"Adam", u8"SK", true, 30, 300},
                                       {4, u8"Robot", u8"", false, 30, 360}});
    h.arrows = {EvaArrow(1, 30, 1, 1, 10), EvaArrow(1, 30, 1, 2, 10), EvaArrow(1, 30, 1, 3, 9),
                EvaArrow(1, 30, 2, 1, 10), EvaArrow(1, 30, 2, 2, 0),  EvaArrow(1, 30, 2, 3, 8),
                EvaArrow(4, 50, 1, 1, 10), EvaArrow(4, 50, 1, 2, 10), EvaArrow(4, 50, 1, 3, 10),
                EvaArrow(4, 50, 2, 1, 10), EvaArrow(4, 50, 2, 2, 10)};
    return h;
}

const ArcherKey kEva{u8"Eva", u8"SK"};

TEST(Statistics, PersonalBestsCarryTheirDateAndTheMarkOfTheLastMatch) {
    const ArcherStatistics all = ComputeStatistics(KnownHistory(), kEva, kAllRounds);
    ASSERT_EQ(all.lastMatchId, 4);
    // Round 1: 620 in match 1, 640 in match 4; the unfinished match 2 has no total.
    EXPECT_EQ(all.bests.matchTotal.at(1).score, 640);
    EXPECT_EQ(all.bests.matchTotal.at(1).date, "2026-01-04T10:00:00+01:00");
    EXPECT_TRUE(all.bests.matchTotal.at(1).inLastMatch);
    EXPECT_EQ(all.bests.matchTotal.at(3).score, 1160);
    EXPECT_FALSE(all.bests.matchTotal.at(3).inLastMatch);
    // A distance counts even in a match never finished; the equal 300 of match 4 takes nothing.
    EXPECT_EQ(all.bests.distance.at(50).score, 330);
    EXPECT_EQ(all.bests.distance.at(50).matchId, 2);
    EXPECT_EQ(all.bests.distance.at(30).score, 340);
    EXPECT_TRUE(all.bests.distance.at(30).inLastMatch);
    EXPECT_EQ(all.bests.distance.at(90).score, 250);
    // Best ends: 29 at 30 m (match 1, end 1); 30 at 50 m from the whole end, not the two arrows.
    EXPECT_EQ(all.bests.end.at(30).score.score, 29);
    EXPECT_EQ(all.bests.end.at(30).endNo, 1);
    EXPECT_EQ(all.bests.end.at(50).score.score, 30);
    EXPECT_TRUE(all.bests.end.at(50).score.inLastMatch);
    // The chart: finished matches in order, with their totals.
    ASSERT_EQ(all.totals.size(), 3u);
    EXPECT_EQ(all.totals[0].total, 620);
    EXPECT_EQ(all.totals[1].roundType, 3);
    EXPECT_EQ(all.totals[2].matchId, 4);
}

TEST(Statistics, AveragesAndSharesOverTheArrowsOfTheSelection) {
    const ArcherStatistics all = ComputeStatistics(KnownHistory(), kEva, kAllRounds);
    const Averages& a = all.averages;
    EXPECT_EQ(a.arrows, 11);
    EXPECT_EQ(a.matches, 2);
    EXPECT_DOUBLE_EQ(a.arrowScore.at(30), 47.0 / 6);
    EXPECT_DOUBLE_EQ(a.arrowScore.at(50), 10.0);
    EXPECT_DOUBLE_EQ(a.tensShare, 8.0 / 11);
    EXPECT_DOUBLE_EQ(a.ninesShare, 1.0 / 11);
    EXPECT_DOUBLE_EQ(a.missesShare, 1.0 / 11);

    // The full round alone: no arrows, one match total, its last match is match 3.
    const ArcherStatistics full = ComputeStatistics(KnownHistory(), kEva, 3);
    EXPECT_EQ(full.averages.arrows, 0);
    EXPECT_EQ(full.averages.tensShare, 0.0);
    EXPECT_EQ(full.bests.matchTotal.size(), 1u);
    EXPECT_TRUE(full.bests.matchTotal.at(3).inLastMatch);
    EXPECT_EQ(full.bests.distance.at(50).score, 300);

    // Another archer of the same name in another club is somebody else.
    EXPECT_FALSE(ComputeStatistics(KnownHistory(), {u8"Eva", u8"TJ"}, kAllRounds).lastMatchId);
}

// A damaged or edited file may hold any score; the sums must be the true ones, not wrapped.
TEST(Statistics, ScoresNoGameWritesStillAddUp) {
    constexpr int32_t kHuge = std::numeric_limits<int32_t>::max();
    History h;
    h.matches = {{1, "2026-01-01T10:00:00+01:00", "2026-01-01T11:00:00+01:00", 1}};
    h.results = {{1, u8"Eva", u8"SK", true, 50, kHuge}, {1, u8"Eva", u8"SK", true, 30, kHuge}};
    for (int32_t no = 1; no <= 3; ++no) {
        h.arrows.push_back({.matchId = 1,
                            .archer = u8"Eva",
                            .club = u8"SK",
                            .distance = 30,
                            .endNo = 1,
                            .arrowNo = no,
                            .score = kHuge});
    }
    const ArcherStatistics stats = ComputeStatistics(h, kEva, kAllRounds);
    EXPECT_EQ(stats.bests.matchTotal.at(1).score, 2 * int64_t{kHuge});
    ASSERT_EQ(stats.totals.size(), 1u);
    EXPECT_EQ(stats.totals[0].total, 2 * int64_t{kHuge});
    EXPECT_EQ(stats.bests.end.at(30).score.score, 3 * int64_t{kHuge});
    EXPECT_DOUBLE_EQ(stats.averages.arrowScore.at(30), kHuge);
}

TEST(Statistics, TheLastFinishedMatchWithAHumanIsShownFirst) {
    History h = KnownHistory();
    // The final places of match 4 put Eva first among the humans.
    h.results.push_back({4, u8"Adam", u8"SK", true, 30, 100, 0, 0, 0, 3});
    h.results[10].rank = 2;
    const std::optional<MatchChoice> choice = LastHumanMatch(h);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->matchId, 4);
    EXPECT_EQ(choice->roundType, 1);
    EXPECT_EQ(choice->archer, kEva);
    // A demo match afterwards has no human: match 4 stays the one.
    h.matches.push_back({5, "2026-01-05T10:00:00+01:00", "2026-01-05T10:01:00+01:00", 2});
    h.results.push_back({5, u8"Robot", u8"", false, 30, 300, 0, 0, 0, 1});
    EXPECT_EQ(LastHumanMatch(h)->matchId, 4);
    EXPECT_FALSE(LastHumanMatch(History{}));
}

}  // namespace

namespace {

// The known history with Eva's practice mixed in: session 5 at 30 m (two ends, 10 10 10 and
// 10 + two arrows lost to the clock) finished, session 6 at 30 m (one end, 9 9 9) finished,
// session 7 at 70 m left unfinished after one end of 10s.
History WithPractice() {
    History h = KnownHistory();
    auto session = [](int64_t id, std::optional<std::string> finished) {
        return MatchRecord{.id = id,
                           .started = "2026-02-0" + std::to_string(id) + "T10:00:00+01:00",
                           .finished = std::move(finished),
                           .competitors = 1,
                           .practice = true};
    };
    h.matches.push_back(session(5, "2026-02-05T10:20:00+01:00"));
    h.matches.push_back(session(6, "2026-02-06T10:20:00+01:00"));
    h.matches.push_back(session(7, std::nullopt));
    for (int32_t no = 1; no <= 3; ++no) h.arrows.push_back(EvaArrow(5, 30, 1, no, 10));
    h.arrows.push_back(EvaArrow(5, 30, 2, 1, 10));
    h.arrows.push_back(EvaArrow(5, 30, 2, 2, 0, false));
    h.arrows.push_back(EvaArrow(5, 30, 2, 3, 0, false));
    for (int32_t no = 1; no <= 3; ++no) h.arrows.push_back(EvaArrow(6, 30, 1, no, 9));
    for (int32_t no = 1; no <= 6; ++no) h.arrows.push_back(EvaArrow(7, 70, 1, no, 10));
    return h;
}

TEST(Statistics, PracticeKeepsItsOwnBestsAndNeverTouchesTheRounds) {
    const History h = WithPractice();
    // The rounds see exactly what they saw without practice.
    for (int32_t filter : {kAllRounds, 1, 3}) {
        const ArcherStatistics plain = ComputeStatistics(KnownHistory(), kEva, filter);
        const ArcherStatistics mixed = ComputeStatistics(h, kEva, filter);
        EXPECT_EQ(mixed.averages.arrows, plain.averages.arrows) << filter;
        EXPECT_EQ(mixed.bests.end.size(), plain.bests.end.size());
        EXPECT_EQ(mixed.totals.size(), plain.totals.size());
        EXPECT_EQ(mixed.lastMatchId, plain.lastMatchId);
        EXPECT_TRUE(mixed.bests.practiceTotal.empty());
    }

    const ArcherStatistics practice = ComputeStatistics(h, kEva, kAllPractice);
    EXPECT_TRUE(practice.bests.matchTotal.empty());
    EXPECT_TRUE(practice.bests.distance.empty());
    EXPECT_EQ(practice.averages.arrows, 15);
    EXPECT_EQ(practice.averages.matches, 3);
    EXPECT_DOUBLE_EQ(practice.averages.missesShare, 2.0 / 15);  // the two lost arrows
    EXPECT_DOUBLE_EQ(practice.averages.arrowScore.at(30), (40.0 + 27) / 9);
    // Best session per distance and number of ends: only finished sessions have one.
    ASSERT_EQ(practice.bests.practiceTotal.size(), 2u);
    EXPECT_EQ((practice.bests.practiceTotal.at({30, 2}).score), 40);
    EXPECT_EQ((practice.bests.practiceTotal.at({30, 1}).score), 27);
    EXPECT_EQ(practice.bests.end.at(30).score.score, 30);
    EXPECT_EQ(practice.bests.end.at(70).score.score, 60);
    ASSERT_EQ(practice.totals.size(), 2u);
    EXPECT_TRUE(practice.totals[0].practice);
    EXPECT_EQ(practice.totals[0].distance, 30);
    EXPECT_EQ(practice.lastMatchId, 7);

    const ArcherStatistics at70 = ComputeStatistics(h, kEva, PracticeFilter(70));
    EXPECT_EQ(at70.averages.arrows, 6);
    EXPECT_TRUE(at70.totals.empty());
    EXPECT_FALSE(at70.bests.end.contains(30));
}

// Brackets 8 (finished, 3rd), 9 (finished, 1st, but Adam's) and 10 (unfinished, her bouts all
// won): her arrows there count toward no round.
TEST(Statistics, BoutsAreTalliedApartAndTheBestFinishIsOfAFinishedBracket) {
    History h = KnownHistory();
    const ArcherStatistics plain = ComputeStatistics(h, kEva, kAllRounds);
    for (int64_t id : {8, 9, 10}) {
        h.matches.push_back({.id = id,
                             .started = "2026-03-0" + std::to_string(id - 7),
                             .matchplay = true,
                             .place = id == 10 ? std::nullopt : std::optional(id == 8 ? 3 : 1)});
        if (id != 10) h.matches.back().finished = h.matches.back().started;
        h.arrows.push_back(EvaArrow(id, 70, 1, 1, 10));
    }
    h.bouts = {{8, u8"Eva", u8"SK", true},  {8, u8"Eva", u8"SK", false},
               {8, u8"Eva", u8"SK", true},  {9, u8"Adam", u8"SK", true},
               {10, u8"Eva", u8"SK", true}, {10, u8"Eva", u8"", false}};
    EXPECT_EQ(BoutTallyOf(h, kEva), (BoutTally{.won = 3, .lost = 1, .bestPlace = 3}));
    EXPECT_EQ(BoutTallyOf(h, {u8"Adam", u8"SK"}), (BoutTally{.won = 1, .lost = 0, .bestPlace = 1}));
    EXPECT_EQ(BoutTallyOf(KnownHistory(), kEva), BoutTally{});
    EXPECT_EQ(ComputeStatistics(h, kEva, kAllRounds).averages.arrows, plain.averages.arrows);
}

}  // namespace
