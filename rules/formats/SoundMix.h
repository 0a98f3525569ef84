#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "rules/formats/WaveSound.h"

// One sound on its way to the loudspeaker: `delayFrames` of silence first, then its samples.
struct Voice {
    const PlayedSamples* samples = nullptr;
    std::size_t next = 0;
    int64_t delayFrames = 0;
};

// Fills `out` with the sum of every voice's next samples at `gain` (0..1), clipped, silence where
// none sounds, and drops the voices that have ended.
void MixVoices(std::vector<Voice>& voices, double gain, std::span<int16_t> out);
