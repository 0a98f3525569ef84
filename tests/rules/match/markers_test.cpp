#include <gtest/gtest.h>

#include "rules/formats/PictureError.h"
#include "rules/match/Markers.h"
#include "support/EngineRig.h"

namespace {

// Markers 2, 3 and 5 placed by style-1 hits at (300, 40), (400, 200) and (250, 0) (a miss),
// the others at rest.
struct Markers : ::testing::Test, EngineRig {
    Markers() {
        state.Markers[1] = {300, 40};
        state.Markers[2] = {250, 0};
        state.Markers[4] = {400, 200};
    }
    Point tip(int number) const {
        const Point at = state.Markers[static_cast<std::size_t>(number - 1)];
        const Point hot = MarkerHotSpot(state.MarkerStyle);
        return {at.x + hot.x, at.y + hot.y};
    }
    void click(MarkerButton button) {
        switch (button) {
            case MarkerButton::Left:
                return engine.LeftbutClick();
            case MarkerButton::Up:
                return engine.UpbutClick();
            case MarkerButton::Right:
                return engine.RightbutClick();
            case MarkerButton::Down:
                return engine.DownbutClick();
        }
    }
};

TEST_F(Markers, ReleasesPlaceTheTipOfTheCurrentStyleOnTheHit) {
    random.setFallback(kSteady);
    state.MatchUnderWay = true;
    state.Distance = 90;
    state.Sight = {112, 109};  // hit 3 pixels right: a 10 at (384, 125)
    state.ArrowLeft = -55;
    state.ArrowsLeft = 4;
    state.MarkerStyle = 3;
    engine.FormKeyDown(kVkShoot);
    engine.Timer1Timer();
    EXPECT_EQ(state.Markers[3], (Point{352, 93}));
}

TEST_F(Markers, EveryStyleChangeKeepsPlacedTipsOnTheirHits) {
    const MarkerButton buttons[] = {MarkerButton::Left, MarkerButton::Up,   MarkerButton::Right,
                                    MarkerButton::Down, MarkerButton::Up,   MarkerButton::Left,
                                    MarkerButton::Down, MarkerButton::Right};
    const Point hit2 = tip(2);
    const Point hit5 = tip(5);
    for (MarkerButton button : buttons) {
        const int32_t before = state.MarkerStyle;
        click(button);
        ASSERT_NE(state.MarkerStyle, before);
        EXPECT_EQ(tip(2), hit2) << before << " -> " << state.MarkerStyle;
        EXPECT_EQ(tip(5), hit5) << before << " -> " << state.MarkerStyle;
    }
    EXPECT_EQ(state.MarkerStyle, 1);  // the buttons have gone round 1 2 3 4 1 4 3 2 1
    EXPECT_EQ(screen.count("icons"), 8);
}

TEST_F(Markers, LeftFromStyleOneMovesOnlyPlacedMarkers) {
    engine.LeftbutClick();
    EXPECT_EQ(state.MarkerStyle, 2);
    // Arrow3 missed and stands in its rest column, so it counts as at rest and stays.
    EXPECT_EQ(screen.effects, (std::vector<std::string>{"icons arrow2.ico", "marker 2 268,40",
                                                        "marker 5 368,200"}));
    EXPECT_EQ(state.Markers[2], (Point{250, 0}));
    EXPECT_EQ(state.Markers[0], kMarkerRest[0]);
}

TEST_F(Markers, ButtonsWithoutAChangeDoNothing) {
    engine.DownbutClick();
    engine.RightbutClick();
    state.MarkerStyle = 2;
    engine.DownbutClick();
    engine.LeftbutClick();
    EXPECT_TRUE(screen.effects.empty());
    EXPECT_EQ(state.MarkerStyle, 2);
}

TEST_F(Markers, AnIconThatCannotBeReadChangesNothing) {
    screen.missingFiles.insert("arrow4.ico");
    const auto markers = state.Markers;
    EXPECT_THROW(engine.UpbutClick(), PictureError);
    EXPECT_EQ(state.MarkerStyle, 1);
    EXPECT_EQ(state.Markers, markers);
    EXPECT_TRUE(screen.effects.empty());
    screen.missingFiles.clear();
    engine.UpbutClick();
    EXPECT_EQ(state.MarkerStyle, 4);
    EXPECT_EQ(state.Markers[1], (Point{300, 8}));
}

}  // namespace
