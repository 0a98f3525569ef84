#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "platform/history/HistoryReader.h"
#include "platform/history/SqliteMatchLog.h"
#include "rules/formats/Utf8.h"
#include "rules/history/PathBlob.h"
#include "rules/match/Rounds.h"
#include "support/EngineRig.h"
#include "support/HistoryFiles.h"

namespace {

struct RecordedMatch {
    int32_t roundType;
    std::vector<int> humans;  // slots; empty for a demo
};

void PrintTo(const RecordedMatch& c, std::ostream* os) {
    *os << "round " << c.roundType << ", humans " << c.humans.size();
}

constexpr int kComputerSlot = 140;

struct Recording : ::testing::TestWithParam<RecordedMatch>, EngineRig {
    TempFolder folder;
    std::string path = folder.file("historie.db");

    // A whole match by keys alone; the draw varies with the arrow so that scores differ.
    void play(MatchLog& log) {
        random.setFallback(kSteady);
        state.Difficulty = kDifficultyWorldClass;
        engine.SetMatchLog(log);
        CompetitorTable field = FieldWithHumans({});
        for (int slot : GetParam().humans) field[slot] = FieldWithHumans({slot})[slot];
        field[kComputerSlot] = {"Robot", "", {60, 60, 60, 60}, true};
        engine.StartMatch(GetParam().roundType, field);
        int shots = 0;
        while (state.MatchUnderWay && shots < 5000) {
            if (!state.TimerRunning) {
                press(kVkNext);
                continue;
            }
            constexpr int kFactors[] = {100, 80, 40, 20, 100, 0, 80};
            shootSteadyArrow(kFactors[shots++ % 7]);
        }
    }
};

TEST_P(Recording, ArrowsInTheDatabaseAddUpToTheResults) {
    {
        SqliteMatchLog log(path);
        ASSERT_EQ(log.state(), HistoryState::Ready);
        play(log);
        EXPECT_EQ(log.pendingWrites(), 0u);
    }
    ASSERT_FALSE(state.MatchUnderWay);
    const Round round = *findRound(GetParam().roundType);

    HistoryReader reader(path);
    History history;
    ASSERT_TRUE(reader.readMatches(history));
    ASSERT_EQ(history.matches.size(), 1u);
    const MatchRecord& match = history.matches[0];
    EXPECT_TRUE(match.finished.has_value());
    EXPECT_EQ(match.roundType, round.type);
    EXPECT_EQ(match.competitors, static_cast<int32_t>(GetParam().humans.size()) + 1);
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM results"),
              match.competitors * static_cast<int32_t>(round.stages().size()));
    EXPECT_EQ(history.results.size(), GetParam().humans.size() * round.stages().size());

    std::vector<KnownArcher> archers;
    ASSERT_TRUE(reader.readArchers(archers));
    EXPECT_EQ(archers.size(), GetParam().humans.size());
    for (int slot : GetParam().humans) {
        const CompetitorRecord& human = state.Competitors[slot];
        const ScoreRecord& listed = state.Scores[slot];
        // The history holds the names in UTF-8, the match in cp1250.
        const ArcherKey key{ToUtf8(Cp1250Text{human.Name}), ToUtf8(Cp1250Text{human.Club})};
        std::vector<ArrowRecord> arrows;
        ASSERT_TRUE(reader.readArrows(key, true, arrows));
        EXPECT_EQ(static_cast<int32_t>(arrows.size()), round.arrows());

        std::map<int32_t, int32_t> byDistance;
        int32_t tens = 0, total = 0;
        for (const ArrowRecord& a : arrows) {
            byDistance[a.distance] += a.score;
            tens += a.score == 10;
            total += a.score;
            // One place per tick and one where the arrow was nocked.
            EXPECT_EQ(DecodePath(a.pathBlob).points.size(), static_cast<std::size_t>(a.ticks + 1));
            EXPECT_EQ(DecodeDraw(a.drawBlob).lefts.size(), static_cast<std::size_t>(a.ticks + 1));
        }
        EXPECT_EQ(total, static_cast<int32_t>(round.total(listed)));
        EXPECT_EQ(tens, listed.Tens);
        int32_t hits = 0, resultTens = 0, nines = 0;
        for (const ResultRecord& r : history.results) {
            if (r.archer != key.name) continue;
            EXPECT_TRUE(r.human);
            EXPECT_EQ(r.score, byDistance[r.distance]) << r.distance;
            hits += r.hits;
            resultTens += r.tens;
            nines += r.nines;
        }
        // The listing's columns H., 10 and 9.
        EXPECT_EQ(hits, round.arrows() - listed.Misses);
        EXPECT_EQ(resultTens, listed.Tens);
        EXPECT_EQ(nines, listed.Nines);
        for (const DistanceStage& stage : round.stages())
            EXPECT_EQ(byDistance[stage.metres()], listed.*stage.scoreField) << stage.metres();
    }
    // The ranks after the last distance place the field by its totals: 1 to the field's size,
    // each once, and never a lower total above a higher one.
    const auto field = QueryRows(path,
                                 "SELECT r.rank, (SELECT sum(score) FROM results t WHERE "
                                 "t.archer = r.archer AND t.club = r.club) FROM results r WHERE "
                                 "r.distance = (SELECT distance FROM results ORDER BY rowid DESC "
                                 "LIMIT 1) ORDER BY r.rank");
    ASSERT_EQ(static_cast<int32_t>(field.size()), match.competitors);
    for (std::size_t place = 0; place < field.size(); ++place) {
        EXPECT_EQ(field[place][0], std::to_string(place + 1));
        if (place > 0) {
            EXPECT_GE(std::stoi(field[place - 1][1]), std::stoi(field[place][1]));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryRound, Recording,
                         ::testing::Values(RecordedMatch{3, {4}}, RecordedMatch{4, {0, 7}},
                                           RecordedMatch{1, {2, 5, 9}}, RecordedMatch{2, {}}));

TEST(Recording, AMatchReplacedByANewOneStaysUnfinishedWithItsWholeEnds) {
    TempFolder folder;
    const std::string path = folder.file("historie.db");
    {
        SqliteMatchLog log(path);
        EngineRig rig;
        rig.random.setFallback(kSteady);
        rig.engine.SetMatchLog(log);
        rig.engine.StartMatch(3, FieldWithHumans({0}));
        for (int arrow = 0; arrow < 8; ++arrow) {  // one end of six and two arrows of the next
            rig.press(kVkNext);
            rig.shootSteadyArrow(100);
        }
        rig.engine.StartMatch(1, FieldWithHumans({0}));
    }
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM matches"), 2);
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM matches WHERE finished IS NULL"), 2);
    EXPECT_EQ(QueryInt(path, "SELECT count(*) FROM arrows"), 6);
    EXPECT_EQ(QueryInt(path, "SELECT sum(score) FROM arrows"), 60);
}

}  // namespace
