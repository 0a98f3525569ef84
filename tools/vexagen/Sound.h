#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The game's sounds, 16-bit mono at one rate.
inline constexpr int32_t kSoundSampleRate = 22050;

// The clicker's tick: a short, dry, fast-dying burst of noise.
std::vector<int16_t> tickSamples();
// The bow's release: the string's low thrum under the snap of its letting go.
std::vector<int16_t> releaseSamples();
// The arrow striking the boss: a dull, deep thud.
std::vector<int16_t> ringHitSamples();
// The arrow going into the grass: a soft, bright swish that dies slowly.
std::vector<int16_t> grassMissSamples();
// A range official's whistle, `blasts` blasts with pauses between them.
std::vector<int16_t> whistleSamples(int32_t blasts);

// A canonical RIFF/WAVE file of 16-bit mono PCM.
std::string encodeWav(const std::vector<int16_t>& samples, int32_t sampleRate);
