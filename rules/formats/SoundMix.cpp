#include "rules/formats/SoundMix.h"

#include <algorithm>
#include <cmath>
#include <iterator>

void MixVoices(std::vector<Voice>& voices, double gain, std::span<int16_t> out) {
    std::vector<int32_t> sum(out.size(), 0);
    for (Voice& voice : voices) {
        std::size_t at = 0;
        if (voice.delayFrames > 0) {
            const auto waited = static_cast<std::size_t>(
                std::min<int64_t>(voice.delayFrames, static_cast<int64_t>(out.size())));
            voice.delayFrames -= static_cast<int64_t>(waited);
            at = waited;
        }
        const PlayedSamples& samples = *voice.samples;
        for (; at < out.size() && voice.next < samples.size(); ++at)
            sum[at] += samples[voice.next++];
    }
    std::erase_if(voices, [](const Voice& voice) {
        return voice.delayFrames <= 0 && voice.next >= voice.samples->size();
    });
    std::transform(sum.begin(), sum.end(), out.begin(), [gain](int32_t value) {
        return static_cast<int16_t>(std::clamp(std::lround(value * gain), -32768L, 32767L));
    });
}
