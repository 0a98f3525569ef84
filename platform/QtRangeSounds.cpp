#include "platform/QtRangeSounds.h"

#include <QAudioSink>
#include <QMediaDevices>

#include "platform/MixedSoundOutput.h"
#include "platform/SoundSources.h"

namespace {

// Short enough for the clicker to sound with the draw, long enough for a loaded machine.
constexpr int kOutputBufferMs = 60;

MixedSoundOutput::Sounds ReadSounds() {
    MixedSoundOutput::Sounds sounds;
    for (const RangeSound each : kRangeSounds) {
        if (auto samples = ReadRangeSound(each)) {
            sounds[static_cast<std::size_t>(each)] = std::move(*samples);
        }
    }
    return sounds;
}

QAudioFormat PlayedFormat() {
    QAudioFormat format;
    format.setSampleRate(kPlayedSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

}  // namespace

QtRangeSounds::QtRangeSounds() {
    thread_.setObjectName(QStringLiteral("range sounds"));
}

QtRangeSounds::~QtRangeSounds() {
    if (!onThread_) return;
    // The sink (before the output it reads) and the output go on their own thread.
    QMetaObject::invokeMethod(
        onThread_,
        [this] {
            delete sink_;
            delete onThread_;
        },
        Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void QtRangeSounds::play(RangeSound sound) {
    add(sound, 0);
}

void QtRangeSounds::playLater(RangeSound sound, int32_t afterMs) {
    add(sound, int64_t{afterMs} * kPlayedSampleRate / 1000);
}

void QtRangeSounds::add(RangeSound sound, int64_t delayFrames) {
    if (gain_ == 0) return;  // muted: not even the sound device is bothered
    if (!onThread_) {
        onThread_ = new QObject;
        onThread_->moveToThread(&thread_);
        thread_.start();
        QMetaObject::invokeMethod(onThread_, [this, sound, delayFrames] {
            const QAudioDevice device = QMediaDevices::defaultAudioOutput();
            if (device.isNull() || !device.isFormatSupported(PlayedFormat())) return;
            auto* output = new MixedSoundOutput(ReadSounds());
            output->setParent(onThread_);
            sink_ = new QAudioSink(device, PlayedFormat(), onThread_);
            sink_->setBufferSize(PlayedFormat().bytesForDuration(kOutputBufferMs * 1000));
            output->add(sound, delayFrames);
            sink_->start(output);
            output_ = output;
            output->setGain(gain_);  // after output_, so that no change of volume is missed
        });
        return;
    }
    // Until the output is open, a sound is lost, as a sound device that is not there.
    if (MixedSoundOutput* output = output_) output->add(sound, delayFrames);
}

void QtRangeSounds::setVolume(int32_t percent) {
    gain_ = GainOfVolume(percent);
    if (MixedSoundOutput* output = output_) output->setGain(gain_);
}
