#include "platform/QtClickerSound.h"

#include <QDir>
#include <QSoundEffect>
#include <QUrl>

QtClickerSound::QtClickerSound() = default;
QtClickerSound::~QtClickerSound() = default;

void QtClickerSound::playTick() {
    if (!effect_) {
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl::fromLocalFile(QDir::current().absoluteFilePath("tick.wav")));
    }
    // While the file still loads, the effect starts as soon as it is ready; a file or device
    // that failed makes this do nothing.
    effect_->play();
}
