#include "rules/formats/WaveSound.h"

#include <algorithm>
#include <cmath>

#include "rules/formats/Bytes.h"

namespace {

struct PcmFormat {
    uint32_t channels = 0;
    uint32_t rate = 0;
    uint32_t bytesPerSample = 0;
};

uint16_t readUInt16LE(std::string_view bytes, std::size_t at) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                 static_cast<uint8_t>(bytes[at + 1]) << 8);
}

int32_t sampleAt(std::string_view data, std::size_t at, uint32_t bytesPerSample) {
    if (bytesPerSample == 1) return (static_cast<uint8_t>(data[at]) - 128) * 256;  // unsigned
    return static_cast<int16_t>(readUInt16LE(data, at));
}

std::optional<PcmFormat> readFormat(std::string_view chunk) {
    if (chunk.size() < 16 || readUInt16LE(chunk, 0) != 1) return std::nullopt;  // PCM only
    PcmFormat format{readUInt16LE(chunk, 2), readUInt32LE(chunk, 4), readUInt16LE(chunk, 14) / 8u};
    const bool usable = format.channels >= 1 && format.channels <= 8 && format.rate >= 4000 &&
                        format.rate <= 192000 &&
                        (format.bytesPerSample == 1 || format.bytesPerSample == 2) &&
                        readUInt16LE(chunk, 14) % 8 == 0;
    return usable ? std::optional(format) : std::nullopt;
}

// Mono frames of the data chunk, each the mean of its channels.
std::vector<int32_t> monoFrames(std::string_view data, const PcmFormat& format,
                                std::size_t maxFrames) {
    const std::size_t frameBytes = std::size_t{format.channels} * format.bytesPerSample;
    const std::size_t frames = std::min(data.size() / frameBytes, maxFrames);
    std::vector<int32_t> mono(frames);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        int32_t sum = 0;
        for (uint32_t channel = 0; channel < format.channels; ++channel) {
            sum += sampleAt(data, frame * frameBytes + channel * format.bytesPerSample,
                            format.bytesPerSample);
        }
        mono[frame] = sum / static_cast<int32_t>(format.channels);
    }
    return mono;
}

// Linear interpolation is plenty for a click, a thud and a whistle.
PlayedSamples atPlayedRate(const std::vector<int32_t>& mono, uint32_t rate) {
    PlayedSamples played;
    if (mono.empty()) return played;
    const double step = static_cast<double>(rate) / kPlayedSampleRate;
    const auto count = static_cast<std::size_t>(std::floor((mono.size() - 1) / step)) + 1;
    played.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double at = i * step;
        const auto left = static_cast<std::size_t>(at);
        const std::size_t right = std::min(left + 1, mono.size() - 1);
        const double part = at - static_cast<double>(left);
        const double value = mono[left] + (mono[right] - mono[left]) * part;
        played.push_back(static_cast<int16_t>(std::clamp(std::lround(value), -32768L, 32767L)));
    }
    return played;
}

}  // namespace

std::optional<PlayedSamples> DecodeWave(std::string_view bytes, int32_t maxSeconds) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<PcmFormat> format;
    std::size_t at = 12;
    while (bytes.size() - at >= 8) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = readUInt32LE(bytes, at + 4);
        const std::string_view chunk = bytes.substr(at + 8, size);  // a short last chunk is cut
        if (id == "fmt ") {
            format = readFormat(chunk);
            if (!format) return std::nullopt;
        } else if (id == "data") {
            if (!format) return std::nullopt;
            const std::size_t maxFrames = std::size_t{format->rate} * std::max(maxSeconds, 0);
            return atPlayedRate(monoFrames(chunk, *format, maxFrames), format->rate);
        }
        if (size > bytes.size() - at - 8) break;
        at += 8 + size + (size & 1);  // chunks are padded to an even length
    }
    return std::nullopt;
}
