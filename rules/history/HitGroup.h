#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "rules/match/Geometry.h"

// Where a group of arrows went on the target picture: its centre, how tight it is, how far and
// which way the centre lies from the middle of the target, and how the arrows share the rings.

// A hit farther than one whole picture beyond the picture's edge cannot come from an aim that
// starts on the target; such a record is damaged.
bool IsFarOutsidePicture(Point hit);

enum class HitDirection { Centre, UpLeft, Up, UpRight, Right, DownRight, Down, DownLeft, Left };

// The word the statistics show for a direction, as cp1250 text.
std::string DirectionWord(HitDirection direction);

// A group centre closer to the middle than this many ring widths is said to be in the middle.
inline constexpr double kCentreTolerance = 0.5;

struct PointF {
    double x = 0;
    double y = 0;
};

struct HitGroup {
    int32_t arrows = 0;      // every hit given
    int32_t placed = 0;      // those not far outside the picture; the centre and spread are theirs
    PointF centre;           // mean hit point, target-picture pixels
    double spread = 0;       // mean distance of the placed hits from the centre, pixels
    int32_t ringWidth = 0;   // of the distance; 0 for a distance without a target face
    double offsetRings = 0;  // distance of the centre from the target centre, in ring widths
    double spreadRings = 0;
    HitDirection direction = HitDirection::Centre;
    // Arrows per ring as the scoring counts it with a full draw: index 10..1, 0 for a miss.
    // Hits far outside the picture count as misses.
    std::array<int32_t, kTargetRings + 1> ringCounts{};

    // Share of the arrows in `ring` (0 = miss), 0 to 1; 0 for an empty group.
    double ringShare(int32_t ring) const;
};

// Hits in target-picture pixels, shot at `distance` metres.
HitGroup AnalyseGroup(std::span<const Point> hits, int32_t distance);
// Arrows the end clock took before they were shot: misses in the ring shares, with no hit to
// move the centre or the spread.
void CountLostArrows(HitGroup& group, int32_t lost);
