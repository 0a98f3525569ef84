#pragma once

#include <array>
#include <cstdint>

#include "rules/match/Geometry.h"
#include "rules/match/Random.h"

// The wind on the range, as the player chooses it ("vitr" in the settings): what it is at every
// aiming tick of an end, and where it carries the arrow. Computer archers shoot in no wind.

enum class WindLevel : int32_t { Calm = 0, Light = 1, Variable = 2, Strong = 3 };
inline constexpr int32_t kWindLevelCount = 4;

// The wind at one instant. The direction is where it blows from, relative to the archer: 0 from
// the target (a head wind), 90 from the archer's right, 180 from behind, 270 from the left.
struct Wind {
    int32_t tenths = 0;       // speed in tenths of a metre per second; 0 is calm
    int32_t fromDegrees = 0;  // 0 .. 359
    bool gusting = false;     // a gust is passing: the flag flutters
    friend bool operator==(const Wind&, const Wind&) = default;
};

// The wind of one end: a prevailing speed and direction drawn when the end starts, changing
// smoothly with the aiming ticks (10 ms each) while it is shot.
class EndWind {
  public:
    EndWind() = default;  // calm
    // Draws nothing from `random` in calm, so that a calm game plays exactly as without wind.
    EndWind(WindLevel level, Random& random);

    WindLevel level() const { return level_; }
    const Wind& prevailing() const { return prevailing_; }
    // The wind `tick` aiming ticks after the end began.
    Wind at(int64_t tick) const;

  private:
    WindLevel level_ = WindLevel::Calm;
    Wind prevailing_;
    std::array<double, 3> phases_{};  // radians: the slow swell, the gust, the veer
};

// Where the wind at release carries an arrow shot at `metres`, in target-picture pixels (y grows
// downwards), each coordinate rounded half away from zero; none at a distance without a target.
Point WindDrift(const Wind& wind, int32_t metres);

// The arrow a label shows for the wind: where it blows to, seen from the archer looking at the
// target ("↓" for a head wind, "←" for wind from the right). UTF-8.
const char* WindArrow(int32_t fromDegrees);
