#include <gtest/gtest.h>

#include <cstdlib>

#include "rules/match/Geometry.h"
#include "rules/match/SightDrawing.h"

namespace {

constexpr int32_t kLast = kSightPictureSide - 1;
constexpr int32_t kAim = kSightAimOffset;

bool black(int32_t kind, int32_t x, int32_t y) {
    return SightPixelIsBlack(kind, x, y);
}

bool insideCircle(int32_t x, int32_t y) {
    const int32_t dx = 2 * x - kLast, dy = 2 * y - kLast;
    return dx * dx + dy * dy < 4 * 15 * 15;
}

TEST(SightDrawing, TheCircleTouchesEveryEdgeOfEverySight) {
    for (int32_t kind = 1; kind <= kSightKinds; ++kind) {
        for (int32_t middle : {15, 16}) {
            EXPECT_TRUE(black(kind, 0, middle)) << kind;
            EXPECT_TRUE(black(kind, kLast, middle)) << kind;
            EXPECT_TRUE(black(kind, middle, 0)) << kind;
            EXPECT_TRUE(black(kind, middle, kLast)) << kind;
        }
        EXPECT_FALSE(black(kind, -1, kAim));
        EXPECT_FALSE(black(kind, kAim, kSightPictureSide));
    }
    EXPECT_FALSE(black(1, 0, 0)) << "the first sight is transparent outside its circle";
    EXPECT_FALSE(black(0, kAim, kAim));
    EXPECT_FALSE(black(4, kAim, kAim));
}

TEST(SightDrawing, SightOneCrossesFullLinesWithABlockAtTheAimPoint) {
    for (int32_t i = 0; i <= kLast; ++i) {
        EXPECT_TRUE(black(1, i, kAim)) << i;
        EXPECT_TRUE(black(1, kAim, i)) << i;
    }
    for (int32_t dy = -1; dy <= 1; ++dy) {
        for (int32_t dx = -1; dx <= 1; ++dx) EXPECT_TRUE(black(1, kAim + dx, kAim + dy));
    }
    EXPECT_FALSE(black(1, kAim + 2, kAim + 2));
    EXPECT_FALSE(black(1, kAim - 2, kAim - 2));
}

TEST(SightDrawing, SightTwoHasAClearRingMiddleAndOnlyALowerLine) {
    EXPECT_FALSE(black(2, kAim, kAim));
    for (int32_t dy = -1; dy <= 1; ++dy) {
        for (int32_t dx = -1; dx <= 1; ++dx) {
            if (dx != 0 || dy != 0) {
                EXPECT_TRUE(black(2, kAim + dx, kAim + dy));
            }
        }
    }
    for (int32_t i = 0; i <= kLast; ++i) {
        if (insideCircle(kAim, i) && i < kAim - 1) {
            EXPECT_FALSE(black(2, kAim, i)) << "above the ring, " << i;
        }
        if (insideCircle(kAim, i) && i > kAim + 1) {
            EXPECT_TRUE(black(2, kAim, i)) << "below the ring, " << i;
        }
        if (insideCircle(i, kAim) && std::abs(i - kAim) > 1) {
            EXPECT_FALSE(black(2, i, kAim)) << "beside the ring, " << i;
        }
    }
    EXPECT_TRUE(black(2, kAim, kLast)) << "the lower line reaches the circle";
}

TEST(SightDrawing, SightThreeIsSightTwoThroughARoundWindow) {
    for (int32_t y = 0; y <= kLast; ++y) {
        for (int32_t x = 0; x <= kLast; ++x) {
            if (insideCircle(x, y)) {
                EXPECT_EQ(black(3, x, y), black(2, x, y)) << x << "," << y;
            } else {
                EXPECT_TRUE(black(3, x, y)) << x << "," << y;
            }
        }
    }
}

}  // namespace
