#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/match/Rounds.h"

namespace {

// The rounds as the rules of the game describe them, written out independently of the model:
// distance, arrows per end, ends, which performance value of the competitor file serves it
// (0 = "90/70", 1 = "70/60", 2 = "50", 3 = "30") and the counter it fills.
struct StageReference {
    int32_t metres;
    int32_t arrowsPerEnd;
    int32_t ends;
    int32_t performanceIndex;
    int32_t ScoreRecord::*field;
};

struct RoundReference {
    int32_t type;
    std::string name;
    Division division;
    std::string competitorFile;
    std::vector<StageReference> stages;
};

const std::vector<RoundReference> kReference = {
    {1,
     "VEXA Kr.",
     Division::Men,
     "muzi.luk",
     {{50, 3, 12, 2, &ScoreRecord::Score50}, {30, 3, 12, 3, &ScoreRecord::Score30}}},
    {2,
     "VEXA Kr.",
     Division::Women,
     "zeny.luk",
     {{50, 3, 12, 2, &ScoreRecord::Score50}, {30, 3, 12, 3, &ScoreRecord::Score30}}},
    {3,
     "VEXA",
     Division::Men,
     "muzi.luk",
     {{90, 6, 6, 0, &ScoreRecord::Score90},
      {70, 6, 6, 1, &ScoreRecord::Score70},
      {50, 3, 12, 2, &ScoreRecord::Score50},
      {30, 3, 12, 3, &ScoreRecord::Score30}}},
    {4,
     "VEXA",
     Division::Women,
     "zeny.luk",
     {{70, 6, 6, 0, &ScoreRecord::Score70},
      {60, 6, 6, 1, &ScoreRecord::Score60},
      {50, 3, 12, 2, &ScoreRecord::Score50},
      {30, 3, 12, 3, &ScoreRecord::Score30}}},
};

TEST(Rounds, AreTheGamesRounds) {
    ASSERT_EQ(kRounds.size(), kReference.size());
    for (const RoundReference& expected : kReference) {
        SCOPED_TRACE(expected.type);
        const std::optional<Round> round = findRound(expected.type);
        ASSERT_TRUE(round);
        EXPECT_EQ(round->name, expected.name);
        EXPECT_EQ(round->division, expected.division);
        EXPECT_EQ(round->competitorFile, expected.competitorFile);
        ASSERT_EQ(round->stages().size(), expected.stages.size());
        for (std::size_t i = 0; i < expected.stages.size(); ++i) {
            const DistanceStage& stage = round->stages()[i];
            const StageReference& want = expected.stages[i];
            EXPECT_EQ(stage.metres(), want.metres);
            EXPECT_EQ(stage.arrowsPerEnd, want.arrowsPerEnd);
            EXPECT_EQ(stage.ends, want.ends);
            EXPECT_EQ(stage.performanceIndex, want.performanceIndex);
            EXPECT_EQ(stage.scoreField, want.field);
            EXPECT_EQ(stage.target.picture, std::to_string(want.metres) + ".bmp");
        }
        const std::optional<Round> byName = findRound(expected.name, expected.division);
        ASSERT_TRUE(byName);
        EXPECT_EQ(byName->type, expected.type);
    }
}

TEST(Rounds, HoldTogether) {
    for (const Round& round : kRounds) {
        SCOPED_TRACE(round.type);
        int32_t arrows = 0;
        for (const DistanceStage& stage : round.stages()) {
            EXPECT_EQ(stage.arrows(), kArrowsPerDistance);
            EXPECT_EQ(stage.maxScore(), 10 * kArrowsPerDistance);  // a ten with every arrow
            EXPECT_LE(stage.arrowsPerEnd, kMaxArrowsPerEnd);
            EXPECT_EQ(stage.closingEndNumber(), stage.ends + 1);
            EXPECT_TRUE(findTargetFace(stage.metres()));
            // The division's full round has a record slot and a listing column for it.
            EXPECT_TRUE(FullRound(round.division).stageAt(stage.metres()));
            arrows += stage.arrows();
        }
        EXPECT_EQ(round.arrows(), arrows);
        EXPECT_EQ(round.maxScore(), 10 * arrows);
        EXPECT_EQ(round.stages().back().metres(), kDistanceOutsideMatch);
        EXPECT_EQ(IsFullRound(round), round.name == std::string(kFullRoundName));
    }
}

TEST(Rounds, TheFullRoundsScoreTheMost) {
    EXPECT_EQ(kHighestRoundScore, 4 * 36 * 10);
}

TEST(Rounds, StepFromDistanceToDistanceAndSayWhatTheyDoNotKnow) {
    const Round& men = FullRound(Division::Men);
    const auto stages = men.stages();
    for (std::size_t i = 0; i + 1 < stages.size(); ++i) {
        EXPECT_EQ(men.stageAfter(stages[i].metres())->metres(), stages[i + 1].metres());
        EXPECT_EQ(men.stageAt(stages[i].metres())->metres(), stages[i].metres());
    }
    EXPECT_FALSE(men.stageAfter(stages.back().metres()));
    EXPECT_FALSE(men.stageAt(0));
    EXPECT_FALSE(men.stageAfter(0));
    EXPECT_FALSE(findRound(0));
    EXPECT_FALSE(findRound(static_cast<int32_t>(kRounds.size()) + 1));
    EXPECT_FALSE(findRound("VEXA Kr", Division::Men));
    EXPECT_FALSE(findTargetFace(0));
    EXPECT_FALSE(findTargetFace(40));
}

TEST(Rounds, OfOneDistanceAreRoundsToo) {
    const Round single = MakeRound(0, "", Division::Women, nullptr, {stages::k30});
    EXPECT_EQ(single.total(ScoreRecord{.Score30 = -1, .Score50 = 5}), 0xFFFFFFFFu);
    EXPECT_EQ(single.arrows(), kArrowsPerDistance);
    EXPECT_FALSE(single.stageAfter(30));
}

}  // namespace
