#include "rules/handicap/Handicap.h"

#include <algorithm>
#include <cmath>

namespace {

// The scheme's constants: the spread at the datum, the growth per handicap point (per cent),
// the handicap of the datum and the growth of the spread with distance (per metre).
constexpr double kAngleAtDatum = 5e-4;  // radians
constexpr double kStepPercent = 3.5;
constexpr double kDatum = 6.0;
constexpr double kDistanceGrowth = 0.00365;
// Outdoor arrows are taken as 5.5 mm thick: an arrow touching a line scores the higher ring.
constexpr double kArrowRadius = 5.5e-3 / 2;
constexpr int32_t kRings = 10;

// How far from the centre an arrow may land and still score `ring` points or more.
double RingEdge(int32_t ring, int32_t faceCentimetres) {
    return (kRings + 1 - ring) * (faceCentimetres / 100.0) / (2.0 * kRings) + kArrowRadius;
}

int64_t MaximumScore(std::span<const HandicapDistance> distances) {
    int64_t arrows = 0;
    for (const HandicapDistance& d : distances) arrows += d.arrows;
    return arrows * kRings;
}

}  // namespace

double GroupSpread(double handicap, double metres) {
    const double angle = kAngleAtDatum * std::pow(1.0 + kStepPercent / 100.0, handicap + kDatum) *
                         std::exp(kDistanceGrowth * metres);
    return metres * angle;
}

int32_t ArrowScoreAtRadius(double radiusMetres, int32_t faceCentimetres) {
    int32_t score = 0;
    while (score < kRings && radiusMetres <= RingEdge(score + 1, faceCentimetres)) ++score;
    return score;
}

double ExpectedArrowScore(double handicap, int32_t metres, int32_t faceCentimetres) {
    const double spread = GroupSpread(handicap, metres);
    // Each ring edge the arrow may fall outside of costs one point with the probability of
    // landing beyond it (the arrow's radius widening every ring).
    double lost = 0.0;
    for (int32_t ring = 1; ring <= kRings; ++ring) {
        const double edge = RingEdge(ring, faceCentimetres);
        lost += std::exp(-(edge / spread) * (edge / spread));
    }
    return kRings - lost;
}

double ExpectedScore(double handicap, std::span<const HandicapDistance> distances) {
    double sum = 0.0;
    for (const HandicapDistance& d : distances) {
        sum += d.arrows * ExpectedArrowScore(handicap, d.metres, d.faceCentimetres);
    }
    return sum;
}

int32_t TableScore(int32_t handicap, std::span<const HandicapDistance> distances) {
    return static_cast<int32_t>(std::ceil(ExpectedScore(handicap, distances)));
}

std::optional<int32_t> HandicapForScore(int64_t score,
                                        std::span<const HandicapDistance> distances) {
    const int64_t maximum = MaximumScore(distances);
    if (maximum <= 0 || score <= 0 || score > maximum) return std::nullopt;
    // Table scores fall as the handicap grows: find the first one below the score.
    int32_t low = kBestHandicap;
    int32_t high = kWorstHandicap + 1;
    while (low < high) {
        const int32_t middle = low + (high - low) / 2;
        if (TableScore(middle, distances) < score) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    // The tables print a score that several handicaps share only beside the worst of them.
    if (low > kBestHandicap && TableScore(low - 1, distances) == score) return low - 1;
    return std::min(low, kWorstHandicap);
}
