#include "platform/QtRangeSounds.h"

#include <QAudio>
#include <QDir>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

QtRangeSounds::QtRangeSounds() = default;
QtRangeSounds::~QtRangeSounds() = default;

QSoundEffect& QtRangeSounds::effect(RangeSound sound) {
    if (!effects_.front()) {
        for (const RangeSound each : kRangeSounds) {
            auto& made = effects_[static_cast<std::size_t>(each)];
            made = std::make_unique<QSoundEffect>();
            made->setVolume(volume_);
            const QString file = QString::fromLatin1(RangeSoundFile(each));
            made->setSource(QUrl::fromLocalFile(QDir::current().absoluteFilePath(file)));
        }
    }
    return *effects_[static_cast<std::size_t>(sound)];
}

void QtRangeSounds::play(RangeSound sound) {
    if (volume_ == 0) return;  // muted: not even the sound device is bothered
    // While the file still loads, the effect starts as soon as it is ready; a file or device
    // that failed makes this do nothing.
    effect(sound).play();
}

void QtRangeSounds::playLater(RangeSound sound, int32_t afterMs) {
    if (volume_ == 0) return;
    QSoundEffect& later = effect(sound);
    QTimer::singleShot(afterMs, &later, [&later] { later.play(); });
}

void QtRangeSounds::setVolume(int32_t percent) {
    volume_ = QAudio::convertVolume(percent / 100.0, QAudio::LogarithmicVolumeScale,
                                    QAudio::LinearVolumeScale);
    for (const auto& made : effects_) {
        if (made) made->setVolume(volume_);
    }
}
