#include "rules/match/RangeSounds.h"

#include <cmath>

namespace {

// A target bow's arrow leaves at about 60 m/s; sound comes back at 343 m/s.
constexpr double kArrowMetresPerSecond = 60;
constexpr double kSoundMetresPerSecond = 343;

}  // namespace

std::string_view RangeSoundFile(RangeSound sound) {
    switch (sound) {
        case RangeSound::ClickerTick:
            return "tick.wav";
        case RangeSound::BowRelease:
            return "release.wav";
        case RangeSound::RingHit:
            return "hit.wav";
        case RangeSound::GrassMiss:
            return "miss.wav";
        case RangeSound::ToTheLine:
            return "whistle2.wav";
        case RangeSound::StartShooting:
            return "whistle1.wav";
        case RangeSound::EndOfShooting:
            return "whistle3.wav";
    }
    return {};
}

int32_t WhistleBlasts(RangeSound sound) {
    switch (sound) {
        case RangeSound::ToTheLine:
            return 2;
        case RangeSound::StartShooting:
            return 1;
        case RangeSound::EndOfShooting:
            return 3;
        default:
            return 0;
    }
}

int32_t WhistleLengthMs(RangeSound sound) {
    const int32_t blasts = WhistleBlasts(sound);
    return blasts == 0 ? 0 : blasts * kWhistleBlastMs + (blasts - 1) * kWhistlePauseMs;
}

int32_t StrikeHeardAfterMs(int32_t metres) {
    const double seconds = metres / kArrowMetresPerSecond + metres / kSoundMetresPerSecond;
    return static_cast<int32_t>(std::lround(seconds * 1000));
}
