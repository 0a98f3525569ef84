#include "platform/SoundSources.h"

#include <QAudio>
#include <QDir>

#include "platform/BoundedRead.h"

namespace {

// Longer than any sound of the game's; a larger file is no sound of the range.
constexpr qint64 kLargestSoundFile = 4 * 1024 * 1024;

}  // namespace

std::optional<PlayedSamples> ReadRangeSound(RangeSound sound) {
    const QString file = QString::fromLatin1(RangeSoundFile(sound));
    const auto bytes = ReadFileStart(QDir::current().absoluteFilePath(file), kLargestSoundFile);
    if (!bytes) return std::nullopt;
    return DecodeWave(std::string_view(bytes->constData(), bytes->size()));
}

double GainOfVolume(int32_t percent) {
    return QAudio::convertVolume(percent / 100.0, QAudio::LogarithmicVolumeScale,
                                 QAudio::LinearVolumeScale);
}
