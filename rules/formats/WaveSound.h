#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A sound as the game plays it: 16-bit mono samples at the one rate of the game's sounds.
inline constexpr int32_t kPlayedSampleRate = 22050;
using PlayedSamples = std::vector<int16_t>;

// The samples of a RIFF/WAVE file of integer PCM (8 or 16 bits, any channels, any rate), mixed
// down to mono and brought to kPlayedSampleRate; the game's own files pass through unchanged.
// Nothing for anything else, safe on any bytes: a player's own "tick.wav" in another format
// still clicks, a broken one stays silent. At most `maxSeconds` of sound are taken.
std::optional<PlayedSamples> DecodeWave(std::string_view bytes, int32_t maxSeconds = 10);
