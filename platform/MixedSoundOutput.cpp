#include "platform/MixedSoundOutput.h"

#include <cstring>

MixedSoundOutput::MixedSoundOutput(Sounds sounds) : sounds_(std::move(sounds)) {
    open(QIODevice::ReadOnly);
}

void MixedSoundOutput::add(RangeSound sound, int64_t delayFrames) {
    const PlayedSamples& samples = sounds_[static_cast<std::size_t>(sound)];
    if (samples.empty()) return;
    bool wake = false;
    {
        const std::lock_guard lock(mutex_);
        voices_.push_back({&samples, 0, delayFrames});
        wake = std::exchange(drained_, false);
    }
    // Reaches the output on its own thread, which starts reading again.
    if (wake) Q_EMIT readyRead();
}

void MixedSoundOutput::setGain(double gain) {
    const std::lock_guard lock(mutex_);
    gain_ = gain;
}

qint64 MixedSoundOutput::readData(char* data, qint64 maxSize) {
    const auto frames = static_cast<std::size_t>(maxSize / qint64{sizeof(int16_t)});
    std::vector<int16_t> mixed(frames);
    {
        const std::lock_guard lock(mutex_);
        if (voices_.empty()) {
            // The output stops asking until readyRead: a quiet range costs nothing.
            drained_ = true;
            return 0;
        }
        MixVoices(voices_, gain_, mixed);
    }
    std::memcpy(data, mixed.data(), frames * sizeof(int16_t));
    return static_cast<qint64>(frames * sizeof(int16_t));
}
