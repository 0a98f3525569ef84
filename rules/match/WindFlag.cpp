#include "rules/match/WindFlag.h"

#include <cmath>
#include <numbers>

namespace {

// A flag lifts from its pole at about a metre per second, streams at three and flies straight
// out from five.
constexpr int32_t kStreamingTenths[kFlagStrengths] = {10, 30, 50};
// Aiming ticks each shape of a flutter lasts.
constexpr int64_t kFlutterTicks = 25;

}  // namespace

FlagPose FlagFor(const Wind& wind, int64_t tick) {
    FlagPose pose;
    for (const int32_t tenths : kStreamingTenths) {
        if (wind.tenths >= tenths) ++pose.strength;
    }
    if (pose.strength == 0) return pose;
    const double theta = wind.fromDegrees * std::numbers::pi / 180;
    // Wind from the right carries the flag to the left.
    pose.toTheLeft = std::sin(theta) > 0;
    pose.alongTheRange = std::abs(std::cos(theta)) > std::cos(std::numbers::pi / 4);
    pose.flutter = wind.gusting ? static_cast<int32_t>(tick / kFlutterTicks % 2) : 0;
    return pose;
}

FlagPose FlagPoseAt(int32_t index) {
    if (index <= 0) return {};
    const int32_t i = index - 1;
    return {.strength = i / 8 + 1,
            .toTheLeft = (i / 4) % 2 == 1,
            .alongTheRange = (i / 2) % 2 == 1,
            .flutter = i % 2};
}

std::string FlagPictureName(const FlagPose& pose) {
    if (pose.strength == 0) return "flag.png";
    return std::string("flag-") + (pose.toTheLeft ? 'l' : 'r') + std::to_string(pose.strength) +
           (pose.alongTheRange ? 'a' : 'c') + std::to_string(pose.flutter) + ".png";
}
