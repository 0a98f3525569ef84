#include <gtest/gtest.h>

#include "rules/settings/StoredPosition.h"

namespace {

const std::vector<ScreenRect> kOneScreen = {{0, 0, 1920, 1080}};
const std::vector<ScreenRect> kTwoScreens = {{0, 0, 1920, 1080}, {1920, -200, 1280, 1024}};

void expectPlaced(WindowPosition stored, const std::vector<ScreenRect>& screens, int32_t left,
                  int32_t top) {
    WindowPosition p = PullIntoView(stored, 726, 30, screens);
    EXPECT_EQ(p.left, left) << stored.left << "," << stored.top;
    EXPECT_EQ(p.top, top) << stored.left << "," << stored.top;
}

TEST(PullIntoView, KeepsAPlaceWhoseTitleBarShows) {
    expectPlaced({291, 233}, kOneScreen, 291, 233);
    expectPlaced({-4, 0}, kOneScreen, -4, 0);
    expectPlaced({-600, 500}, kOneScreen, -600, 500);  // a grabbable strip is left
    expectPlaced({1880, 700}, kOneScreen, 1880, 700);
    expectPlaced({1900, 700}, kOneScreen, 1194, 700);     // 20 px are too few to grab
    expectPlaced({2500, -150}, kTwoScreens, 2500, -150);  // on the second screen
}

TEST(PullIntoView, BringsALostTitleBarBack) {
    expectPlaced({5000, 5000}, kOneScreen, 1920 - 726, 1080 - 30);
    expectPlaced({-2000, 100}, kOneScreen, 0, 100);
    expectPlaced({100, -25}, kOneScreen, 100, 0);  // title bar half above the screen
    expectPlaced({100, 1075}, kOneScreen, 100, 1050);
    expectPlaced({2500, -300}, kTwoScreens, 1194, 0);
    expectPlaced({INT32_MIN, INT32_MAX}, kOneScreen, 0, 1050);
}

TEST(PullIntoView, WithoutScreensLeavesThePlace) {
    WindowPosition p = PullIntoView({77, 88}, 726, 30, {});
    EXPECT_EQ(p.left, 77);
    EXPECT_EQ(p.top, 88);
}

}  // namespace

namespace {

TEST(PlaceWindow, PutsAFrameLargerThanItsScreenAtTheScreensCorner) {
    const std::vector<ScreenRect> small = {{0, 0, 640, 400}};
    struct Case {
        WindowPosition stored;
        int32_t width, height;
        int32_t left, top;
    };
    const Case cases[] = {
        {{100, 50}, 500, 300, 100, 50},      // fits: stays where it was
        {{100, 50}, 2160, 1500, 0, 0},       // too wide and too high: the corner
        {{-600, 200}, 700, 300, 0, 0},       // a strip shows, but the menu would not
        {{5000, 5000}, 300, 500, 0, 0},      // lost and too high
        {{5000, 5000}, 300, 200, 340, 370},  // lost but fitting: pulled in as before
    };
    for (const Case& c : cases) {
        const WindowPosition p = PlaceWindow(c.stored, c.width, c.height, 30, small);
        EXPECT_EQ(p.left, c.left) << c.stored.left << "," << c.width;
        EXPECT_EQ(p.top, c.top) << c.stored.left << "," << c.width;
    }
    const std::vector<ScreenRect> second = {{0, 0, 1920, 1080}, {1920, 0, 640, 400}};
    const WindowPosition p = PlaceWindow({2000, 100}, 1000, 300, 30, second);
    EXPECT_EQ(p.left, 1920);  // the corner of the screen it is on, not of the first
    EXPECT_EQ(p.top, 0);
}

TEST(ScaledWindowFits, ComparesTheFrameAtTheNewScaleWithTheScreen) {
    const ScreenRect screen{0, 0, 1280, 800};
    EXPECT_TRUE(ScaledWindowFits(726, 520, 100, 150, screen));  // 1089 x 780
    EXPECT_FALSE(ScaledWindowFits(726, 520, 100, 200, screen));
    EXPECT_TRUE(ScaledWindowFits(1452, 1040, 200, 100, screen));             // measured at 200 %
    EXPECT_FALSE(ScaledWindowFits(726, 520, 100, 300, {0, 0, 2560, 1440}));  // 1560 high
    EXPECT_FALSE(ScaledWindowFits(726, 520, 0, 100, screen));
}

}  // namespace
