#include "rules/match/SightDrawing.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int32_t kAim = 16;

// Four times the squared distance from the picture's middle (15.5, 15.5), kept in integers.
int32_t quadrupleDistanceSquared(int32_t x, int32_t y) {
    const int32_t dx = 2 * x - (kSightPictureSide - 1);
    const int32_t dy = 2 * y - (kSightPictureSide - 1);
    return dx * dx + dy * dy;
}

// A one-pixel band between the radii 15 and 16: it reaches every edge of the picture.
constexpr int32_t kCircleInner = 4 * 15 * 15;
constexpr int32_t kCircleOuter = 4 * 16 * 16;

bool onCircle(int32_t x, int32_t y) {
    const int32_t d = quadrupleDistanceSquared(x, y);
    return d >= kCircleInner && d < kCircleOuter;
}

bool outsideCircle(int32_t x, int32_t y) {
    return quadrupleDistanceSquared(x, y) >= kCircleInner;
}

int32_t distanceFromAim(int32_t x, int32_t y) {
    return std::max(std::abs(x - kAim), std::abs(y - kAim));
}

bool ringAndLowerLine(int32_t x, int32_t y) {
    return distanceFromAim(x, y) == 1 || (x == kAim && y > kAim + 1);
}

}  // namespace

bool SightPixelIsBlack(int32_t kind, int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= kSightPictureSide || y >= kSightPictureSide) return false;
    switch (kind) {
        case 1:
            return onCircle(x, y) || x == kAim || y == kAim || distanceFromAim(x, y) <= 1;
        case 2:
            return onCircle(x, y) || ringAndLowerLine(x, y);
        case 3:
            return outsideCircle(x, y) || ringAndLowerLine(x, y);
        default:
            return false;
    }
}
