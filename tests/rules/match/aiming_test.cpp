#include <gtest/gtest.h>

#include <vector>

#include "support/EngineRig.h"

namespace {

using Effects = std::vector<std::string>;

// An arrow in the air at 50 m: the third of its end, nocked, timer running.
struct Aiming : ::testing::Test, EngineRig {
    Aiming() {
        state.MatchUnderWay = true;
        state.Distance = 50;
        state.ArrowsLeft = 3;
        state.Difficulty = kDifficultyAmateur;
        state.Unsteadiness = 100;
        state.Sight = {100, 100};
        state.ArrowLeft = kArrowNocked;
        state.ClickerArmed = true;
        state.TimerRunning = true;
    }
};

TEST_F(Aiming, SwayGrowsWithUnsteadinessByTheDivisorOfTheLevel) {
    struct Case {
        int32_t difficulty;
        int32_t unsteadiness;
        int32_t asked;  // 2 * amp + 1
    };
    // Levels 1 and 2 add their step before dividing; a level from nowhere sways like level 0.
    for (Case c :
         {Case{3, 200, 5}, Case{2, 310, 15}, Case{0, 100, 5}, Case{3, 100, 3}, Case{1, 149, 7},
          Case{0, 149, 5}, Case{2, 119, 7}, Case{7, 149, 5}, Case{-1, 149, 5}}) {
        ScriptedRandom draws({0, 0});
        MatchState s = state;
        s.Difficulty = c.difficulty;
        s.Unsteadiness = c.unsteadiness;
        MatchEngine e(s, screen, draws, clicker);
        e.Timer1Timer();
        EXPECT_EQ(draws.asked(), (std::vector<int32_t>{c.asked, c.asked}))
            << c.difficulty << " " << c.unsteadiness;
        const int32_t amp = (c.asked - 1) / 2;
        EXPECT_EQ(s.Sight, (Point{100 - amp, 100 - amp}));
    }
}

TEST_F(Aiming, KeysSteerEightPixelsAndOppositeKeysCancel) {
    random = ScriptedRandom({2, 4, 1, 1});  // amp 2: 0 and +2; then amp 1 (99): still
    engine.FormKeyDown(kVkLeft);
    engine.FormKeyDown(kVkRight);
    engine.FormKeyDown(kVkDown);
    engine.Timer1Timer();
    EXPECT_EQ(state.Sight, (Point{100, 110}));
    engine.FormKeyUp(kVkRight);
    engine.FormKeyUp(kVkDown);
    engine.FormKeyDown(kVkUp);
    engine.FormKeyDown(66);  // B is nobody's key
    engine.Timer1Timer();
    EXPECT_EQ(state.Sight, (Point{92, 102}));
    EXPECT_FALSE(state.KeyRight || state.KeyDown || state.KeyShoot || state.KeyDraw);
}

TEST_F(Aiming, TheSightStaysOnTheTarget) {
    random.setFallback(0);  // every step -amp
    state.Sight = {1, 216};
    engine.FormKeyDown(kVkDown);
    engine.Timer1Timer();
    EXPECT_EQ(state.Sight, (Point{0, 217}));
    EXPECT_EQ(screen.effects.back(), "sight 0,217");
}

TEST_F(Aiming, DrawingTicksTheClickerOncePerDraw) {
    random.setFallback(kSteady);
    engine.FormKeyDown(kVkDraw);
    for (int tick = 0; tick < 51; ++tick) engine.Timer1Timer();
    EXPECT_EQ(state.ArrowLeft, -56);
    EXPECT_EQ(state.Unsteadiness, 100 + 51);
    EXPECT_EQ(clicker.ticks, 1);
    EXPECT_FALSE(state.ClickerArmed);
    for (int tick = 0; tick < 5; ++tick) engine.Timer1Timer();
    EXPECT_EQ(clicker.ticks, 1);

    // Lifting A brings the arrow forward until the bow is let down, which re-arms the clicker.
    engine.FormKeyUp(kVkDraw);
    for (int tick = 0; tick < 12; ++tick) engine.Timer1Timer();
    EXPECT_EQ(state.ArrowLeft, -1);
    EXPECT_EQ(state.Unsteadiness, 156 - 12);
    engine.Timer1Timer();
    EXPECT_EQ(state.ArrowLeft, 0);
    EXPECT_EQ(state.Unsteadiness, 200);
    EXPECT_TRUE(state.ClickerArmed);
    engine.FormKeyDown(kVkDraw);
    for (int tick = 0; tick < 56; ++tick) engine.Timer1Timer();
    EXPECT_EQ(clicker.ticks, 2);
}

TEST_F(Aiming, AReleaseScoresMarksAndStops) {
    random = ScriptedRandom({2, 2});
    state.Sight = {109, 109};
    state.ArrowLeft = -55;
    engine.FormKeyDown(kVkShoot);
    engine.Timer1Timer();
    EXPECT_EQ(state.EndScores[3], 10);
    EXPECT_EQ(screen.effects, (Effects{"sight 109,109", "nextarrow on", "marker 3 375,125",
                                       "arrow -250", "timer off"}));
    EXPECT_EQ(state.ArrowLeft, kArrowReleased);
    EXPECT_TRUE(state.NextarrowEnabled);
    EXPECT_FALSE(state.TimerRunning);
    EXPECT_EQ(state.Markers[2], (Point{375, 125}));
}

// At 50 m the arrow flies 50 / 60 s and its sound comes back in 50 / 343 s: 979 ms in all.
TEST_F(Aiming, AReleaseSoundsTheBowAndLaterTheArrowWhereItLands) {
    for (const auto& [sightLeft, strike] :
         {std::pair{109, "hit.wav after 979"}, std::pair{217, "miss.wav after 979"}}) {
        random = ScriptedRandom({2, 2});
        state.Sight = {sightLeft, sightLeft};  // the centre, or past the face's corner
        state.ArrowLeft = -55;                 // at full draw
        state.TimerRunning = true;
        clicker.played.clear();
        engine.FormKeyDown(kVkShoot);
        engine.Timer1Timer();
        engine.FormKeyUp(kVkShoot);
        EXPECT_EQ(clicker.played, (Effects{"release.wav", strike})) << sightLeft;
    }
}

TEST_F(Aiming, AReleaseAimsFromWhereTheTickPutTheSightBeforeClamping) {
    random = ScriptedRandom({4, 2});  // sway +2, 0
    state.Sight = {217, 109};
    engine.FormKeyDown(kVkRight);
    engine.FormKeyDown(kVkShoot);
    engine.Timer1Timer();
    // Hit point x = 217 + 2 + 8 + 16 = 243: a miss, shown in the scope's corner.
    EXPECT_EQ(state.Sight, (Point{227, 109}));
    EXPECT_EQ(screen.effects.front(), "sight 227,109");
    EXPECT_EQ(state.Markers[2], (Point{250, 0}));
}

TEST_F(Aiming, AReleaseOutsideAnEndWritesNoScore) {
    random.setFallback(kSteady);
    state.Sight = {109, 109};
    state.ArrowLeft = -55;
    for (int32_t arrowNumber : {7, 0, -1}) {
        state.ArrowsLeft = arrowNumber;
        state.TimerRunning = true;
        engine.FormKeyDown(kVkShoot);
        engine.Timer1Timer();
        EXPECT_EQ(state.EndScores, (std::array<int32_t, 7>{})) << arrowNumber;
        EXPECT_FALSE(state.TimerRunning);
    }
    EXPECT_EQ(screen.count("marker"), 0);
}

// S is looked at only when the timer ticks; a press must not slip through between two ticks,
// and it belongs to the arrow aimed when it went down.
TEST_F(Aiming, APressOfSReleasesTheAimedArrowAtTheNextTick) {
    random.setFallback(kSteady);
    press(kVkShoot);  // down and up again before the tick
    engine.Timer1Timer();
    EXPECT_FALSE(state.TimerRunning);
    EXPECT_EQ(screen.count("marker"), 1);

    // A tap while no arrow is aimed is nobody's shot: the next arrow flies only when S is held.
    press(kVkShoot);
    engine.NextarrowClick();
    engine.Timer1Timer();
    EXPECT_TRUE(state.TimerRunning);
    EXPECT_EQ(screen.count("marker"), 1);

    // S held through the next nock still lets that arrow go at its first tick.
    engine.FormKeyDown(kVkShoot);
    engine.Timer1Timer();
    EXPECT_FALSE(state.TimerRunning);
    engine.NextarrowClick();
    ASSERT_TRUE(state.TimerRunning);
    engine.Timer1Timer();
    EXPECT_FALSE(state.TimerRunning);
    EXPECT_TRUE(state.NextarrowEnabled);
}

TEST_F(Aiming, DNocksTheNextArrowOnlyWhenNoneIsAimed) {
    random = ScriptedRandom({10, 20});
    press(kVkNext);
    EXPECT_TRUE(screen.effects.empty());
    state.TimerRunning = false;
    press(kVkNext);
    EXPECT_EQ(state.ArrowsLeft, 2);
    EXPECT_EQ(screen.effects, (Effects{"nextarrow off", "label Vzdalenost=50 m", "timer on",
                                       "sight 26,36", "arrow -5", "label SadaCount=0"}));
    EXPECT_EQ(state.Unsteadiness, 100);
    EXPECT_TRUE(state.ClickerArmed);
}

TEST(NoMatch, NeitherDNorNextarrowDoAnything) {
    EngineRig rig;
    rig.press(kVkNext);
    rig.engine.NextarrowClick();
    EXPECT_TRUE(rig.screen.effects.empty());
    EXPECT_EQ(rig.state.ArrowsLeft, 0);
    EXPECT_TRUE(rig.random.asked().empty());
}

}  // namespace
