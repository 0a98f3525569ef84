#include "platform/MixedSoundOutput.h"

#include <cstring>

namespace {

// How long the range stays quiet before the output rests: long enough that the sounds of one
// arrow (the clicker, the release, the strike) share one waking.
constexpr int64_t kRestAfterFrames = kPlayedSampleRate;

}  // namespace

MixedSoundOutput::MixedSoundOutput(Sounds sounds) : sounds_(std::move(sounds)) {
    open(QIODevice::ReadOnly);
}

bool MixedSoundOutput::add(RangeSound sound, int64_t delayFrames) {
    const PlayedSamples& samples = sounds_[static_cast<std::size_t>(sound)];
    if (samples.empty()) return false;
    const std::lock_guard lock(mutex_);
    voices_.push_back({&samples, 0, delayFrames});
    quietFrames_ = 0;
    return std::exchange(resting_, false);
}

void MixedSoundOutput::setGain(double gain) {
    const std::lock_guard lock(mutex_);
    gain_ = gain;
}

bool MixedSoundOutput::rest() {
    const std::lock_guard lock(mutex_);
    resting_ = voices_.empty();
    return resting_;
}

qint64 MixedSoundOutput::bytesAvailable() const {
    // An endless stream: silence when nothing sounds.
    return (kPlayedSampleRate / 10) * qint64{sizeof(int16_t)} + QIODevice::bytesAvailable();
}

qint64 MixedSoundOutput::readData(char* data, qint64 maxSize) {
    const auto frames = static_cast<std::size_t>(maxSize / qint64{sizeof(int16_t)});
    std::vector<int16_t> mixed(frames);
    bool nowQuiet = false;
    {
        const std::lock_guard lock(mutex_);
        MixVoices(voices_, gain_, mixed);
        if (voices_.empty() && !resting_) {
            quietFrames_ += static_cast<int64_t>(frames);
            nowQuiet = quietFrames_ >= kRestAfterFrames;
            if (nowQuiet) quietFrames_ = 0;  // asked once, and again later if it could not rest
        }
    }
    std::memcpy(data, mixed.data(), frames * sizeof(int16_t));
    if (nowQuiet) Q_EMIT quiet();
    return static_cast<qint64>(frames * sizeof(int16_t));
}
