#pragma once

#include <cstdint>
#include <string>

#include "rules/match/Wind.h"

// The flag beside the target as the archer sees it, with the pictures the generator draws for it.
// It streams to the side the wind blows to, the further the stronger the wind, foreshortened
// when the wind blows mostly along the range; in a gust it flutters between two shapes.

inline constexpr int32_t kFlagStrengths = 3;  // a breeze, a fresh wind, a strong one
inline constexpr int32_t kFlagWidth = 44;
inline constexpr int32_t kFlagHeight = 64;

struct FlagPose {
    int32_t strength = 0;  // 0 hangs limp, else 1 .. kFlagStrengths
    bool toTheLeft = false;
    bool alongTheRange = false;  // the wind blows mostly from the target or from behind
    int32_t flutter = 0;         // 0, or 1 for the second shape of a gust
    friend bool operator==(const FlagPose&, const FlagPose&) = default;
};

// How the flag hangs in `wind`; `tick` counts the aiming ticks of the end for the flutter.
FlagPose FlagFor(const Wind& wind, int64_t tick);

// Every pose the flag can take: the limp one, then each strength, side, foreshortening and
// flutter.
inline constexpr int32_t kFlagPoseCount = 1 + kFlagStrengths * 2 * 2 * 2;
FlagPose FlagPoseAt(int32_t index);

// The built-in picture of a pose: "flag.png" for the limp one, "flag-l2a1.png" for the second
// strength streaming left, along the range, in the second shape of a gust.
std::string FlagPictureName(const FlagPose& pose);
