#include <gtest/gtest.h>

#include "rules/settings/FullScreenScale.h"

namespace {

// The board is 720 x 480 at 100 %; the room is what a screen leaves below the menu bar.
TEST(FullScreenScale, TheLargestSizeAtWhichTheWholeBoardFits) {
    struct Case {
        int32_t width, height, percent;
    };
    const Case cases[] = {
        {1280, 800 - 24, 150},                     // a handheld's screen: 1440 would be too wide
        {1920, 1080 - 24, 200},                    // 2160 would be too wide
        {3840, 2160 - 48, 300}, {1080, 720, 150},  // exactly the board at 150 %
        {1079, 720, 100},                          // a pixel short of it
        {1440, 959, 150},                          // wide enough for 200 %, a row too low
        {640, 400, 100},                           // smaller than the board: the smallest size
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FullScreenScale(c.width, c.height), c.percent) << c.width << " x " << c.height;
    }
}

}  // namespace
