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
