#include <gtest/gtest.h>

#include "rules/formats/EncodedText.h"
#include "rules/formats/PictureError.h"
#include "support/EngineRig.h"

namespace {

using Effects = std::vector<std::string>;

Effects MarkersAtRest() {
    Effects effects;
    for (int n = 1; n <= 6; ++n) {
        const Point rest = kMarkerRest[static_cast<std::size_t>(n - 1)];
        effects.push_back("marker " + std::to_string(n) + " " + std::to_string(rest.x) + "," +
                          std::to_string(rest.y));
    }
    return effects;
}

// What a finished or interrupted match leaves behind.
void Dirty(MatchState& state) {
    state.Scores[0].Score30 = 300;
    state.Scores[149].Misses = 4;
    state.EndScores = {0, 9, 8, 7, 6, 5, 4};
    state.Distance = 30;
    state.EndNumber = 9;
    state.CurrentCompetitor = 12;
}

TEST(StartMatch, ShowsTheFirstHumanAtTheFirstDistance) {
    EngineRig rig;
    Dirty(rig.state);
    rig.engine.StartMatch(3, FieldWithHumans({37}));
    Effects expected = {"picture Tercov=90.bmp", "label PlName=Lukostrelec 37",
                        "label Club=Klub 37",    "label Celkem=0",
                        "label Vzdalenost=90 m", "label SadaCount=1",
                        "nextarrow on"};
    for (const std::string& e : MarkersAtRest()) expected.push_back(e);
    EXPECT_EQ(rig.screen.effects, expected);
    const MatchState& s = rig.state;
    EXPECT_EQ(s.RoundType, 3);
    EXPECT_EQ(s.Competitors[37].Name, "Lukostrelec 37");
    EXPECT_EQ(s.Distance, 90);
    EXPECT_EQ(s.ArrowsLeft, 7);
    EXPECT_EQ(s.EndNumber, 1);
    EXPECT_EQ(s.CurrentCompetitor, 37);
    EXPECT_FALSE(s.DemoMode);
    EXPECT_TRUE(s.MatchUnderWay);
    EXPECT_TRUE(s.NextarrowEnabled);
    EXPECT_EQ(s.Scores, ScoreTable{});
    EXPECT_EQ(s.EndScores, (std::array<int32_t, 7>{}));
    EXPECT_TRUE(rig.random.asked().empty());
}

TEST(StartMatch, EachRoundBeginsAtItsFirstDistance) {
    for (const Round& round : kRounds) {
        const DistanceStage& first = round.stages().front();
        EngineRig rig;
        rig.engine.StartMatch(round.type, FieldWithHumans({0}));
        EXPECT_EQ(rig.state.Distance, first.metres());
        // The first next-arrow action counts down to arrow 1 of the end.
        EXPECT_EQ(rig.state.ArrowsLeft, first.arrowsPerEnd + 1);
        EXPECT_EQ(rig.screen.effects.front(),
                  std::string("picture Tercov=") + first.target.picture);
    }
}

TEST(StartMatch, WithoutHumansAnnouncesADemo) {
    EngineRig rig;
    Dirty(rig.state);
    rig.engine.StartMatch(4, CompetitorTable{});
    ASSERT_EQ(rig.screen.count("message "), 1);
    const std::string& message = rig.screen.effects[1];
    const std::size_t bar = message.find('|');
    EXPECT_EQ(Utf8Text{message.substr(8, bar - 8)}, u8"Upozornění.");
    EXPECT_EQ(Utf8Text{message.substr(bar + 1)},
              u8"Toto bude demo bez lidí. Na další sadu stiskněte 'd' !");
    EXPECT_EQ(rig.screen.count("label"), 0);
    EXPECT_TRUE(rig.state.DemoMode);
    EXPECT_EQ(rig.state.CurrentCompetitor, 0);
    EXPECT_TRUE(rig.state.NextarrowEnabled);
    EXPECT_TRUE(rig.state.MatchUnderWay);
}

TEST(StartMatch, ATargetThatCannotBeLoadedLeavesNoMatchUnderWay) {
    EngineRig rig;
    rig.state.MatchUnderWay = true;
    rig.state.NextarrowEnabled = true;
    rig.screen.missingFiles.insert("70.bmp");
    EXPECT_THROW(rig.engine.StartMatch(4, FieldWithHumans({3})), PictureError);
    EXPECT_FALSE(rig.state.MatchUnderWay);
    EXPECT_FALSE(rig.state.NextarrowEnabled);
    rig.screen.effects.clear();
    rig.press(kVkNext);
    rig.engine.NextarrowClick();
    EXPECT_TRUE(rig.screen.effects.empty());
    EXPECT_EQ(rig.state.ArrowsLeft, 7);
}

TEST(StartMatch, PutsDownAnArrowStillAimedAndIgnoresUnknownRounds) {
    EngineRig rig;
    rig.state.TimerRunning = true;
    rig.engine.StartMatch(0, FieldWithHumans({3}));
    rig.engine.StartMatch(5, FieldWithHumans({3}));
    EXPECT_TRUE(rig.screen.effects.empty());
    EXPECT_FALSE(rig.state.MatchUnderWay);
    rig.engine.StartMatch(1, FieldWithHumans({3}));
    EXPECT_EQ(rig.screen.effects.front(), "timer off");
    EXPECT_FALSE(rig.state.TimerRunning);
}

}  // namespace
