#include "rules/history/HitGroup.h"

#include <cmath>
#include <numbers>

#include "rules/formats/GameText.h"
#include "rules/match/Rounds.h"
#include "rules/match/Scoring.h"

bool IsFarOutsidePicture(Point hit) {
    const auto outside = [](int32_t c) { return c < -kTargetSize || c >= 2 * kTargetSize; };
    return outside(hit.x) || outside(hit.y);
}

std::string DirectionWord(HitDirection direction) {
    switch (direction) {
        case HitDirection::Centre:
            return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "střed"));
        case HitDirection::UpLeft:
            return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "vlevo nahoře"));
        case HitDirection::Up:
            return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "nahoře"));
        case HitDirection::UpRight:
            return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "vpravo nahoře"));
        case HitDirection::Right:
            return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "vpravo"));
        case HitDirection::DownRight:
            return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "vpravo dole"));
        case HitDirection::Down:
            return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "dole"));
        case HitDirection::DownLeft:
            return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "vlevo dole"));
        case HitDirection::Left:
            return GameTextBytes(QT_TRANSLATE_NOOP("GameText", "vlevo"));
    }
    return {};
}

double HitGroup::ringShare(int32_t ring) const {
    if (arrows == 0 || ring < 0 || ring > kTargetRings) return 0;
    return static_cast<double>(ringCounts[static_cast<std::size_t>(ring)]) / arrows;
}

namespace {

// Eight sectors of 45 degrees, each centred on its direction. Screen y grows downwards, so an
// offset with a negative y is above the middle.
HitDirection SectorOf(double dx, double dy) {
    constexpr std::array<HitDirection, 8> kCounterClockwiseFromRight = {
        HitDirection::Right, HitDirection::UpRight,  HitDirection::Up,   HitDirection::UpLeft,
        HitDirection::Left,  HitDirection::DownLeft, HitDirection::Down, HitDirection::DownRight};
    const double angle = std::atan2(-dy, dx);  // -pi..pi, counter-clockwise from the right
    const auto sector = static_cast<int>(std::lround(angle / (std::numbers::pi / 4)));
    return kCounterClockwiseFromRight[static_cast<std::size_t>((sector + 8) % 8)];
}

}  // namespace

HitGroup AnalyseGroup(std::span<const Point> hits, int32_t distance) {
    HitGroup group;
    group.arrows = static_cast<int32_t>(hits.size());
    const std::optional<TargetFace> face = findTargetFace(distance);
    group.ringWidth = face ? face->ringWidth : 0;

    double sumX = 0;
    double sumY = 0;
    for (const Point& hit : hits) {
        int32_t ring = 0;
        if (!IsFarOutsidePicture(hit)) {
            ++group.placed;
            sumX += hit.x;
            sumY += hit.y;
            int32_t x = hit.x;
            int32_t y = hit.y;
            ring = ScoreHit(100, distance, x, y);
        }
        ++group.ringCounts[static_cast<std::size_t>(ring)];
    }
    if (group.placed == 0) return group;

    group.centre = {sumX / group.placed, sumY / group.placed};
    double radial = 0;
    for (const Point& hit : hits) {
        if (IsFarOutsidePicture(hit)) continue;
        radial += std::hypot(hit.x - group.centre.x, hit.y - group.centre.y);
    }
    group.spread = radial / group.placed;

    const double dx = group.centre.x - kTargetCentre.x;
    const double dy = group.centre.y - kTargetCentre.y;
    const double offset = std::hypot(dx, dy);
    if (group.ringWidth > 0) {
        group.offsetRings = offset / group.ringWidth;
        group.spreadRings = group.spread / group.ringWidth;
    }
    const double tolerance = kCentreTolerance * (group.ringWidth > 0 ? group.ringWidth : 1);
    group.direction = offset < tolerance ? HitDirection::Centre : SectorOf(dx, dy);
    return group;
}

void CountLostArrows(HitGroup& group, int32_t lost) {
    group.arrows += lost;
    group.ringCounts[0] += lost;
}
