#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The clicker's tick: a short, dry, fast-dying burst of noise, 16-bit mono.
inline constexpr int32_t kTickSampleRate = 22050;
std::vector<int16_t> tickSamples();

// A canonical RIFF/WAVE file of 16-bit mono PCM.
std::string encodeWav(const std::vector<int16_t>& samples, int32_t sampleRate);
