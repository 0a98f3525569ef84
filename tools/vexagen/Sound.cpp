#include "tools/vexagen/Sound.h"

#include <algorithm>
#include <cmath>

#include "rules/formats/Bytes.h"
#include "rules/match/RangeSounds.h"

namespace {

constexpr double kTickSeconds = 0.03;
constexpr double kDecaySeconds = 0.0025;
constexpr double kPeak = 0.8 * 32767;
constexpr double kTwoPi = 6.283185307179586;

// Noise from a fixed seed: the same sound in every build.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed) {}
    double next() {  // -1 .. 1
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / (1u << 23) - 1.0;
    }

  private:
    uint32_t state_;
};

std::size_t sampleCount(double seconds) {
    return static_cast<std::size_t>(kSoundSampleRate * seconds);
}

double secondsAt(std::size_t i) {
    return static_cast<double>(i) / kSoundSampleRate;
}

int16_t sample(double value) {
    return static_cast<int16_t>(std::lround(kPeak * std::clamp(value, -1.0, 1.0)));
}

// A one-pole low-pass filter: `smoothing` near 1 keeps only the deep part of what it is fed.
class LowPass {
  public:
    explicit LowPass(double smoothing) : smoothing_(smoothing) {}
    double next(double in) {
        out_ = smoothing_ * out_ + (1 - smoothing_) * in;
        return out_;
    }

  private:
    double smoothing_;
    double out_ = 0;
};

// A struck sound: a deep tone of `hertz` and filtered noise, both dying with `decaySeconds`.
std::vector<int16_t> struck(double seconds, double hertz, double decaySeconds, double noiseShare,
                            double smoothing, uint32_t seed) {
    std::vector<int16_t> samples(sampleCount(seconds));
    Noise noise(seed);
    LowPass deep(smoothing);
    double loudest = 0;
    std::vector<double> raw(samples.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const double t = secondsAt(i);
        const double tone = std::sin(kTwoPi * hertz * t);
        raw[i] = std::exp(-t / decaySeconds) *
                 ((1 - noiseShare) * tone + noiseShare * deep.next(noise.next()));
        loudest = std::max(loudest, std::abs(raw[i]));
    }
    for (std::size_t i = 0; i < raw.size(); ++i) samples[i] = sample(raw[i] / loudest);
    return samples;
}

void appendInt16LE(std::string& bytes, uint16_t value) {
    bytes += static_cast<char>(value & 0xff);
    bytes += static_cast<char>(value >> 8);
}

}  // namespace

std::vector<int16_t> tickSamples() {
    const auto count = static_cast<std::size_t>(kSoundSampleRate * kTickSeconds);
    std::vector<int16_t> samples(count);
    Noise random(0x2545f491u);
    double previous = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double noise = random.next();
        // Differencing the noise takes the boom out of it: a click, not a thud.
        const double crisp = (noise - previous) / 2;
        previous = noise;
        const double envelope =
            std::exp(-static_cast<double>(i) / (kSoundSampleRate * kDecaySeconds));
        samples[i] = static_cast<int16_t>(std::lround(kPeak * envelope * crisp));
    }
    return samples;
}

std::vector<int16_t> releaseSamples() {
    return struck(0.35, 98, 0.07, 0.45, 0.6, 0x9e3779b9u);
}

std::vector<int16_t> ringHitSamples() {
    return struck(0.25, 62, 0.035, 0.7, 0.93, 0x7f4a7c15u);
}

std::vector<int16_t> grassMissSamples() {
    return struck(0.45, 0, 0.09, 1.0, 0.15, 0x85ebca6bu);
}

std::vector<int16_t> whistleSamples(int32_t blasts) {
    constexpr double kBlast = kWhistleBlastMs / 1000.0, kPause = kWhistlePauseMs / 1000.0;
    constexpr double kEdge = 0.015;
    constexpr double kPitch = 3150, kTrill = 27;
    std::vector<int16_t> samples;
    for (int32_t blast = 0; blast < blasts; ++blast) {
        if (blast > 0) samples.resize(samples.size() + sampleCount(kPause), 0);
        double phase = 0;
        for (std::size_t i = 0; i < sampleCount(kBlast); ++i) {
            const double t = secondsAt(i);
            // The pea in the whistle trills: the pitch wavers and the loudness flutters with it.
            const double trill = std::sin(kTwoPi * kTrill * t);
            phase += kTwoPi * (kPitch + 120 * trill) / kSoundSampleRate;
            const double edge = std::min({1.0, t / kEdge, (kBlast - t) / kEdge});
            samples.push_back(sample(edge * (0.75 + 0.25 * trill) * std::sin(phase)));
        }
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
