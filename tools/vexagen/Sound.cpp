#include "tools/vexagen/Sound.h"

#include <cmath>

#include "rules/formats/Bytes.h"

namespace {

constexpr double kTickSeconds = 0.03;
constexpr double kDecaySeconds = 0.0025;
constexpr double kPeak = 0.8 * 32767;

void appendInt16LE(std::string& bytes, uint16_t value) {
    bytes += static_cast<char>(value & 0xff);
    bytes += static_cast<char>(value >> 8);
}

}  // namespace

std::vector<int16_t> tickSamples() {
    const auto count = static_cast<std::size_t>(kTickSampleRate * kTickSeconds);
    std::vector<int16_t> samples(count);
    uint32_t state = 0x2545f491u;  // fixed seed: the same tick in every build
    double previous = 0;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        const double noise = static_cast<double>(state >> 8) / (1u << 23) - 1.0;
        // Differencing the noise takes the boom out of it: a click, not a thud.
        const double crisp = (noise - previous) / 2;
        previous = noise;
        const double envelope =
            std::exp(-static_cast<double>(i) / (kTickSampleRate * kDecaySeconds));
        samples[i] = static_cast<int16_t>(std::lround(kPeak * envelope * crisp));
    }
    return samples;
}

std::string encodeWav(const std::vector<int16_t>& samples, int32_t sampleRate) {
    constexpr uint16_t kChannels = 1, kBitsPerSample = 16, kBlockAlign = kChannels * 2;
    const auto dataSize = static_cast<uint32_t>(samples.size() * kBlockAlign);
    std::string bytes = "RIFF";
    appendInt32LE(bytes, 36 + dataSize);
    bytes += "WAVEfmt ";
    appendInt32LE(bytes, 16);
    appendInt16LE(bytes, 1);  // PCM
    appendInt16LE(bytes, kChannels);
    appendInt32LE(bytes, static_cast<uint32_t>(sampleRate));
    appendInt32LE(bytes, static_cast<uint32_t>(sampleRate) * kBlockAlign);
    appendInt16LE(bytes, kBlockAlign);
    appendInt16LE(bytes, kBitsPerSample);
    bytes += "data";
    appendInt32LE(bytes, dataSize);
    for (int16_t sample : samples) appendInt16LE(bytes, static_cast<uint16_t>(sample));
    return bytes;
}
