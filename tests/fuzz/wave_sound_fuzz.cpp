#include "fuzz/FuzzTarget.h"
#include "rules/formats/WaveSound.h"

VEXA_FUZZ_TARGET(wave_sound) {
    constexpr int32_t kSeconds = 2;
    const auto samples = DecodeWave(bytes, kSeconds);
    if (!samples) return;
    // Never more sound than asked for, whatever rate the file claims.
    FuzzCheck(samples->size() <= std::size_t{kPlayedSampleRate} * kSeconds + 1, "bounded length");
}
