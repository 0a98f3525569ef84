#include "rules/bouts/ComputerArcher.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "rules/handicap/Handicap.h"
#include "rules/match/LevelField.h"
#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"

namespace {

constexpr TargetFace kFace = faces::k70;
static_assert(kFace.metres == kBoutDistance);

// Fine enough that no two draws of a bout land on the same pixel more often than chance says.
constexpr int32_t kDrawSteps = 1 << 30;
constexpr int32_t kAngleSteps = 1 << 16;
// Two archers who tie on score and distance this often are not shot against each other for
// ever: the better seed, named first, goes through.
constexpr std::size_t kMostShootOffArrows = 50;

// Uniform in (0, 1).
double Uniform(Random& random) {
    return (random.random(kDrawSteps) + 0.5) / kDrawSteps;
}

// The hit at `pixels` from the centre in the direction drawn, moved out or in along it until
// the picture's rings score it `score`.
Point HitInRing(double pixels, double angle, int32_t score) {
    // A ring of the picture holds the distances [(10 - score) * width, (11 - score) * width).
    const double width = kFace.ringWidth;
    const double inner = (kTargetRings - score) * width;
    const double outer = score == 0 ? kTargetSize / 2.0 - 1.0 : inner + width - 1.0;
    const double radius = std::clamp(pixels, inner + 0.5, std::max(inner + 0.5, outer));
    Point hit{kTargetCentre.x + static_cast<int32_t>(std::lround(radius * std::cos(angle))),
              kTargetCentre.y + static_cast<int32_t>(std::lround(radius * std::sin(angle)))};
    // Rounding to whole pixels may cross the ring's edge; step back along the radius.
    for (int32_t step = 0; step < 4; ++step) {
        int32_t x = hit.x;
        int32_t y = hit.y;
        const int32_t pictured = ScoreHit(100, kFace.metres, x, y);
        if (pictured == score) break;
        const double r = radius + (pictured > score ? 1.0 : -1.0) * (step + 1);
        hit = {kTargetCentre.x + static_cast<int32_t>(std::lround(r * std::cos(angle))),
               kTargetCentre.y + static_cast<int32_t>(std::lround(r * std::sin(angle)))};
    }
    return hit;
}

SetTotals ShootSet(double first, double second, Random& random) {
    SetTotals totals;
    for (int32_t arrow = 0; arrow < kArrowsPerSet; ++arrow) {
        totals.first += DrawArrow(first, random).score;
        totals.second += DrawArrow(second, random).score;
    }
    return totals;
}

}  // namespace

int32_t ComputerHandicap(int32_t performance70) {
    const HandicapDistance distance{kFace.metres, kFace.faceCentimetres, kArrowsPerDistance};
    const HandicapDistance one[] = {distance};
    const double mean = ExpectedComputerScore(performance70);
    int32_t best = kBestHandicap;
    for (int32_t handicap = kBestHandicap + 1; handicap <= kWorstHandicap; ++handicap) {
        if (std::abs(TableScore(handicap, one) - mean) < std::abs(TableScore(best, one) - mean))
            best = handicap;
    }
    return best;
}

BoutArrow DrawArrow(double handicap, Random& random) {
    const double spread = GroupSpread(handicap, kFace.metres);
    // The scheme's group: the chance of landing beyond r is exp(-(r / spread)^2).
    const double metres = spread * std::sqrt(-std::log(Uniform(random)));
    const double angle = 2.0 * std::numbers::pi * random.random(kAngleSteps) / kAngleSteps;
    const int32_t score = ArrowScoreAtRadius(metres, kFace.faceCentimetres);
    const double pixelsPerMetre = kTargetRings * kFace.ringWidth / (kFace.faceCentimetres / 200.0);
    return {score, HitInRing(metres * pixelsPerMetre, angle, score)};
}

BoutScore ShootComputerBout(double firstHandicap, double secondHandicap, Random& random) {
    BoutScore bout;
    while (const int32_t arrows = bout.arrowsNext()) {
        if (bout.shootOff().size() == kMostShootOffArrows) {
            bout.walkOver(BoutSide::First);
        } else if (arrows == kArrowsPerSet) {
            bout.addSet(ShootSet(firstHandicap, secondHandicap, random));
        } else {
            bout.addShootOff({DrawArrow(firstHandicap, random), DrawArrow(secondHandicap, random)});
        }
    }
    return bout;
}
