#include "rules/match/Scoring.h"

#include <algorithm>

#include "rules/match/Geometry.h"
#include "rules/match/Rounds.h"

uint64_t IntegerSquareRoot(uint64_t n) {
    uint64_t root = 0;
    uint64_t bit = uint64_t{1} << 62;
    while (bit > n) bit >>= 2;
    while (bit != 0) {
        if (n >= root + bit) {
            n -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return root;
}

namespace {

// A coordinate of a lowered score moves out to the ring of that score; the centre line stays.
int64_t MoveOut(int64_t coordinate, int64_t centre, int64_t k) {
    if (coordinate > centre) return centre + k;
    if (coordinate < centre) return centre - k;
    return coordinate;
}

}  // namespace

int32_t ScoreHit(int32_t factor, int32_t distance, int32_t& x, int32_t& y) {
    // 64 bits throughout: the hit point is any int, and its square must not overflow.
    const int64_t dx = int64_t{x} - kTargetCentre.x;
    const int64_t dy = int64_t{y} - kTargetCentre.y;
    const std::optional<TargetFace> face = findTargetFace(distance);
    const int64_t width = face ? face->ringWidth : 1;

    int64_t base = 0;
    if (face) {
        const uint64_t d =
            IntegerSquareRoot(static_cast<uint64_t>(dx * dx) + static_cast<uint64_t>(dy * dy));
        const uint64_t rings = d / static_cast<uint64_t>(width);
        if (rings < kTargetRings) base = kTargetRings - static_cast<int64_t>(rings);
    }
    const int64_t score = base * std::clamp(factor, 0, 100) / 100;

    int64_t sx = kMissPoint.x;
    int64_t sy = kMissPoint.y;
    if (score != 0) {
        sx = kScopeCentre.x + dx * kScopeRingWidth / width;
        sy = kScopeCentre.y + dy * kScopeRingWidth / width;
        if (score != base) {
            const int64_t k = (kTargetRings - score) * kScopeRingWidth;
            sx = MoveOut(sx, kScopeCentre.x, k);
            sy = MoveOut(sy, kScopeCentre.y, k);
        }
    }
    x = static_cast<int32_t>(std::clamp<int64_t>(sx, kScopeMin.x, kScopeMax.x));
    y = static_cast<int32_t>(std::clamp<int64_t>(sy, kScopeMin.y, kScopeMax.y));
    return static_cast<int32_t>(score);
}
