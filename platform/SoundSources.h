#pragma once

#include <cstdint>
#include <optional>

#include "rules/formats/WaveSound.h"
#include "rules/match/RangeSounds.h"

// What every output of the range's sounds starts from, whatever plays them.

// The samples of `sound`'s file in the game folder (the working folder); nothing for a file that
// is missing, too large or no sound.
std::optional<PlayedSamples> ReadRangeSound(RangeSound sound);

// The linear gain of the player's volume `percent` (0..100), which is as heard.
double GainOfVolume(int32_t percent);
